#pragma once

#include <QString>
#include <QStringList>

namespace quillet::platform {

// The real path named by a path whose components may differ from the real ones in letter
// case only, as on a file system that ignores case. An exact component wins; otherwise the
// first entry in listing order whose upper-cased name equals the upper-cased component. From
// the first component that names nothing on, the rest is returned as given.
QString resolvePath(const QString& path);

// Every real path named by path without regard to letter case (a folder may hold "Outlook"
// and "OUTLOOK"): where a component names itself exactly, that one comes first, then the
// others in listing order. Empty when some component names nothing.
QStringList resolvePaths(const QString& path);

} // namespace quillet::platform
