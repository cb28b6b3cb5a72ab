#pragma once

#include "nk2/browse_controls.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace quillet::nk2 {

// Browse: the Browse button, File, Open, a dropped file. Appends the addresses of an NK2 file to
// the address table, with the load's progress in the banner. A child of the window, so that
// whoever holds the window can ask whether a load runs.
class Browse : public QObject {
    Q_OBJECT

public:
    explicit Browse(const BrowseControls& controls);

    // Whether a Browse runs, from disabling the buttons to its last grid row. The buttons come
    // back before the last rows are shown, so they alone do not tell.
    bool running() const { return running_; }

    // Browse with the file-open dialog. Does nothing while a load runs.
    void withDialog();

    // Browse for a file the user chose without the dialog: the same steps as withDialog, minus
    // the search for the dialog's initial folder and the dialog itself. Does nothing while a
    // load runs.
    void file(const QString& path);

    // The same for a file named by the bytes of its name, as a drop gives it, so that a name
    // that is not valid UTF-8 opens too.
    void fileNamed(const QByteArray& localName);

private:
    class RunningFlag;

    bool start();
    void load(const QByteArray& localName);

    BrowseControls controls_;
    bool running_ = false;
};

} // namespace quillet::nk2
