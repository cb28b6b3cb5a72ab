#include "export/export_command.h"

#include "core/append_writer.h"
#include "core/contact_encoding.h"
#include "core/contacts_layout.h"
#include "core/vcard_layout.h"
#include "platform/cooperative_wait.h"
#include "platform/message_box.h"
#include "platform/special_folders.h"
#include "widgets/address_grid.h"
#include "widgets/status_banner.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <new>
#include <optional>
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

// Name, address and type of the first rowCount rows, as the bytes the file will hold.
std::vector<core::ContactRow> contactRows(const widgets::AddressGrid& grid, int rowCount,
                                          core::ContactEncoder& encoder) {
    std::vector<core::ContactRow> rows;
    rows.reserve(static_cast<std::size_t>(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        rows.push_back(encoder.encode(grid.textMatrix(r, 1).toStdString(),
                                      grid.textMatrix(r, 2).toStdString(),
                                      grid.textMatrix(r, 3).toStdString()));
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
    // A type typed into the box is checked before anything is asked or written.
    const QString fileType = controls_.fileTypeBox.currentText();
    const bool vcard = isVcard(fileType);
    const std::optional<char> delimiter = core::delimiterFor(fileType.toStdString());
    if (!delimiter && !vcard) {
        controls_.banner.setMessage(QStringLiteral("File NOT exported! The file type must be CSV, "
                                                   "TAB or VCF, not \"") +
                                    fileType + QStringLiteral("\"."));
        return false;
    }
    const auto answer =
        platform::MessageBox::question(&controls_.window, QStringLiteral("Confirm file export?"),
                                       confirmationText(pathEdit.text()));
    if (answer != platform::MessageBox::Answer::Yes) {
        reportAbort();
        return false;
    }

    const std::string path = QFile::encodeName(trimBlanks(pathEdit.text())).toStdString();
    std::optional<std::string> failure;
    std::size_t entriesWithReplacements = 0;
    std::size_t leftOut = 0;
    try {
        // Built whole and written in one append: the file gains every line or none, and the
        // window does not yield while it is written. The Outlook layouts are Windows-1252; a
        // vCard keeps the grid's text whole in UTF-8.
        core::ContactEncoder encoder(vcard ? core::TextEncoding::Utf8 : core::TextEncoding::Cp1252);
        const std::vector<core::ContactRow> rows = contactRows(controls_.grid, rowCount, encoder);
        core::ExportLines lines;
        if (vcard) {
            core::VcardExport cards = core::vcardExport(rows);
            lines.records = std::move(cards.text);
            leftOut = cards.leftOut;
        } else {
            lines = core::exportLines(*delimiter, rows);
            entriesWithReplacements = encoder.entriesWithReplacements();
        }
        failure = core::appendToFile(path, {lines.header, lines.records, controls_.loadedFiles});
    } catch (const std::bad_alloc&) {
        failure = "not enough memory";
    }
    if (failure) {
        controls_.banner.setMessage(QStringLiteral("File NOT exported! Could not write ") +
                                    pathEdit.text() + QStringLiteral(": ") +
                                    QString::fromLocal8Bit(*failure));
        return false;
    }
    QString written = QStringLiteral("File successfully written to ") + pathEdit.text();
    if (entriesWithReplacements > 0) {
        written += QStringLiteral(" (") +
                   QString::fromStdString(core::replacedEntriesText(entriesWithReplacements)) +
                   QStringLiteral(")");
    }
    controls_.banner.setMessage(written + leftOutText(leftOut));
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
