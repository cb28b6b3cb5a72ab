#include "app/flex_grid.h"
#include "app/form1.h"
#include "listview/form4.h"
#include "listview/status_texts.h"
#include "platform/beep.h"

#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <limits>

// The address grid's click and the search box above it.
namespace quillet::app {
namespace {

const QString kSearchPlaceholder = QStringLiteral("Type a name or e-mail address...");

// The first row, from the top, whose cell in the column equals the text as a whole, letter
// case aside; -1 if there is none.
int findWholeText(const FlexGrid& grid, int column, const QString& text) {
    const QString wanted = text.toLower();
    for (int row = 0; row < grid.rows(); ++row) {
        if (grid.textMatrix(row, column).toLower() == wanted) {
            return row;
        }
    }
    return -1;
}

} // namespace

void Form1::MSFlexGrid1_Click() {
    const int rows = MSFlexGrid1->rows();
    if (rows == 0) {
        return; // no cell to copy, no row to count
    }
    const int top = MSFlexGrid1->topRow();
    if (top != GridTopRow) {
        // The wheel's counter is 16-bit; past its range it stays at its top.
        GridTopRow =
            static_cast<std::int16_t>(std::min<int>(top, std::numeric_limits<std::int16_t>::max()));
    }
    const QString cell = MSFlexGrid1->text();
    Text3->setText(cell);
    listview::Form4::of(*this).Text1->setText(cell);
    setBanner(listview::selectionStatus(rows, MSFlexGrid1->row()));
}

void Form1::Text2_Change() {
    const int column = Option1->isChecked() ? 1 : 2;
    const QString text = Text2->text();
    if (text.isEmpty()) {
        return;
    }
    const int row = findWholeText(*MSFlexGrid1, column, text);
    if (row < 0) {
        platform::beep();
        return;
    }
    MSFlexGrid1->selectRange(row, column, row, FlexGrid::kColumns - 1);
    MSFlexGrid1->setTopRow(row);
}

void Form1::Text2_Click() {
    if (Text2->text() == kSearchPlaceholder) {
        Text2->clear();
    }
}

} // namespace quillet::app
