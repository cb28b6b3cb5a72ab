#include "platform/special_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillet::platform {

QString specialFolderPath(int id) {
    switch (id) {
    case AppData:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case Documents: {
        // A fresh account may have no Documents folder; the export must still land somewhere.
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!docs.isEmpty() && QFileInfo(docs).isDir()) {
            return docs;
        }
        return QDir::homePath();
    }
    default:
        return {};
    }
}

} // namespace quillet::platform
