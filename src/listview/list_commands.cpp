#include "listview/list_commands.h"

#include "listview/add_entry_dialog.h"
#include "listview/edit_entry_dialog.h"
#include "listview/status_texts.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/start_here_hint.h"
#include "widgets/status_banner.h"

#include <algorithm>

namespace quillet::listview {

void ListCommands::add() {
    AddEntryDialog::of(controls_.window, controls_.table).present();
}

void ListCommands::edit() {
    widgets::AddressGrid& grid = controls_.table.grid();
    if (grid.rows() == 0) {
        return;
    }
    EditEntryDialog& dialog = EditEntryDialog::of(controls_.window, controls_.table);
    dialog.setEntryText(grid.currentText());
    dialog.present();
}

void ListCommands::remove() {
    // Rows keep the numbers they were given; nothing is renumbered.
    widgets::AddressGrid& grid = controls_.table.grid();
    if (grid.rows() > 0) {
        controls_.table.markEdited();
    }
    if (grid.rows() >= 2) {
        const widgets::GridCell current = grid.currentCell();
        grid.addresses().remove(current.row);
        // So repeated removes work down the list.
        grid.setCurrentCell({std::min(current.row, grid.rows() - 1), current.column});
    } else {
        grid.resetList();
    }
}

void ListCommands::clear() {
    if (!controls_.table.confirmDiscard(controls_.window, QStringLiteral("Clear the list"))) {
        return;
    }
    controls_.table.markExported(); // nothing left to lose
    core::LoadLists& lists = controls_.table.lists();
    lists.addresses.clear();
    lists.names.clear();
    controls_.table.loadedFiles().clear();
    controls_.table.setEntryCount(0);
    controls_.banner.setMessage(clearedStatus());
    controls_.startHere.setVisible(true);
    controls_.table.grid().resetList();
}

} // namespace quillet::listview
