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
int findWholeText(const widgets::AddressModel& addresses, core::Column column,
                  const QString& text) {
    const QModelIndexList found = addresses.match(addresses.index(0, widgets::columnIndex(column)),
                                                  Qt::DisplayRole, text, 1, Qt::MatchFixedString);
    return found.isEmpty() ? -1 : found.first().row();
}

} // namespace

void GridSearch::gridClicked() {
    widgets::AddressGrid& grid = controls_.table.grid();
    const int rows = grid.rows();
    if (rows == 0) {
        return; // no cell to copy, no row to count
    }
    grid.wheelFollowTopRow();
    const QString cell = grid.currentText();
    controls_.clipboardEdit.setText(cell);
    EditEntryDialog::of(controls_.window, controls_.table).setEntryText(cell);
    controls_.banner.setMessage(selectionStatus(rows, grid.currentCell().row));
}

void GridSearch::searchChanged() {
    const core::Column column =
        controls_.searchByName.isChecked() ? core::Column::Name : core::Column::Address;
    const QString text = controls_.searchEdit.text();
    if (text.isEmpty()) {
        return;
    }
    widgets::AddressGrid& grid = controls_.table.grid();
    const int row = findWholeText(grid.addresses(), column, text);
    if (row < 0) {
        platform::beep();
        return;
    }
    grid.selectRange({row, widgets::columnIndex(column)},
                     {row, widgets::columnIndex(core::Column::Type)});
    grid.setTopRow(row);
}

void GridSearch::searchClicked() {
    if (controls_.searchEdit.text() == kSearchPlaceholder) {
        controls_.searchEdit.clear();
    }
}

} // namespace quillet::listview
