#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace quillet::test {

// A throw-away user profile: HOME, the XDG data folder (application data) and the XDG config
// folder point into a temporary folder while the object lives.
class TempProfile {
public:
    TempProfile() {
        save("HOME");
        save("XDG_DATA_HOME");
        save("XDG_CONFIG_HOME");
        QDir(root_.path()).mkpath(QStringLiteral("home"));
        QDir(root_.path()).mkpath(QStringLiteral("AppData"));
        qputenv("HOME", home().toLocal8Bit());
        qputenv("XDG_DATA_HOME", appData().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home() + QStringLiteral("/.config")).toLocal8Bit());
    }

    ~TempProfile() {
        for (const auto& [name, value] : saved_) {
            if (value.isNull()) {
                qunsetenv(name);
            } else {
                qputenv(name, value);
            }
        }
    }

    TempProfile(const TempProfile&) = delete;
    TempProfile& operator=(const TempProfile&) = delete;

    QString home() const { return root_.path() + QStringLiteral("/home"); }
    QString appData() const { return root_.path() + QStringLiteral("/AppData"); }

    // Creates a folder (and its parents) below the application-data folder; returns its path.
    QString makeDir(const QString& relative) const {
        const QString path = appData() + u'/' + relative;
        EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
        return path;
    }

    // Creates an empty file below the application-data folder, with its folders.
    void makeFile(const QString& relative) const {
        const QString path = appData() + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }

private:
    void save(const char* name) { saved_.emplace_back(name, qgetenv(name)); }

    QTemporaryDir root_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

} // namespace quillet::test
