#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/mod_wait.h"
#include "core/append_writer.h"
#include "core/contacts_layout.h"
#include "core/cp1252.h"
#include "platform/message_box.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <vector>

// The export command: asks, then appends the whole grid to the export file in one go.
namespace quillet::app {
namespace {

constexpr std::int32_t kAbortPause = 8000; // 0.8 s
constexpr std::int32_t kShowPause = 10000; // 1 s

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

std::string cellBytes(const FlexGrid& grid, int row, int col) {
    return core::encodeCp1252(grid.textMatrix(row, col).toStdString());
}

// Name, address and type of the first rowCount rows, as the bytes the file will hold.
std::vector<core::ContactRow> contactRows(const FlexGrid& grid, int rowCount) {
    std::vector<core::ContactRow> rows;
    rows.reserve(static_cast<std::size_t>(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        rows.push_back({cellBytes(grid, r, 1), cellBytes(grid, r, 2), cellBytes(grid, r, 3)});
    }
    return rows;
}

void setBannerBack(QLabel& banner, const QColor& colour) {
    QPalette palette = banner.palette();
    palette.setColor(QPalette::Window, colour);
    banner.setPalette(palette);
}

// Tells the user, with a red flash, that nothing was written.
void reportAbort(Form1& form) {
    form.setBanner(core::BannerMessage::ExportAborted);
    modWait::Wait(kAbortPause);
    setBannerBack(*form.Label7, kAlarmRed);
    modWait::Wait(kAbortPause);
    setBannerBack(*form.Label7, kBannerBlue);
    form.setBanner(core::BannerMessage::ExportAborted);
    modWait::Wait(kShowPause);
}

} // namespace

void Form1::Command2_Click() {
    // The grid holds at most 32,767 rows, so the count fits the program's 16-bit counters.
    const int rowCount = MSFlexGrid1->rows();
    const auto answer = platform::MessageBox::question(this, QStringLiteral("Confirm file export?"),
                                                       confirmationText(Text1->text()));
    if (answer != platform::MessageBox::Answer::Yes) {
        reportAbort(*this);
        return;
    }

    // Built whole and written in one append: the file gains every line or none, and the
    // window does not yield while it is written.
    const std::string text =
        core::exportText(Combo1->currentText().toStdString(), contactRows(*MSFlexGrid1, rowCount));
    const std::string path = QFile::encodeName(trimBlanks(Text1->text())).toStdString();
    if (const auto failure = core::appendToFile(path, text)) {
        setBanner(QStringLiteral("File NOT exported! Could not write ") + Text1->text() +
                  QStringLiteral(": ") + QString::fromLocal8Bit(*failure));
        return;
    }
    setBanner(QStringLiteral("File successfully written to ") + Text1->text());
    modWait::Wait(kShowPause);
}

} // namespace quillet::app
