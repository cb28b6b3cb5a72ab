#include "app/special_folder.h"

#include "platform/special_folders.h"

#include <QDir>
#include <limits>

namespace quillet::app {

QString GetSpecialFolder(std::int32_t folderId) {
    if (folderId < std::numeric_limits<std::int16_t>::min() ||
        folderId > std::numeric_limits<std::int16_t>::max()) {
        return {};
    }
    QString path = QDir::toNativeSeparators(platform::specialFolderPath(folderId));
    if (path.isEmpty()) {
        return {};
    }
    // The root folder already ends in the separator; never double it.
    if (!path.endsWith(QDir::separator())) {
        path += QDir::separator();
    }
    return path;
}

} // namespace quillet::app
