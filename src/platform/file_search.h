#pragma once

#include <QString>
#include <QStringList>

// Directory listing for the file search. Folders are resolved without regard to letter case
// (see path_resolver.h); lists come in the order the file system returns them.
namespace quillet::platform {

// Names of the ordinary files in folder (no folders, hidden or special files) that match the
// wildcard pattern without regard to letter case.
QStringList matchingFiles(const QString& folder, const QString& pattern);

// Names of every entry of folder, without "." and "..".
QStringList folderEntries(const QString& folder);

// Whether the file search may enter path: a folder that is not a link, not hidden and not
// read-only. Read-only is the owner-write permission bit, which holds for every user, root too.
bool isPlainDirectory(const QString& path);

} // namespace quillet::platform
