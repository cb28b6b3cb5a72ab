#include "export_window.h"

#include <QComboBox>
#include <QProcess>

namespace quillet::test {
namespace {

using ExportImport = ExportWindow;

// A row as the grid shows it, and the bytes its record must give back when imported.
struct Sample {
    QString name, address, type;
    QByteArray nameBytes, addressBytes, typeBytes;
};

// Exports awkward rows from the window twice as CSV and twice as TAB, then lets a real CSV
// reader (Python's csv module) import both files.
TEST_F(ExportImport, EveryRecordImportsAsEightySixFieldsWithItsNameAndAddress) {
    const std::vector<Sample> samples = {
        {"Ann", "ann@x.org", "", "Ann", "ann@x.org", "SMTP"},
        {"Lee, Ann \"Jo\"", "jo@x.org", "X400", "Lee, Ann \"Jo\"", "jo@x.org", "X400"},
        {"", "", "", "", "", "SMTP"},
        {QString::fromUtf8("Ren\u00E9e \u65E5"), QString::fromUtf8("\u20AC@x.org"), "",
         "Ren\xE9"
         "e ?",
         "\x80@x.org", "SMTP"},
        // A type holding both delimiters, quotes and a line break stays one field.
        {"Typed", "t@x.org", "a\tb,\"c\"\r\nd", "Typed", "t@x.org", "a\tb,\"c\"\r\nd"},
    };
    QByteArray expected;
    for (const Sample& s : samples) {
        addRow(s.name, s.address, s.type);
        expected +=
            s.nameBytes.toHex() + '|' + s.addressBytes.toHex() + '|' + s.typeBytes.toHex() + '\n';
    }
    writeBytes(outPath("expected.txt"), expected);
    for (int i = 0; i < 2; ++i) {
        child<QComboBox>(form, names::fileTypeBox)->setEditText("CSV");
        exportTo(outPath("export.csv"));
        child<QComboBox>(form, names::fileTypeBox)->setEditText("TAB");
        exportTo(outPath("export.txt"));
    }

    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral(QUILLET_PYTHON),
                  {QStringLiteral(QUILLET_CSV_CHECKER), out.path()});
    ASSERT_TRUE(checker.waitForFinished(30000));
    EXPECT_EQ(checker.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(checker.exitCode(), 0) << checker.readAll().toStdString();
}

} // namespace
} // namespace quillet::test
