#include "app/main_window.h"
#include "core/banner.h"
#include "platform/cooperative_wait.h"
#include "platform/file_search.h"
#include "platform/folder_search.h"
#include "platform/special_folders.h"
#include "support/find_child.h"
#include "support/qt_printers.h"
#include "support/temp_profile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using quillet::app::MainWindow;
using quillet::platform::findFolderWithFile;
using quillet::platform::SpecialFolder;
using quillet::platform::specialFolderWithSeparator;
using quillet::test::TempProfile;

namespace {

const QString kSearching = QStringLiteral("Searching for NK2 Path...");
const QString kNotFound =
    QStringLiteral("Could not find NK2 file in profile path. Use 'Browse' manually.");
const QString kFound = QStringLiteral("Found an NK2 file! Displaying location...");
const QString kPressBrowse = QStringLiteral("Press 'Browse' to open the detected NK2 file.");

class Detection : public ::testing::Test {
protected:
    Detection() { quillet::platform::setWaitTickLength(std::chrono::microseconds(1)); }

    // Runs the load handler and returns every banner text it showed.
    QStringList load(MainWindow& form) {
        QStringList banners;
        QObject::connect(child<StatusBanner>(form, names::statusBanner),
                         &StatusBanner::messageChanged,
                         [&banners](const QString& text) { banners << text; });
        form.start();
        return banners;
    }

    QString outlookFolder() const {
        return profile.appData() + QStringLiteral("/Microsoft/Outlook/");
    }

    TempProfile profile;
};

TEST_F(Detection, FileInTheOutlookFolderIsReportedWithTheFolderAndPattern) {
    profile.makeFile(QStringLiteral("Microsoft/Outlook/Outlook.nk2"));
    MainWindow form;
    EXPECT_EQ(load(form), QStringList({outlookFolder(), QStringLiteral("Detected File:"),
                                       outlookFolder() + QStringLiteral("*.NK2"),
                                       QString::fromStdString(quillet::core::bannerText(
                                           quillet::core::BannerMessage::ClickBrowseToBegin))}));
}

TEST_F(Detection, FileInAnotherMicrosoftSubfolderIsFoundAndShownUpperCased) {
    profile.makeDir(QStringLiteral("Microsoft/Outlook"));
    profile.makeDir(QStringLiteral("Microsoft/Word/Startup"));
    profile.makeFile(QStringLiteral("Microsoft/Office/Profiles/main.Nk2"));
    MainWindow form;
    const QString shown = (profile.appData() + QStringLiteral("/Microsoft/")).toUpper() +
                          QStringLiteral("OFFICE/PROFILES/*.NK2");
    EXPECT_EQ(load(form), QStringList({outlookFolder(), kSearching, kFound, shown, kPressBrowse}));
}

TEST_F(Detection, NoFileAnywhereLeavesTheBrowseHint) {
    profile.makeDir(QStringLiteral("Microsoft/Outlook"));
    profile.makeFile(QStringLiteral("Microsoft/Outlook/notes.txt"));
    MainWindow form;
    EXPECT_EQ(load(form), QStringList({outlookFolder(), kSearching, kNotFound}));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(), kNotFound);
}

TEST_F(Detection, HiddenReadOnlyAndLinkedFoldersAreNotEntered) {
    profile.makeFile(QStringLiteral("Microsoft/.cache/hidden.nk2"));
    profile.makeFile(QStringLiteral("Microsoft/Locked/locked.nk2"));
    const QString locked = profile.appData() + QStringLiteral("/Microsoft/Locked");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    const QString elsewhere = profile.makeDir(QStringLiteral("Elsewhere"));
    profile.makeFile(QStringLiteral("Elsewhere/linked.nk2"));
    ASSERT_TRUE(QFile::link(elsewhere, profile.appData() + QStringLiteral("/Microsoft/Link")));
    // A link back up the tree would loop forever if links were followed.
    ASSERT_TRUE(
        QFile::link(profile.appData(), profile.appData() + QStringLiteral("/Microsoft/Loop")));

    MainWindow form;
    EXPECT_EQ(load(form), QStringList({outlookFolder(), kSearching, kNotFound}));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(Detection, ExportPathDefaultsToDocumentsOrHomeAndKeepsAnExistingText) {
    {
        MainWindow form;
        load(form);
        EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(),
                  profile.home() + QStringLiteral("/quillet.csv"));
        EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->count(), 3);
        EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->itemText(0), QStringLiteral("CSV"));
        EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->itemText(1), QStringLiteral("TAB"));
        EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->itemText(2), QStringLiteral("VCF"));
        EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), QStringLiteral("CSV"));
        EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->wheelTopRow(), 0);
    }
    QDir(profile.home()).mkdir(QStringLiteral("Documents"));
    {
        MainWindow form;
        load(form);
        EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(),
                  profile.home() + QStringLiteral("/Documents/quillet.csv"));
    }
    {
        MainWindow form;
        child<QLineEdit>(form, names::exportPathEdit)
            ->setText(QStringLiteral("/somewhere/else.txt"));
        load(form);
        EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(),
                  QStringLiteral("/somewhere/else.txt"));
    }
}

TEST_F(Detection, SpecialFoldersEndInTheSeparator) {
    EXPECT_EQ(specialFolderWithSeparator(SpecialFolder::AppData), profile.appData() + u'/');
    EXPECT_EQ(specialFolderWithSeparator(SpecialFolder::Documents), profile.home() + u'/');
    EXPECT_EQ(specialFolderWithSeparator(SpecialFolder::Documents) + QStringLiteral("quillet.csv"),
              profile.home() + QStringLiteral("/quillet.csv"));
}

TEST_F(Detection, FolderSearchRewritesBothArgumentsInPlace) {
    profile.makeFile(QStringLiteral("Microsoft/Outlook/a.nk2"));
    QString folder = profile.appData() + QStringLiteral("/MicroSoft/outLOOK");
    QString pattern = QStringLiteral("*.nk2");
    const QString expectedFolder =
        (profile.appData() + QStringLiteral("/MICROSOFT/OUTLOOK/")).toUpper();

    EXPECT_EQ(findFolderWithFile(folder, pattern), expectedFolder + QStringLiteral("*.NK2"));
    EXPECT_EQ(folder, expectedFolder);
    EXPECT_EQ(pattern, QStringLiteral("*.NK2"));

    // Rewritten, the same arguments find the same folder again.
    EXPECT_EQ(findFolderWithFile(folder, pattern), expectedFolder + QStringLiteral("*.NK2"));

    QString missing = profile.appData() + QStringLiteral("/nothing-here");
    QString anyPattern = QStringLiteral("*.nk2");
    EXPECT_EQ(findFolderWithFile(missing, anyPattern), QString());
    EXPECT_EQ(missing, (profile.appData() + QStringLiteral("/nothing-here/")).toUpper());
}

TEST_F(Detection, AmongFoldersDifferingOnlyInCaseTheOneHoldingAMatchWins) {
    // Whatever the listing order: an empty twin beside the folder with the file, a level down
    // and at the search root itself.
    profile.makeFile(QStringLiteral("Microsoft/Other/deep/a.nk2"));
    QDir().mkpath(profile.appData() + QStringLiteral("/Microsoft/OTHER"));
    QString folder = profile.appData() + QStringLiteral("/Microsoft");
    QString pattern = QStringLiteral("*.NK2");
    const QString deep = (profile.appData() + QStringLiteral("/Microsoft/Other/deep/")).toUpper();
    EXPECT_EQ(findFolderWithFile(folder, pattern), deep + pattern);

    profile.makeFile(QStringLiteral("Twins/outlook/b.nk2"));
    QDir().mkpath(profile.appData() + QStringLiteral("/Twins/OUTLOOK"));
    QString twins = profile.appData() + QStringLiteral("/Twins");
    const QString outlook = (profile.appData() + QStringLiteral("/Twins/Outlook/")).toUpper();
    EXPECT_EQ(findFolderWithFile(twins, pattern), outlook + pattern);

    profile.makeFile(QStringLiteral("root/c.nk2"));
    QDir().mkpath(profile.appData() + QStringLiteral("/ROOT"));
    QString root = profile.appData() + QStringLiteral("/ROOT");
    const QString rootFolder = root.toUpper() + u'/';
    EXPECT_EQ(findFolderWithFile(root, pattern), rootFolder + pattern);
}

TEST_F(Detection, FolderSearchSearchesPreOrderDepthFirstInListingOrder) {
    // The folder itself wins over its subfolders.
    profile.makeFile(QStringLiteral("Top/x.nk2"));
    profile.makeFile(QStringLiteral("Top/Sub/y.nk2"));
    QString folder = profile.appData() + QStringLiteral("/Top");
    QString pattern = QStringLiteral("*.NK2");
    const QString top = folder.toUpper() + QStringLiteral("/*.NK2");
    EXPECT_EQ(findFolderWithFile(folder, pattern), top);

    // The first listed subfolder is searched to the bottom before the second is looked at.
    profile.makeFile(QStringLiteral("Tree/one/deep/deeper/x.nk2"));
    profile.makeFile(QStringLiteral("Tree/two/x.nk2"));
    const QStringList order =
        quillet::platform::folderEntries(profile.appData() + QStringLiteral("/Tree"));
    ASSERT_EQ(order.size(), 2);
    const QString expected = order.first() == QStringLiteral("one")
                                 ? QStringLiteral("ONE/DEEP/DEEPER/")
                                 : QStringLiteral("TWO/");
    QString tree = profile.appData() + QStringLiteral("/Tree");
    const QString found = tree.toUpper() + u'/' + expected + pattern;
    EXPECT_EQ(findFolderWithFile(tree, pattern), found);
}

TEST_F(Detection, FolderSearchKeepsTheWindowAliveWhileListing) {
    for (int i = 0; i < 5; ++i) {
        profile.makeDir(QStringLiteral("Many/sub%1").arg(i));
    }
    bool handled = false;
    QTimer::singleShot(0, [&handled] { handled = true; });
    QString folder = profile.appData() + QStringLiteral("/Many");
    QString pattern = QStringLiteral("*.NK2");
    EXPECT_EQ(findFolderWithFile(folder, pattern), QString());
    EXPECT_TRUE(handled);
}

} // namespace
