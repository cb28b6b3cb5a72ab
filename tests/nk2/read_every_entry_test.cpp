#include "browse_window.h"
#include "nk2_generator.h"

#include <QAction>
#include <QMenu>

using quillet::core::BannerMessage;
using quillet::platform::FileDialog;
using quillet::test::bannerOf;
using quillet::test::BrowseWindow;
using quillet::test::kSample;

namespace {

namespace gen = quillet::testdata;

// More Exchange markers than the scans' shared step budget, so Browse misses SMTP addresses.
std::string largeFile() {
    return gen::nk2File(gen::realisticEntries(3000, 3100, 5));
}

class ReadEveryEntry : public BrowseWindow {
protected:
    QAction* menuItem() const { return child<QAction>(form, names::readEveryEntryAction); }

    void readEveryEntry(const QString& path) {
        FileDialog::setNextFileName(path);
        menuItem()->trigger();
    }

    QString banner() const { return child<StatusBanner>(form, names::statusBanner)->text(); }
};

TEST_F(ReadEveryEntry, IsAFileMenuItemWithItsOwnShortcut) {
    EXPECT_EQ(menuItem()->text(), QStringLiteral("&Read Every Entry..."));
    EXPECT_EQ(menuItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_TRUE(child<QMenu>(form, names::fileMenu)->actions().contains(menuItem()));
}

TEST_F(ReadEveryEntry, AppendsEveryEntryWithItsNameAndNumbersOn) {
    browse(kSample);
    ASSERT_EQ(rows(), 12);
    // The scan found every address of the sample: Browse ends as it always has.
    EXPECT_EQ(banner(), bannerOf(BannerMessage::Displaying, 100));

    banners.clear();
    readEveryEntry(kSample);
    ASSERT_EQ(rows(), 24);
    EXPECT_EQ(cell(12, 0), QStringLiteral("13"));
    EXPECT_EQ(cell(12, 1), QStringLiteral("Mary Smith"));
    EXPECT_EQ(cell(12, 2), QStringLiteral("mary.smith@example.org"));
    EXPECT_EQ(cell(13, 1), QStringLiteral("Paul Jones"));
    EXPECT_EQ(cell(13, 2), QStringLiteral("pjones"));
    EXPECT_EQ(cell(17, 1), QStringLiteral("王芳"));
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("24"));
    EXPECT_TRUE(buttonsEnabled());
    // Browse's banners: the file chosen, the loading notice, the closing step's progress.
    ASSERT_GE(banners.size(), 4);
    EXPECT_EQ(banners[0], bannerOf(BannerMessage::BrowsingForFile));
    EXPECT_EQ(banners[1], bannerOf(BannerMessage::ClickBrowse));
    EXPECT_EQ(banners[2], bannerOf(BannerMessage::LoadingFile));
    EXPECT_EQ(banners.back(), bannerOf(BannerMessage::Displaying, 100));

    // A cancelled dialog adds nothing.
    readEveryEntry(QString());
    EXPECT_EQ(rows(), 24);
}

TEST_F(ReadEveryEntry, BrowseTellsWhatTheScanMissedAndWhereToGetIt) {
    const QString path = writeFile(QStringLiteral("large.nk2"), largeFile());
    browse(path);
    const int scanned = rows();
    EXPECT_LT(scanned, 4000);
    EXPECT_TRUE(banner().endsWith(
        QStringLiteral(" more addresses are in this file: File, Read Every Entry... (Ctrl+R) "
                       "reads them.")))
        << banner().toStdString();
    EXPECT_TRUE(banner().startsWith(QString::fromUtf8(quillet::core::kProductLine)));

    readEveryEntry(path);
    EXPECT_EQ(rows(), scanned + 6100);
    EXPECT_EQ(cell(scanned, 0), QString::number(scanned + 1));
    EXPECT_EQ(banner(), bannerOf(BannerMessage::Displaying, 100));

    // Once the grid holds them all, Browse has nothing more to tell.
    browse(path);
    EXPECT_EQ(banner(), bannerOf(BannerMessage::Displaying, 100));
}

TEST_F(ReadEveryEntry, ADamagedFileGivesTheEntriesBeforeTheDamageAndSaysWhere) {
    const std::string sample = gen::nk2File(gen::sampleEntries());
    readEveryEntry(writeFile(QStringLiteral("cut.nk2"), sample.substr(0, 1000)));
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(cell(1, 1), QStringLiteral("Paul Jones"));
    EXPECT_TRUE(banner().endsWith(QStringLiteral("Read 2 of 12 entries; stopped at byte 978: a "
                                                 "value's size runs past the end of the file.")))
        << banner().toStdString();
    EXPECT_TRUE(buttonsEnabled());
}

} // namespace
