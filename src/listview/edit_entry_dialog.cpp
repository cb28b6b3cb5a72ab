#include "listview/edit_entry_dialog.h"

#include "listview/dialog_controls.h"
#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/object_names.h"
#include "widgets/only_child.h"

#include <QLineEdit>
#include <QPushButton>

namespace quillet::listview {

EditEntryDialog& EditEntryDialog::of(QWidget& window, widgets::AddressTable& table) {
    return widgets::onlyChild<EditEntryDialog>(
        window, [&window, &table] { return new EditEntryDialog(window, table); });
}

EditEntryDialog::EditEntryDialog(QWidget& window, widgets::AddressTable& table)
    : QDialog(&window), table_(table) {
    frameDialog(*this, names::editEntryDialog, QStringLiteral("Edit Entry"), 5865, 1440);
    greyLabel(*this, "entryLabel", QStringLiteral("Edit Entry:"), 120, 120, 975, 255);
    entryEdit_ =
        textBox(*this, names::entryEdit, QStringLiteral("Edit Entry"), 120, 360, 5655, 375);
    auto* saveButton =
        button(*this, names::saveToListButton, QStringLiteral("Save to List"), 120, 960, 2760, 390);
    auto* cancelButton =
        button(*this, names::cancelEditButton, QStringLiteral("Cancel"), 3000, 960, 2760, 390);
    saveButton->setDefault(true);
    setTabOrder(entryEdit_, saveButton);
    setTabOrder(saveButton, cancelButton);

    connect(saveButton, &QPushButton::clicked, this, &EditEntryDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &EditEntryDialog::cancel);
}

void EditEntryDialog::setEntryText(const QString& text) {
    entryEdit_->setText(text);
}

void EditEntryDialog::present() {
    showWithCaret(*this, *entryEdit_);
}

void EditEntryDialog::save() {
    const QString text = entryEdit_->text();
    hide();
    widgets::AddressGrid& grid = table_.grid();
    if (grid.rows() > 0) {
        grid.setCurrentText(text);
        table_.markEdited();
    }
}

void EditEntryDialog::cancel() {
    hide();
    entryEdit_->clear();
}

void EditEntryDialog::reject() {
    cancel();
}

} // namespace quillet::listview
