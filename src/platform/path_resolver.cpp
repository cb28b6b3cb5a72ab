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

// The real names of every entry of the folder dir that equal component but for letter case,
// an exact one first, the others in listing order.
QStringList realNames(const QString& dir, const QString& component) {
    QStringList names;
    if (QFileInfo::exists(dir + component)) {
        names.append(component);
    }
    const QString wanted = component.toUpper();
    QDirIterator it(dir.isEmpty() ? QStringLiteral(".") : dir,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        if (name != component && name.toUpper() == wanted) {
            names.append(name);
        }
    }
    return names;
}

} // namespace

QStringList resolvePaths(const QString& path) {
    const QString normal = QDir::fromNativeSeparators(path);
    const QStringList parts = normal.split(u'/');
    QStringList resolved = {normal.startsWith(u'/') ? QStringLiteral("/") : QString()};
    for (qsizetype i = normal.startsWith(u'/') ? 1 : 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString after = i == parts.size() - 1 ? QString() : QStringLiteral("/");
        QStringList longer;
        for (const QString& start : resolved) {
            if (part.isEmpty() || part == u'.' || part == QStringLiteral("..")) {
                longer.append(start + part + after);
                continue;
            }
            for (const QString& name : realNames(start, part)) {
                longer.append(start + name + after);
            }
        }
        resolved = longer;
    }
    for (QString& real : resolved) {
        real = QDir::toNativeSeparators(real);
    }
    return resolved;
}

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
