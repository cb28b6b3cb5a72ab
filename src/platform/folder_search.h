#pragma once

#include <QString>

namespace quillet::platform {

// Depth-first search below folder for the first folder holding an ordinary file that matches
// pattern. Rewrites both arguments in place: folder gets a trailing separator, and both are
// upper-cased. Returns that folder (upper-cased, with separator) followed by the pattern, or
// an empty string. A folder is tested before its subfolders, subfolders in listing order; a
// folder's listing is finished before any subfolder is searched. Hidden, read-only and linked
// folders are never entered. Pending events are processed throughout.
QString findFolderWithFile(QString& folder, QString& pattern);

} // namespace quillet::platform
