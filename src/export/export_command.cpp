#include "export/export_command.h"

#include "core/append_writer.h"
#include "core/contacts_export.h"
#include "platform/cooperative_wait.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/special_folders.h"
#include "widgets/address_model.h"
#include "widgets/status_banner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <new>
#include <optional>

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

// Added to the success banner so that rows missing from a vCard export are not a surprise.
QString leftOutText(std::size_t leftOut) {
    if (leftOut == 0) {
        return {};
    }
    return QStringLiteral("; %1 %2 without an Internet address left out")
        .arg(leftOut)
        .arg(leftOut == 1 ? QStringLiteral("row") : QStringLiteral("rows"));
}

// Names the ways that keep the characters a Windows-1252 export wrote as "?".
QString replacedText(std::size_t entries) {
    return QString::fromStdString(core::replacedEntriesText(entries)) +
           QStringLiteral("; tick UTF-8 or export as VCF to keep them");
}

QString saveFilter(std::optional<core::ExportFormat> format) {
    const QString allFiles = QStringLiteral("All files (*)");
    if (!format) {
        return allFiles;
    }
    switch (*format) {
    case core::ExportFormat::Csv:
        return QStringLiteral("CSV files (*.csv);;") + allFiles;
    case core::ExportFormat::Tab:
        return QStringLiteral("Tab-separated text (*.txt);;") + allFiles;
    case core::ExportFormat::Vcf:
        return QStringLiteral("vCard files (*.vcf);;") + allFiles;
    }
    return allFiles;
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
    QLineEdit& pathEdit = controls_.exportPathEdit;
    // A type typed into the box is checked before anything is asked or written.
    const QString fileType = controls_.fileTypeBox.currentText();
    const std::optional<core::ExportFormat> format = core::exportFormatFor(fileType.toStdString());
    if (!format) {
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
        // Made a block of rows at a time and written in one append: the file gains every line or
        // none, the whole text is never in memory at once, and the window does not yield while
        // it is written. The Outlook layouts are Windows-1252, which Outlook's import wizard
        // reads, unless the user asks for UTF-8.
        core::ExportBlocks blocks(controls_.addresses.rows(), *format,
                                  controls_.utf8Box.isChecked() ? core::TextEncoding::Utf8
                                                                : core::TextEncoding::Cp1252);
        const auto parts = [&blocks](std::size_t index) { return blocks.records(index); };
        failure = core::appendToFile(
            path, core::AppendInParts{blocks.header(), parts, controls_.loadedFiles});
        entriesWithReplacements = blocks.entriesWithReplacements();
        leftOut = blocks.leftOut();
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
        written +=
            QStringLiteral(" (") + replacedText(entriesWithReplacements) + QStringLiteral(")");
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

void ExportCommand::chooseFile() {
    const QString fileType = controls_.fileTypeBox.currentText();
    QString start = trimBlanks(controls_.exportPathEdit.text());
    if (start.isEmpty()) {
        start = platform::specialFolderWithSeparator(platform::SpecialFolder::Documents);
    }
    const QString chosen = platform::FileDialog::getSaveFileName(
        &controls_.window, QStringLiteral("Export to"), start,
        saveFilter(core::exportFormatFor(fileType.toStdString())));
    if (!chosen.isEmpty()) {
        controls_.exportPathEdit.setText(QDir::toNativeSeparators(chosen));
    }
}

} // namespace quillet::exporter
