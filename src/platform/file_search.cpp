#include "platform/file_search.h"

#include "platform/path_resolver.h"

#include <QDir>
#include <QFileInfo>

namespace quillet::platform {

QStringList matchingFiles(const QString& folder, const QString& pattern) {
    // Without QDir::CaseSensitive the name filter ignores case.
    return QDir(resolvePath(folder)).entryList({pattern}, QDir::Files, QDir::Unsorted);
}

QStringList folderEntries(const QString& folder) {
    return QDir(resolvePath(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Unsorted);
}

bool isPlainDirectory(const QString& path) {
    const QFileInfo info(resolvePath(path));
    return info.isDir() && !info.isSymLink() && !info.isJunction() && !info.isHidden() &&
           info.permission(QFileDevice::WriteOwner);
}

} // namespace quillet::platform
