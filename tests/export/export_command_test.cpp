#include "core/banner.h"
#include "export_window.h"
#include "nk2/browse.h"
#include "support/qt_printers.h"

#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quillet::test {
namespace {

using platform::MessageBox;

// The lines of an export, split at CR LF; the bytes must end with a line end.
QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf("\r\n"); end >= 0; end = bytes.indexOf("\r\n", start)) {
        lines.append(bytes.mid(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "text after the last line end";
    return lines;
}

QString failureBanner(const QString& typedPath, int error) {
    return QStringLiteral("File NOT exported! Could not write ") + typedPath +
           QStringLiteral(": ") + QString::fromLocal8Bit(std::generic_category().message(error));
}

// Caps the size of files this process writes, so a write fails part-way with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

const QString kAborted =
    QString::fromStdString(core::bannerText(core::BannerMessage::ExportAborted));

using ExportCommand = ExportWindow;

TEST_F(ExportCommand, WritesTheHeaderAndOneRecordPerRowAsCsvAndTab) {
    addRow("Ann", "ann@x.org");
    addRow("Lee, \"Jo\"", "jo@x.org", "X400");
    const QString csv = outPath("contacts.csv");
    exportTo(csv);

    EXPECT_EQ(MessageBox::lastShown().title, "Confirm file export?");
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + csv);
    const QList<QByteArray> csvLines = linesOf(bytesOf(csv));
    ASSERT_EQ(csvLines.size(), 3);
    EXPECT_TRUE(csvLines[0].startsWith("\"Title\",\"First Name\",\"Middle Name\",\"Last Name\","));
    EXPECT_TRUE(csvLines[0].endsWith(",\"User 4\",\"Web Page\""));
    EXPECT_TRUE(csvLines[1].startsWith(",\"Ann\",,,\"\",\"\",\"\",")) << csvLines[1].toStdString();
    EXPECT_TRUE(csvLines[1].contains(",0/0/00,,,0/0/00,"));
    EXPECT_TRUE(csvLines[1].contains(",\"ann@x.org\",SMTP,\"Ann (ann@x.org)\","));
    EXPECT_TRUE(csvLines[1].endsWith(",Normal,False,,,Normal"));
    // A comma stays inside its quoted field; a quote is doubled; a set type is kept.
    EXPECT_TRUE(csvLines[2].startsWith(",\"Lee, \"\"Jo\"\"\",,,\"\","));
    EXPECT_TRUE(csvLines[2].contains(",\"jo@x.org\",X400,\"Lee, \"\"Jo\"\" (jo@x.org)\","));

    child<QComboBox>(form, names::fileTypeBox)->setEditText("TAB");
    const QString tab = outPath("contacts.txt");
    exportTo(tab);
    const QList<QByteArray> tabLines = linesOf(bytesOf(tab));
    ASSERT_EQ(tabLines.size(), 3);
    EXPECT_EQ(tabLines[0].count('\t'), 91);
    EXPECT_EQ(tabLines[1].count('\t'), 85);
    EXPECT_TRUE(tabLines[1].startsWith("\t\"Ann\"\t\t\t\"\"\t\"\"\t\"\"\t"));
    EXPECT_TRUE(tabLines[1].contains("\t\"ann@x.org\"\tSMTP\t\"Ann (ann@x.org)\"\t"));
    // Apart from the delimiter the two files agree.
    EXPECT_EQ(QByteArray(tabLines[1]).replace('\t', ','), csvLines[1]);
    EXPECT_EQ(QByteArray(tabLines[0]).replace('\t', ','), csvLines[0]);
    EXPECT_TRUE(tabLines[2].startsWith("\t\"Lee, \"\"Jo\"\"\"\t"));

    // Exporting reads the grid and the two boxes only.
    EXPECT_EQ(child<AddressGrid>(form, names::addressGrid)->rows(), 2);
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(), tab);
    EXPECT_EQ(child<QComboBox>(form, names::fileTypeBox)->currentText(), "TAB");
}

TEST_F(ExportCommand, AnEmptyGridCreatesTheFileAndWritesNothing) {
    const QString path = outPath("empty.csv");
    exportTo(path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(bytesOf(path), QByteArray(""));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + path);
}

TEST_F(ExportCommand, OnlyANewOrEmptyFileGetsTheHeader) {
    addRow("Ann", "ann@x.org");
    const QString path = outPath("twice.csv");
    writeBytes(path, "kept line\r\n");
    exportTo(path);
    exportTo(path);
    const QList<QByteArray> lines = linesOf(bytesOf(path));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "kept line");
    EXPECT_TRUE(lines[1].startsWith(",\"Ann\""));
    EXPECT_EQ(lines[2], lines[1]);

    const QString empty = outPath("empty.csv");
    writeBytes(empty, "");
    exportTo(empty);
    exportTo(empty);
    const QList<QByteArray> fresh = linesOf(bytesOf(empty));
    ASSERT_EQ(fresh.size(), 3);
    EXPECT_TRUE(fresh[0].startsWith("\"Title\""));
    EXPECT_EQ(fresh[1], lines[1]);
    EXPECT_EQ(fresh[2], lines[1]);
}

TEST_F(ExportCommand, BlanksAroundThePathAreShownButNotPartOfTheFileName) {
    addRow("Ann", "ann@x.org");
    const QString path = outPath("blanks.csv");
    const QString typed = "  " + path + "   ";
    exportTo(typed);
    EXPECT_EQ(MessageBox::lastShown().text, "Export this file to: \r\n\r\n" + typed +
                                                " ?\r\n\r\nAny existing file will be appended.");
    EXPECT_EQ(linesOf(bytesOf(path)).size(), 2);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"blanks.csv"});
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + typed);
}

TEST_F(ExportCommand, TypedFileTypesCountInAnyCaseAndOthersAreRefusedBeforeTheQuestion) {
    addRow("Ann", "ann@x.org");
    addRow("Bob", "bob@x.org");
    child<QComboBox>(form, names::fileTypeBox)->setEditText("csv");
    const QString path = outPath("lower.csv");
    exportTo(path);
    const QList<QByteArray> lines = linesOf(bytesOf(path));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("\"Title\",\"First Name\","));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + path);

    const int shown = MessageBox::shownCount();
    child<QComboBox>(form, names::fileTypeBox)->setEditText("xml");
    const QString refused = outPath("refused.xml");
    exportTo(refused);
    EXPECT_EQ(MessageBox::shownCount(), shown);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File NOT exported! The file type must be CSV, TAB or VCF, not \"xml\".");
    EXPECT_FALSE(QFile::exists(refused));
}

TEST_F(ExportCommand, AnsweringNoFlashesTheBannerRedAndTouchesNoFile) {
    // Waits long enough for a sampling timer to see every colour.
    platform::setWaitTickLength(std::chrono::microseconds(10));
    addRow("Ann", "ann@x.org");
    const QString kept = outPath("kept.csv");
    writeBytes(kept, "as before\r\n");

    QStringList banners;
    QObject::connect(child<StatusBanner>(form, names::statusBanner), &StatusBanner::messageChanged,
                     [&banners](const QString& text) { banners.append(text); });
    std::vector<QColor> colours; // the banner's background each time it changed
    QTimer sampler;
    sampler.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const QColor now =
            child<StatusBanner>(form, names::statusBanner)->palette().color(QPalette::Window);
        if (colours.empty() || colours.back() != now) {
            colours.push_back(now);
        }
    });
    sampler.start(1);

    QElapsedTimer clock;
    clock.start();
    exportTo(kept, ExportWindow::Answer::No);
    const auto elapsed = std::chrono::nanoseconds(clock.nsecsElapsed());
    sampler.stop();

    EXPECT_EQ(banners, QStringList({kAborted, kAborted}));
    EXPECT_EQ(colours,
              (std::vector<QColor>{QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 255)}));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->palette().color(QPalette::Window),
              QColor(0, 0, 255));
    EXPECT_GE(elapsed, 26000 * platform::waitTickLength()); // 0.8 + 0.8 + 1 s at full length
    EXPECT_EQ(bytesOf(kept), QByteArray("as before\r\n"));

    exportTo(outPath("absent.csv"), ExportWindow::Answer::No);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"kept.csv"});
}

TEST_F(ExportCommand, AFailedExportSaysWhyAndLeavesTheFileAsItWas) {
    addRow("Ann", "ann@x.org");
    const QByteArray before = "first line\r\n";

    const QString missing = outPath("no/such/folder/x.csv");
    exportTo(missing);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              failureBanner(missing, ENOENT));
    EXPECT_FALSE(QFile::exists(missing));

    exportTo(out.path());
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              failureBanner(out.path(), EISDIR));

    exportTo("   ");
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File NOT exported! Could not write    : No file name given");

    if (QFile::exists("/dev/full")) {
        exportTo("/dev/full");
        EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
                  failureBanner("/dev/full", ENOSPC));
    }

    // A write that stops part-way (here at the file size limit) is taken back whole.
    const QString limited = outPath("limited.csv");
    writeBytes(limited, before);
    {
        const FileSizeLimit limit(before.size() + 100);
        exportTo(limited);
    }
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              failureBanner(limited, EFBIG));
    EXPECT_EQ(bytesOf(limited), before);

    // The superuser may write a read-only file; the check only means something for others.
    if (geteuid() != 0) {
        const QString readOnly = outPath("read-only.csv");
        writeBytes(readOnly, before);
        ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
        exportTo(readOnly);
        EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
                  failureBanner(readOnly, EACCES));
        EXPECT_EQ(bytesOf(readOnly), before);
    }

    // A failure leaves the window usable: the next export to a good path succeeds.
    const QString good = outPath("good.csv");
    writeBytes(good, before);
    exportTo(good);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + good);
    EXPECT_TRUE(bytesOf(good).startsWith(before + ",\"Ann\""));
}

TEST_F(ExportCommand, WritesTextAsWindows1252Bytes) {
    addRow(QString::fromUtf8("Ren\u00E9e \u65E5\u672C"), QString::fromUtf8("\u20AC@x.org"));
    addRow(QString::fromUtf8("\u00E9"), "e@x.org");
    const QString path = outPath("bytes.csv");
    exportTo(path);
    const QList<QByteArray> lines = linesOf(bytesOf(path));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith(",\"Ren\xE9"
                                    "e ??\","));
    EXPECT_TRUE(lines[1].contains(",\"\x80@x.org\",SMTP,\"Ren\xE9"
                                  "e ?? (\x80@x.org)\","));
    EXPECT_TRUE(lines[2].startsWith(",\"\xE9\","));
    // The banner says how many entries lost characters; with none lost it stays as it was.
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + path +
                  " (1 entry had characters that Windows-1252 cannot hold, written as \"?\"; "
                  "tick UTF-8 or export as VCF to keep them)");
}

TEST_F(ExportCommand, AFileLoadedIntoTheGridIsNeverTheTarget) {
    const QString nk2 = outPath("loaded.nk2");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2"), nk2));
    ASSERT_TRUE(QFile::link(nk2, outPath("link.nk2")));
    const QByteArray before = bytesOf(nk2);
    child<nk2::Browse>(form, names::browse)->file(nk2);
    ASSERT_GT(child<AddressGrid>(form, names::addressGrid)->rows(), 0);
    for (const QString& target : {nk2, outPath("link.nk2"), out.path() + "/./loaded.nk2"}) {
        exportTo(target);
        EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
                  "File NOT exported! Could not write " + target +
                      ": it is the NK2 file being read");
    }
    EXPECT_EQ(bytesOf(nk2), before);

    // Clear forgets the files loaded.
    QTest::mouseClick(child<QPushButton>(form, names::clearButton), Qt::LeftButton);
    addRow("Ann", "ann@x.org");
    exportTo(nk2);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File successfully written to " + nk2);
}

TEST_F(ExportCommand, APipeAsTargetIsRefusedAtOnce) {
    addRow("Ann", "ann@x.org");
    const QString fifo = outPath("fifo.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    exportTo(fifo);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              "File NOT exported! Could not write " + fifo +
                  ": it is a named pipe (FIFO), not a regular file");
}

} // namespace
} // namespace quillet::test
