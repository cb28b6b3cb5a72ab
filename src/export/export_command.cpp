#include "export/export_command.h"

#include "core/append_writer.h"
#include "core/contacts_layout.h"
#include "core/cp1252.h"
#include "core/vcard_layout.h"
#include "platform/cooperative_wait.h"
#include "platform/message_box.h"
#include "platform/special_folders.h"
#include "widgets/address_grid.h"
#include "widgets/status_banner.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <vector>

namespace quillet::exporter {
namespace {

constexpr core::WaitTicks kAbortPause(8000); // 0.8 s
constexpr core::WaitTicks kShowPause(10000); // 1 s

const QColor kBannerBlue(0, 0, 255);
const QColor kAlarmRed(255, 0, 0);

QString confirmationText(const QString& typedPath) {
    return QStringLiteral("Export this file to: \r\n\r\n") + typedPath +
           QStringLiteral(" ?\r\n\r\nAny existing file will be appended.");
}

// Only blanks are removed; any other character belongs to the path.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}

std::string cellBytes(const widgets::AddressGrid& grid, int row, int col) {
    return core::encodeCp1252(grid.textMatrix(row, col).toStdString());
}

// Name, address and type of the first rowCount rows, as the bytes the file will hold.
std::vector<core::ContactRow> contactRows(const widgets::AddressGrid& grid, int rowCount) {
    std::vector<core::ContactRow> rows;
    rows.reserve(static_cast<std::size_t>(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        rows.push_back({cellBytes(grid, r, 1), cellBytes(grid, r, 2), cellBytes(grid, r, 3)});
    }
    return rows;
}

// The same rows in the grid's own UTF-8, as a vCard keeps them.
std::vector<core::ContactRow> utf8Rows(const widgets::AddressGrid& grid, int rowCount) {
    std::vector<core::ContactRow> rows;
    rows.reserve(static_cast<std::size_t>(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        rows.push_back({grid.textMatrix(r, 1).toStdString(), grid.textMatrix(r, 2).toStdString(),
                        grid.textMatrix(r, 3).toStdString()});
    }
    return rows;
}

bool isVcard(const QString& fileType) {
    return fileType.compare(QStringLiteral("VCF"), Qt::CaseInsensitive) == 0;
}

// Added to the success banner so that rows missing from a vCard export are not a surprise.
QString leftOutText(std::size_t leftOut) {
    if (leftOut == 0) {
        return {};
    }
    return QStringLiteral("; %1 %2 without an Internet address left out")
        .arg(leftOut)
        .arg(leftOut == 1 ? QStringLiteral("row") : QStringLiteral("rows"));
}

} // namespace

// Tells the user, with a red flash, that nothing was written.
void ExportCommand::reportAbort() {
    widgets::StatusBanner& banner = controls_.banner;
    banner.setMessage(core::BannerMessage::ExportAborted);
    platform::wait(kAbortPause);
    banner.setBackground(kAlarmRed);
    platform::wait(kAbortPause);
    banner.setBackground(kBannerBlue);
    banner.setMessage(core::BannerMessage::ExportAborted);
    platform::wait(kShowPause);
}

bool ExportCommand::exportNow() {
    // The grid holds at most 32,767 rows, so the count fits the program's 16-bit counters.
    const int rowCount = controls_.grid.rows();
    QLineEdit& pathEdit = controls_.exportPathEdit;
    const auto answer =
        platform::MessageBox::question(&controls_.window, QStringLiteral("Confirm file export?"),
                                       confirmationText(pathEdit.text()));
    if (answer != platform::MessageBox::Answer::Yes) {
        reportAbort();
        return false;
    }

    // Built whole and written in one append: the file gains every line or none, and the
    // window does not yield while it is written.
    const QString fileType = controls_.fileTypeBox.currentText();
    std::string text;
    std::size_t leftOut = 0;
    if (isVcard(fileType)) {
        core::VcardExport cards = core::vcardExport(utf8Rows(controls_.grid, rowCount));
        text = std::move(cards.text);
        leftOut = cards.leftOut;
    } else {
        text = core::exportText(fileType.toStdString(), contactRows(controls_.grid, rowCount));
    }
    const std::string path = QFile::encodeName(trimBlanks(pathEdit.text())).toStdString();
    if (const auto failure = core::appendToFile(path, text)) {
        controls_.banner.setMessage(QStringLiteral("File NOT exported! Could not write ") +
                                    pathEdit.text() + QStringLiteral(": ") +
                                    QString::fromLocal8Bit(*failure));
        return false;
    }
    controls_.banner.setMessage(QStringLiteral("File successfully written to ") + pathEdit.text() +
                                leftOutText(leftOut));
    platform::wait(kShowPause);
    return true;
}

void ExportCommand::fileTypePicked() {
    QString extension = controls_.fileTypeBox.currentText().toLower();
    if (extension == QStringLiteral("tab")) {
        extension = QStringLiteral("txt");
    }
    controls_.exportPathEdit.setText(
        platform::specialFolderWithSeparator(platform::SpecialFolder::Documents) +
        QStringLiteral("quillet.") + extension);
}

} // namespace quillet::exporter
