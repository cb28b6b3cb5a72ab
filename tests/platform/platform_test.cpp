#include "platform/beep.h"
#include "platform/file_dialog.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quillet::platform;

namespace {

class Platform : public ::testing::Test {
protected:
    Platform() {
        QDir(dir.path()).mkpath(QStringLiteral("Microsoft/Outlook"));
        QFile file(dir.path() + QStringLiteral("/Microsoft/Outlook/Outlook.nk2"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QString path(const QString& relative) const { return dir.path() + u'/' + relative; }

    QTemporaryDir dir;
};

TEST_F(Platform, PathsResolveWithoutRegardToLetterCase) {
    EXPECT_EQ(resolvePath(path(QStringLiteral("Microsoft/Outlook/"))),
              path(QStringLiteral("Microsoft/Outlook/")));
    EXPECT_EQ(resolvePath(path(QStringLiteral("MICROSOFT/OUTLOOK/"))),
              path(QStringLiteral("Microsoft/Outlook/")));
    EXPECT_EQ(resolvePath(dir.path().toUpper() + QStringLiteral("/MICROSOFT/OUTLOOK/OUTLOOK.NK2")),
              path(QStringLiteral("Microsoft/Outlook/Outlook.nk2")));
    // From the first component that names nothing, the rest stays as given.
    EXPECT_EQ(resolvePath(path(QStringLiteral("MICROSOFT/Nope/OUTLOOK"))),
              path(QStringLiteral("Microsoft/Nope/OUTLOOK")));
    EXPECT_EQ(resolvePath(QString()), QString());
}

TEST_F(Platform, AnExactComponentWinsOverOneDifferingInCase) {
    QDir(dir.path()).mkpath(QStringLiteral("microsoft"));
    EXPECT_EQ(resolvePath(path(QStringLiteral("microsoft"))), path(QStringLiteral("microsoft")));
    EXPECT_EQ(resolvePath(path(QStringLiteral("Microsoft"))), path(QStringLiteral("Microsoft")));
}

TEST_F(Platform, PatternsMatchOrdinaryFilesWithoutRegardToCase) {
    QFile hidden(path(QStringLiteral("Microsoft/Outlook/.old.NK2")));
    ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
    QDir(dir.path()).mkpath(QStringLiteral("Microsoft/Outlook/folder.nk2"));
    EXPECT_EQ(matchingFiles(path(QStringLiteral("MICROSOFT/OUTLOOK/")), QStringLiteral("*.NK2")),
              QStringList({QStringLiteral("Outlook.nk2")}));
    EXPECT_TRUE(
        matchingFiles(path(QStringLiteral("Microsoft/")), QStringLiteral("*.NK2")).isEmpty());
    EXPECT_TRUE(isPlainDirectory(path(QStringLiteral("MICROSOFT/OUTLOOK"))));
    EXPECT_FALSE(isPlainDirectory(path(QStringLiteral("Microsoft/Outlook/Outlook.nk2"))));
}

TEST_F(Platform, FileDialogTakesAQueuedAnswerAndOpensInTheRealFolder) {
    FileDialog::setNextFileName(QStringLiteral("/chosen.nk2"));
    EXPECT_EQ(FileDialog::getOpenFileName(nullptr, QStringLiteral("Open"),
                                          path(QStringLiteral("MICROSOFT/OUTLOOK/")),
                                          QStringLiteral("NK2 (*.nk2)")),
              QStringLiteral("/chosen.nk2"));
    EXPECT_EQ(FileDialog::lastRequest().folder, path(QStringLiteral("Microsoft/Outlook/")));
    EXPECT_EQ(FileDialog::lastRequest().title, QStringLiteral("Open"));
    FileDialog::setNextFileName(QString()); // a cancelled dialog
    EXPECT_EQ(FileDialog::getOpenFileName(nullptr, {}, {}, {}), QString());
}

TEST(MessageBoxes, QueuedAnswersAreReturnedAndRecorded) {
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    EXPECT_EQ(MessageBox::question(nullptr, QStringLiteral("Confirm?"), QStringLiteral("Sure?")),
              MessageBox::Answer::No);
    EXPECT_EQ(MessageBox::lastShown().title, QStringLiteral("Confirm?"));
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);
    MessageBox::message(nullptr, QStringLiteral("Quillet"), QStringLiteral("Note"));
    EXPECT_EQ(MessageBox::lastShown().text, QStringLiteral("Note"));
    EXPECT_EQ(MessageBox::shownCount(), 2);

    const int before = beepCount();
    beep();
    EXPECT_EQ(beepCount(), before + 1);
}

} // namespace
