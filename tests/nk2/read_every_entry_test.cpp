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

// An address the grid holds is never appended again: its row takes the file's name, letter case
// and type and keeps its number, unless the user edited it.
TEST_F(ReadEveryEntry, ImprovesTheRowsTheGridHoldsAndNeverDoublesOne) {
    browse(kSample);
    ASSERT_EQ(rows(), 12);
    // The scan found every address of the sample, most in capitals: Browse says so.
    EXPECT_EQ(
        banner(),
        QString::fromStdString(quillet::core::bannerNote(
            "File, Read Every Entry... (Ctrl+R) gives 11 addresses in their own letter case.")));
    quillet::test::setCellText(*child<AddressGrid>(form, names::addressGrid), 1, 1,
                               QStringLiteral("Anna M."));

    banners.clear();
    readEveryEntry(kSample);
    ASSERT_EQ(rows(), 12);
    const struct {
        int row;
        const char* number;
        const char* name;
        const char* address;
        const char* type;
    } expected[] = {
        {0, "1", "Paul Jones", "pjones", "EX"},
        {1, "2", "Anna M.", "AMULLER", ""}, // edited by hand
        {3, "4", "Mary Smith", "mary.smith@example.org", "SMTP"},
        {6, "7", "王芳", "wang.fang@example.cn", "SMTP"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(QStringList({cell(e.row, 0), cell(e.row, 1), cell(e.row, 2), cell(e.row, 3)}),
                  QStringList({QString::fromUtf8(e.number), QString::fromUtf8(e.name),
                               QString::fromUtf8(e.address), QString::fromUtf8(e.type)}));
    }
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("12"));
    EXPECT_TRUE(buttonsEnabled());
    // Browse's banners: the file chosen, the loading notice, the closing step, the summary.
    ASSERT_GE(banners.size(), 4);
    EXPECT_EQ(banners[0], bannerOf(BannerMessage::BrowsingForFile));
    EXPECT_EQ(banners[1], bannerOf(BannerMessage::ClickBrowse));
    EXPECT_EQ(banners[2], bannerOf(BannerMessage::LoadingFile));
    // No address is new: the closing step has no rows to display.
    EXPECT_TRUE(banners.contains(bannerOf(BannerMessage::DisplayingNoSelection)));
    EXPECT_EQ(banners.back(), QString::fromStdString(quillet::core::bannerNote(
                                  "Read Every Entry: 0 rows added, 11 improved.")));

    // Read again, nothing changes; a cancelled dialog adds nothing.
    readEveryEntry(kSample);
    EXPECT_EQ(rows(), 12);
    EXPECT_TRUE(banner().endsWith(QStringLiteral("0 rows added, 0 improved.")));
    readEveryEntry(QString());
    EXPECT_EQ(rows(), 12);
}

TEST_F(ReadEveryEntry, BrowseTellsWhatTheScanMissedAndWhereToGetIt) {
    const QString path = writeFile(QStringLiteral("large.nk2"), largeFile());
    browse(path);
    const int scanned = rows();
    EXPECT_LT(scanned, 4000);
    EXPECT_TRUE(banner().contains(QStringLiteral("File, Read Every Entry... (Ctrl+R) gives ")))
        << banner().toStdString();
    EXPECT_TRUE(banner().contains(QStringLiteral(" more addresses, "))) << banner().toStdString();
    EXPECT_TRUE(banner().startsWith(QString::fromUtf8(quillet::core::kProductLine)));

    readEveryEntry(path);
    EXPECT_EQ(rows(), 6100);
    EXPECT_EQ(cell(scanned, 0), QString::number(scanned + 1));
    EXPECT_TRUE(banner().endsWith(QStringLiteral("Read Every Entry: %1 rows added, %2 improved.")
                                      .arg(6100 - scanned)
                                      .arg(scanned)))
        << banner().toStdString();

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
