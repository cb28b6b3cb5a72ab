#pragma once

#include <QString>

class QWidget;

namespace quillet::platform {

// The open- and save-file dialogs, replaceable in tests: after setNextFileName the next call
// returns that name without showing anything.
class FileDialog {
public:
    struct Request {
        QString title;
        QString folder; // as the dialog opened it, resolved without regard to letter case
        QString filter;
    };

    // The chosen file's path, or an empty string when the user cancels.
    static QString getOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter);

    // The file to write, chosen starting in path's folder with path's file name proposed; an
    // empty string when the user cancels. Choosing an existing file asks nothing: exports
    // append to it.
    static QString getSaveFileName(QWidget* parent, const QString& title, const QString& path,
                                   const QString& filter);

    // The next call returns fileName at once; an empty name stands for a cancelled dialog.
    static void setNextFileName(const QString& fileName);

    // What the last call asked for.
    static const Request& lastRequest();
};

} // namespace quillet::platform
