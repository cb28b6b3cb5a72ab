#include "listview/add_entry_dialog.h"

#include "listview/dialog_controls.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/object_names.h"
#include "widgets/only_child.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace quillet::listview {

AddEntryDialog& AddEntryDialog::of(QWidget& window, widgets::AddressTable& table) {
    return widgets::onlyChild<AddEntryDialog>(
        window, [&window, &table] { return new AddEntryDialog(window, table); });
}

AddEntryDialog::AddEntryDialog(QWidget& window, widgets::AddressTable& table)
    : QDialog(&window), table_(table) {
    frameDialog(*this, names::addEntryDialog, QStringLiteral("Add name and e-mail address"), 5865,
                2175);
    greyLabel(*this, "newNameLabel", QStringLiteral("Name:"), 120, 120, 615, 255);
    nameEdit_ = textBox(*this, names::newNameEdit, QStringLiteral("Name"), 120, 360, 5655, 390);
    greyLabel(*this, "newAddressLabel", QStringLiteral("E-mail Address:"), 120, 840, 1455, 255);
    addressEdit_ = textBox(*this, names::newAddressEdit, QStringLiteral("E-mail Address"), 120,
                           1080, 5655, 375);
    auto* addButton =
        button(*this, names::confirmAddButton, QStringLiteral("Add"), 120, 1680, 2775, 375);
    auto* cancelButton =
        button(*this, names::cancelAddButton, QStringLiteral("Cancel"), 3000, 1680, 2775, 375);
    addButton->setDefault(true);
    setTabOrder(nameEdit_, addressEdit_);
    setTabOrder(addressEdit_, addButton);
    setTabOrder(addButton, cancelButton);

    connect(addButton, &QPushButton::clicked, this, &AddEntryDialog::add);
    connect(cancelButton, &QPushButton::clicked, this, &AddEntryDialog::hideAndEmpty);
}

void AddEntryDialog::present() {
    showWithCaret(*this, *nameEdit_);
}

void AddEntryDialog::add() {
    // Taken as typed: no trimming and no checks, so an empty entry is allowed and a tab in a
    // box moves the rest of the row one column on.
    widgets::AddressGrid& grid = table_.grid();
    core::AddressRow row =
        core::rowOf(std::to_string(grid.rows() + 1), nameEdit_->text().toStdString(),
                    addressEdit_->text().toStdString());
    row.byHand = true;
    core::AddressRows added;
    added.push_back(std::move(row));
    grid.addresses().append(std::move(added));
    table_.setEntryCount(grid.rows());
    table_.markEdited();
    hideAndEmpty();
}

void AddEntryDialog::reject() {
    hideAndEmpty();
}

void AddEntryDialog::hideAndEmpty() {
    hide();
    nameEdit_->clear();
    addressEdit_->clear();
}

} // namespace quillet::listview
