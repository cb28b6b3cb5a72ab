#pragma once

#include <QString>

namespace quillet::platform {

// The user's folders the program reads from and writes to.
enum class SpecialFolder { AppData, Documents };

// The folder's absolute path without a trailing separator, or an empty string when it cannot
// be resolved.
QString specialFolderPath(SpecialFolder folder);

// The same path in native form ending in the platform's separator (the root folder is not given
// a second one), or an empty string.
QString specialFolderWithSeparator(SpecialFolder folder);

} // namespace quillet::platform
