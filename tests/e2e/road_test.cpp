#include "app/main_window.h"
#include "core/banner.h"
#include "core/cp1252.h"
#include "platform/cooperative_wait.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "support/find_child.h"
#include "support/grid_cells.h"
#include "support/temp_profile.h"
#include "widgets/address_grid.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using quillet::test::cellText;

namespace {

using quillet::app::MainWindow;
using quillet::core::BannerMessage;
using quillet::core::bannerText;
using quillet::platform::FileDialog;
using quillet::platform::MessageBox;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Text as it comes back from the export file: Windows-1252, "?" for what it cannot hold.
QString throughCp1252(const QString& text) {
    return QString::fromStdString(
        quillet::core::decodeCp1252(quillet::core::encodeCp1252(text.toStdString())));
}

// One record of a comma-separated line, quotes undone as an importer reads them.
QStringList csvFields(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}

// The user's road through the program, from start-up with an NK2 file in the Outlook folder to
// an export read back from disk. Waits are shortened; everything else is the real window.
class Road : public ::testing::Test {
protected:
    Road() {
        quillet::platform::setWaitTickLength(std::chrono::nanoseconds(1));
        outlook = profile.makeDir(QStringLiteral("Microsoft/Outlook"));
        nk2 = outlook + QStringLiteral("/Outlook.NK2");
        QFile::copy(QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2"), nk2);
        QObject::connect(child<StatusBanner>(form, names::statusBanner),
                         &StatusBanner::messageChanged,
                         [this](const QString& text) { banners.append(text); });
    }
    ~Road() override { quillet::platform::setWaitTickLength(savedUnit); }

    quillet::widgets::AddressGrid& grid() { return *child<AddressGrid>(form, names::addressGrid); }

    void clickCell(int row, int col) {
        grid().scrollTo(grid().addresses().index(row, col));
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                          quillet::test::cellRect(grid(), row, col).center());
    }

    int rowNamed(const QString& name) {
        for (int r = 0; r < grid().rows(); ++r) {
            if (cellText(grid(), r, 1) == name) {
                return r;
            }
        }
        return -1;
    }

    // What the converter writes for the same NK2 file.
    QByteArray convertedExport(const QString& path) {
        QProcess convert;
        // Browse's rows, as the window has loaded them.
        convert.start(
            QStringLiteral(QUILLET_CONVERT),
            {QStringLiteral("--read"), QStringLiteral("scan"), QStringLiteral("-o"), path, nk2});
        EXPECT_TRUE(convert.waitForFinished(30000));
        EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
        return bytesOf(path);
    }

    void saveScreenshot() {
        const QString path = qEnvironmentVariable("QUILLET_SCREENSHOT");
        if (path.isEmpty()) {
            return;
        }
        QTest::qWait(200); // let the X server map and paint the window
        const QPixmap shot = form.screen()->grabWindow(form.winId());
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(path)) << path.toStdString();
    }

    std::chrono::nanoseconds savedUnit = quillet::platform::waitTickLength();
    quillet::test::TempProfile profile;
    QTemporaryDir out;
    QString outlook;
    QString nk2;
    MainWindow form;
    QStringList banners;
};

TEST_F(Road, LoadEditAndExport) {
    const QByteArray nk2Before = bytesOf(nk2);
    const QDateTime nk2Modified = QFileInfo(nk2).lastModified();

    form.start();
    EXPECT_EQ(banners.mid(1),
              (QStringList{QStringLiteral("Detected File:"), outlook + QStringLiteral("/*.NK2"),
                           QString::fromStdString(bannerText(BannerMessage::ClickBrowseToBegin))}));

    FileDialog::setNextFileName(nk2);
    QTest::mouseClick(child<QPushButton>(form, names::browseButton), Qt::LeftButton);
    EXPECT_EQ(QDir(FileDialog::lastRequest().folder), QDir(outlook));
    ASSERT_EQ(grid().rows(), 12);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("12"));
    EXPECT_TRUE(child<QPushButton>(form, names::browseButton)->isEnabled());
    EXPECT_TRUE(
        banners.contains(QString::fromStdString(bannerText(BannerMessage::Displaying, 100))));
    EXPECT_EQ(
        banners.last(),
        QString::fromStdString(quillet::core::bannerNote(
            "File, Read Every Entry... (Ctrl+R) gives 11 addresses in their own letter case.")));
    saveScreenshot();

    // Straight after loading, the window exports exactly what the converter writes.
    const QString windowFile = out.filePath(QStringLiteral("window.csv"));
    child<QLineEdit>(form, names::exportPathEdit)->setText(windowFile);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    QTest::mouseClick(child<QPushButton>(form, names::exportButton), Qt::LeftButton);
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(),
              QStringLiteral("File successfully written to ") + windowFile +
                  QStringLiteral(" (3 entries had characters that Windows-1252 cannot hold, "
                                 "written as \"?\"; tick UTF-8 or export as VCF to keep them)"));
    EXPECT_EQ(bytesOf(windowFile), convertedExport(out.filePath(QStringLiteral("cli.csv"))));

    clickCell(2, 1);
    EXPECT_TRUE(child<StatusBanner>(form, names::statusBanner)
                    ->text()
                    .endsWith(QStringLiteral("Selected 3 of 12")));
    EXPECT_EQ(child<QLineEdit>(form, names::clipboardEdit)->text(), cellText(grid(), 2, 1));

    // Find an entry by its name, typed in other letter case, and fix its address.
    const QString name = cellText(grid(), 7, 1);
    child<QLineEdit>(form, names::searchEdit)->setText(name.toUpper());
    ASSERT_EQ(grid().currentCell().row, 7);
    clickCell(7, 2);
    QTest::mouseClick(child<QPushButton>(form, names::editButton), Qt::LeftButton);
    auto& edit = *child<QDialog>(form, names::editEntryDialog);
    child<QLineEdit>(edit, names::entryEdit)->setText(QStringLiteral("fixed@example.org"));
    QTest::mouseClick(child<QPushButton>(edit, names::saveToListButton), Qt::LeftButton);
    EXPECT_EQ(cellText(grid(), 7, 2), QStringLiteral("fixed@example.org"));

    // Remove a wrong one and add one by hand.
    clickCell(0, 1);
    QTest::mouseClick(child<QPushButton>(form, names::removeButton), Qt::LeftButton);
    EXPECT_EQ(grid().rows(), 11);
    QTest::mouseClick(child<QPushButton>(form, names::addButton), Qt::LeftButton);
    auto& added = *child<QDialog>(form, names::addEntryDialog);
    child<QLineEdit>(added, names::newNameEdit)->setText(QStringLiteral("Zoë \"Zed\" Adams, Jr."));
    child<QLineEdit>(added, names::newAddressEdit)->setText(QStringLiteral("zoe@example.org"));
    QTest::mouseClick(child<QPushButton>(added, names::confirmAddButton), Qt::LeftButton);
    ASSERT_EQ(grid().rows(), 12);

    const QString finalFile = out.filePath(QStringLiteral("final.csv"));
    child<QLineEdit>(form, names::exportPathEdit)->setText(finalFile);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    QTest::mouseClick(child<QPushButton>(form, names::exportButton), Qt::LeftButton);

    const QStringList lines =
        QString::fromStdString(quillet::core::decodeCp1252(bytesOf(finalFile).toStdString()))
            .split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 12 + 1); // header, records, nothing after the last CR LF
    EXPECT_EQ(csvFields(lines[0]).size(), 92);
    for (int r = 0; r < 12; ++r) {
        const QStringList fields = csvFields(lines[r + 1]);
        ASSERT_EQ(fields.size(), 86) << lines[r + 1].toStdString();
        const QString cellName = throughCp1252(cellText(grid(), r, 1));
        const QString cellAddress = throughCp1252(cellText(grid(), r, 2));
        EXPECT_EQ(fields[1], cellName);
        EXPECT_EQ(fields[57], cellAddress);
        EXPECT_EQ(fields[58], QStringLiteral("SMTP"));
        EXPECT_EQ(fields[59], cellName + QStringLiteral(" (") + cellAddress + u')');
    }
    EXPECT_EQ(rowNamed(QStringLiteral("Zoë \"Zed\" Adams, Jr.")), 11);
    EXPECT_EQ(csvFields(lines[12])[57], QStringLiteral("zoe@example.org"));

    EXPECT_EQ(bytesOf(nk2), nk2Before);
    EXPECT_EQ(QFileInfo(nk2).lastModified(), nk2Modified);
}

TEST_F(Road, CancelledDialogAndDeclinedExportChangeNothing) {
    form.start();
    FileDialog::setNextFileName(QString());
    QTest::mouseClick(child<QPushButton>(form, names::browseButton), Qt::LeftButton);
    EXPECT_EQ(grid().rows(), 0);
    EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QStringLiteral("0"));
    EXPECT_EQ(banners.last(),
              QString::fromStdString(bannerText(BannerMessage::DisplayingNoSelection)));
    EXPECT_TRUE(child<QPushButton>(form, names::browseButton)->isEnabled());
    EXPECT_TRUE(child<QPushButton>(form, names::exportButton)->isEnabled());

    const QString file = out.filePath(QStringLiteral("untouched.csv"));
    child<QLineEdit>(form, names::exportPathEdit)->setText(file);
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    QTest::mouseClick(child<QPushButton>(form, names::exportButton), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(banners.last(), QString::fromStdString(bannerText(BannerMessage::ExportAborted)));
}

} // namespace
