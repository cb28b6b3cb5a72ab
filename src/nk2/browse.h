#pragma once

#include "core/loader_host.h"
#include "core/nk2_load.h"
#include "nk2/browse_controls.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace quillet::nk2 {

// Browse: the Browse button, File, Open, a dropped file. Appends the addresses of an NK2 file to
// the address table, with the load's progress in the banner. A child of the window, so that
// whoever holds the window can ask whether a load runs.
class Browse : public QObject {
    Q_OBJECT

public:
    // What is done with the chosen file's bytes once read, which it then owns: by default
    // Browse's scan.
    using Reading =
        std::function<void(std::string fileBytes, const core::LoadOptions&, core::LoaderHost&)>;
    // Runs after each scan, once its closing step is done, with the same bytes and options, the
    // file's path and whether the scan found no address in it.
    using AfterScan = std::function<void(std::string_view fileBytes, const core::LoadOptions&,
                                         const QString& path, bool foundNone)>;

    explicit Browse(const BrowseControls& controls);

    // Whether a Browse runs, from disabling the buttons to its last grid row. The buttons come
    // back before the last rows are shown, so they alone do not tell.
    bool running() const { return running_; }

    // Browse with the file-open dialog. Does nothing while a load runs.
    void withDialog();
    // The same steps as withDialog, with the dialog's own title and another reading of the
    // chosen file.
    void withDialog(const QString& title, const Reading& reading);

    void setAfterScan(AfterScan afterScan) { afterScan_ = std::move(afterScan); }

    // Browse for a file the user chose without the dialog: the same steps as withDialog, minus
    // the search for the dialog's initial folder and the dialog itself. Does nothing while a
    // load runs.
    void file(const QString& path);

    // The same for a file named by the bytes of its name, as a drop gives it, so that a name
    // that is not valid UTF-8 opens too.
    void fileNamed(const QByteArray& localName);

private:
    class RunningFlag;
    class GridFocusAtEnd;

    bool start();
    void load(const QByteArray& localName, const Reading& reading);
    void scan(std::string fileBytes, const core::LoadOptions& options,
              core::LoaderHost& host) const;

    BrowseControls controls_;
    AfterScan afterScan_;
    QString loadingPath_; // the file being read, for the banner
    bool running_ = false;
};

} // namespace quillet::nk2
