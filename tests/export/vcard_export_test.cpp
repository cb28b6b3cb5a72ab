#include "core/name_uuid.h"
#include "export_window.h"
#include "platform/file_dialog.h"
#include "support/grid_cells.h"
#include "support/qt_printers.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace quillet::test {
namespace {

using platform::MessageBox;

class VcardExport : public ExportWindow {
protected:
    // Picks VCF from the list with the arrow key, from the entry above it.
    void chooseVcard() {
        QComboBox* box = child<QComboBox>(form, names::fileTypeBox);
        box->setCurrentIndex(box->findText(QStringLiteral("VCF")) - 1);
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(box->currentText(), QStringLiteral("VCF"));
    }

    void browse(const QString& path) {
        platform::FileDialog::setNextFileName(path);
        child<QPushButton>(form, names::browseButton)->click();
    }

    QString banner() const { return child<StatusBanner>(form, names::statusBanner)->text(); }

    // The grid as JSON Lines, as the converter's --list --format jsonl prints it.
    QByteArray gridLines() const {
        const AddressGrid& grid = *child<AddressGrid>(form, names::addressGrid);
        QByteArray lines;
        for (int row = 0; row < grid.rows(); ++row) {
            const QJsonObject object{{"number", cellText(grid, row, 0).toInt()},
                                     {"name", cellText(grid, row, 1)},
                                     {"address", cellText(grid, row, 2)},
                                     {"type", cellText(grid, row, 3)}};
            lines += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
        }
        return lines;
    }
};

// The sample and rows with every text a vCard must escape, exported twice from the window,
// then imported by a real vCard reader (python3-vobject).
TEST_F(VcardExport, TheGridImportsAsOneCardPerInternetAddress) {
    browse(QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2"));
    ASSERT_EQ(child<AddressGrid>(form, names::addressGrid)->rows(), 12);
    addRow(QStringLiteral("Lee, Ann; \"Jo\" C:\\x"), QStringLiteral("ann,lee@x.org"));
    addRow(QStringLiteral("Two\r\nLines\nand \u738B\u82B3 \U0001F389"),
           QStringLiteral("two@x.org"));
    addRow({}, QStringLiteral("nameless@x.org"));
    addRow(QStringLiteral("Alias Only"), QStringLiteral("ALIAS"));
    addRow(QString(40, QChar(0x00E9)) + QString(30, QChar(0x738B)), QStringLiteral("long@x.org"));
    writeBytes(outPath("grid.jsonl"), gridLines());

    chooseVcard();
    const QString path = outPath("export.vcf");
    for (int i = 0; i < 2; ++i) {
        exportTo(path);
        EXPECT_EQ(MessageBox::lastShown().title, "Confirm file export?");
        // The sample's three Exchange rows and the alias.
        EXPECT_EQ(banner(), "File successfully written to " + path +
                                "; 4 rows without an Internet address left out");
    }

    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral(QUILLET_SYSTEM_PYTHON3),
                  {QStringLiteral(QUILLET_VCARD_CHECKER), QStringLiteral("window"), out.path()});
    ASSERT_TRUE(checker.waitForFinished(30000));
    EXPECT_EQ(checker.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(checker.exitCode(), 0) << checker.readAll().toStdString();
}

TEST_F(VcardExport, PickingVcfProposesAVcfFileAndFailuresWriteNothing) {
    chooseVcard();
    EXPECT_EQ(child<QLineEdit>(form, names::exportPathEdit)->text(),
              profile.home() + QStringLiteral("/quillet.vcf"));

    addRow(QStringLiteral("Ann"), QStringLiteral("ann@x.org"));
    exportTo(outPath("no/such/folder.vcf"));
    EXPECT_TRUE(banner().startsWith("File NOT exported! Could not write "))
        << banner().toStdString();
    EXPECT_FALSE(QFile::exists(outPath("no")));

    const QString path = outPath("kept.vcf");
    writeBytes(path, "kept\r\n");
    exportTo(path, Answer::No);
    EXPECT_EQ(bytesOf(path), QByteArray("kept\r\n"));
    exportTo(path);
    EXPECT_EQ(banner(), "File successfully written to " + path);
    EXPECT_EQ(bytesOf(path), "kept\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nN:Ann;;;;\r\n"
                             "EMAIL;TYPE=INTERNET:ann@x.org\r\nUID:urn:uuid:" +
                                 QByteArray::fromStdString(quillet::core::nameUuid("ann@x.org")) +
                                 "\r\nEND:VCARD\r\n");
}

} // namespace
} // namespace quillet::test
