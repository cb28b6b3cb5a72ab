#include "export/export_command.h"

#include "core/append_writer.h"
#include "core/contact_encoding.h"
#include "core/contacts_layout.h"
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

void ExportCommand::exportNow() {
    // The grid holds at most 32,767 rows, so the count fits the program's 16-bit counters.
    const int rowCount = controls_.grid.rows();
    QLineEdit& pathEdit = controls_.exportPathEdit;
    // A type typed into the box is checked before anything is asked or written.
    const QString fileType = controls_.fileTypeBox.currentText();
    const std::optional<char> delimiter = core::delimiterFor(fileType.toStdString());
    if (!delimiter) {
        controls_.banner.setMessage(QStringLiteral("File NOT exported! The file type must be CSV "
                                                   "or TAB, not \"") +
                                    fileType + QStringLiteral("\"."));
        return;
    }
    const auto answer =
        platform::MessageBox::question(&controls_.window, QStringLiteral("Confirm file export?"),
                                       confirmationText(pathEdit.text()));
    if (answer != platform::MessageBox::Answer::Yes) {
        reportAbort();
        return;
    }

    const std::string path = QFile::encodeName(trimBlanks(pathEdit.text())).toStdString();
    std::optional<std::string> failure;
    std::size_t entriesWithReplacements = 0;
    try {
        // Built whole and written in one append: the file gains every line or none, and the
        // window does not yield while it is written.
        core::ContactEncoder encoder(core::TextEncoding::Cp1252);
        const core::ExportLines lines =
            core::exportLines(*delimiter, contactRows(controls_.grid, rowCount, encoder));
        entriesWithReplacements = encoder.entriesWithReplacements();
        failure = core::appendToFile(path, {lines.header, lines.records, controls_.loadedFiles});
    } catch (const std::bad_alloc&) {
        failure = "not enough memory";
    }
    if (failure) {
        controls_.banner.setMessage(QStringLiteral("File NOT exported! Could not write ") +
                                    pathEdit.text() + QStringLiteral(": ") +
                                    QString::fromLocal8Bit(*failure));
        return;
    }
    QString written = QStringLiteral("File successfully written to ") + pathEdit.text();
    if (entriesWithReplacements > 0) {
        written += QStringLiteral(" (") +
                   QString::fromStdString(core::replacedEntriesText(entriesWithReplacements)) +
                   QStringLiteral(")");
    }
    controls_.banner.setMessage(written);
    platform::wait(kShowPause);
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
