#pragma once

#include <QString>

namespace quillet::platform {

// Shell folder identifiers the program asks for.
enum SpecialFolderId { AppData = 26, Documents = 5 };

// The folder's absolute path without a trailing separator, or an empty string when the
// identifier is unknown or the folder cannot be resolved.
QString specialFolderPath(int id);

} // namespace quillet::platform
