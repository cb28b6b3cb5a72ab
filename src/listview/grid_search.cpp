#include "listview/grid_search.h"

#include "listview/edit_entry_dialog.h"
#include "listview/status_texts.h"
#include "platform/beep.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/status_banner.h"

#include <QLineEdit>
#include <QRadioButton>

namespace quillet::listview {
namespace {

const QString kSearchPlaceholder = QStringLiteral("Type a name or e-mail address...");

// The first row, from the top, whose cell in the column equals the text as a whole, letter
// case aside; -1 if there is none.
int findWholeText(const widgets::AddressGrid& grid, int column, const QString& text) {
    const QString wanted = text.toLower();
    for (int row = 0; row < grid.rows(); ++row) {
        if (grid.textMatrix(row, column).toLower() == wanted) {
            return row;
        }
    }
    return -1;
}

} // namespace

void GridSearch::gridClicked() {
    widgets::AddressGrid& grid = controls_.table.grid();
    const int rows = grid.rows();
    if (rows == 0) {
        return; // no cell to copy, no row to count
    }
    grid.wheelFollowTopRow();
    const QString cell = grid.text();
    controls_.clipboardEdit.setText(cell);
    EditEntryDialog::of(controls_.window, controls_.table).setEntryText(cell);
    controls_.banner.setMessage(selectionStatus(rows, grid.row()));
}

void GridSearch::searchChanged() {
    const int column = controls_.searchByName.isChecked() ? 1 : 2;
    const QString text = controls_.searchEdit.text();
    if (text.isEmpty()) {
        return;
    }
    widgets::AddressGrid& grid = controls_.table.grid();
    const int row = findWholeText(grid, column, text);
    if (row < 0) {
        platform::beep();
        return;
    }
    grid.selectRange(row, column, row, widgets::AddressGrid::kColumns - 1);
    grid.setTopRow(row);
}

void GridSearch::searchClicked() {
    if (controls_.searchEdit.text() == kSearchPlaceholder) {
        controls_.searchEdit.clear();
    }
}

} // namespace quillet::listview
