#include "platform/path_resolver.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace quillet::platform {
namespace {

// The real name of component in the folder dir, or an empty string when none matches.
QString realName(const QString& dir, const QString& component) {
    if (QFileInfo::exists(dir + component)) {
        return component;
    }
    const QString wanted = component.toUpper();
    QDirIterator it(dir.isEmpty() ? QStringLiteral(".") : dir,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        if (name.toUpper() == wanted) {
            return name;
        }
    }
    return {};
}

} // namespace

QString resolvePath(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path)) {
        return path;
    }
    const QString normal = QDir::fromNativeSeparators(path);
    const QStringList parts = normal.split(u'/');
    QString resolved;
    qsizetype i = 0;
    if (normal.startsWith(u'/')) {
        resolved = QStringLiteral("/");
        i = 1;
    }
    for (; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const bool last = i == parts.size() - 1;
        if (part.isEmpty() || part == u'.' || part == QStringLiteral("..")) {
            resolved += part + (last ? QString() : QStringLiteral("/"));
            continue;
        }
        const QString name = realName(resolved, part);
        if (name.isEmpty()) {
            resolved += parts.mid(i).join(u'/');
            break;
        }
        resolved += name + (last ? QString() : QStringLiteral("/"));
    }
    return QDir::toNativeSeparators(resolved);
}

} // namespace quillet::platform
