#include "platform/special_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillet::platform {

QString specialFolderPath(SpecialFolder folder) {
    switch (folder) {
    case SpecialFolder::AppData:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case SpecialFolder::Documents: {
        // A fresh account may have no Documents folder; the export must still land somewhere.
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!docs.isEmpty() && QFileInfo(docs).isDir()) {
            return docs;
        }
        return QDir::homePath();
    }
    }
    return {};
}

QString specialFolderWithSeparator(SpecialFolder folder) {
    QString path = QDir::toNativeSeparators(specialFolderPath(folder));
    if (path.isEmpty()) {
        return {};
    }
    if (!path.endsWith(QDir::separator())) {
        path += QDir::separator();
    }
    return path;
}

} // namespace quillet::platform
