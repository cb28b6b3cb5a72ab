#include "platform/folder_search.h"

#include "platform/file_search.h"
#include "platform/path_resolver.h"

#include <QCoreApplication>
#include <QDir>

namespace quillet::platform {

namespace {

// The search below one real folder (with separator); shown is the same folder as reported,
// upper-cased. Real paths are carried down, so folders whose names differ only in letter case
// are each searched for themselves.
QString searchBelow(const QString& real, const QString& shown, const QString& pattern) {
    if (!matchingFiles(real, pattern).isEmpty()) {
        return shown + pattern;
    }

    // The listing is complete before anything else runs, so a search started by an event
    // handler meanwhile cannot disturb it.
    const QStringList entries = folderEntries(real);
    QStringList pending;
    for (const QString& entry : entries) {
        QCoreApplication::processEvents();
        if (isPlainDirectory(real + entry)) {
            pending.append(entry);
        }
    }

    for (const QString& entry : pending) {
        QCoreApplication::processEvents();
        const QString found = searchBelow(real + entry + QDir::separator(),
                                          shown + entry.toUpper() + QDir::separator(), pattern);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

} // namespace

QString findFolderWithFile(QString& folder, QString& pattern) {
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    folder = folder.toUpper();
    pattern = pattern.toUpper();

    // The upper-cased folder names a real one on a case-sensitive file system too; where
    // several differ only in case, the first that holds a match wins.
    for (const QString& real : resolvePaths(folder)) {
        const QString found = searchBelow(real, folder, pattern);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

} // namespace quillet::platform
