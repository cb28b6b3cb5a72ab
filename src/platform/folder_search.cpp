#include "platform/folder_search.h"

#include "platform/file_search.h"
#include "platform/path_resolver.h"

#include <QCoreApplication>
#include <QDir>

namespace quillet::platform {

QString findFolderWithFile(QString& folder, QString& pattern) {
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    folder = folder.toUpper();
    pattern = pattern.toUpper();

    // The upper-cased folder names a real one on a case-sensitive file system too.
    const QString real = resolvePath(folder);
    if (!matchingFiles(real, pattern).isEmpty()) {
        return folder + pattern;
    }

    // The listing is complete before anything else runs, so a search started by an event
    // handler meanwhile cannot disturb it.
    const QStringList entries = folderEntries(real);
    QStringList pending;
    for (const QString& entry : entries) {
        QCoreApplication::processEvents();
        if (isPlainDirectory(real + entry)) {
            pending.append(folder + entry);
        }
    }

    for (QString subfolder : pending) {
        QCoreApplication::processEvents();
        const QString found = findFolderWithFile(subfolder, pattern);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

} // namespace quillet::platform
