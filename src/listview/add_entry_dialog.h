#pragma once

#include <QDialog>

class QLineEdit;

namespace quillet::widgets {
class AddressTable;
}

namespace quillet::listview {

// The add dialog: a name and an address typed by hand become a new last row of the address
// grid. One modeless dialog per main window, created hidden on first use and then only shown
// and hidden; its boxes keep their text while it is hidden until Add or Cancel empties them.
class AddEntryDialog : public QDialog {
    Q_OBJECT

public:
    // The window's add dialog, created hidden if it does not exist yet.
    static AddEntryDialog& of(QWidget& window, widgets::AddressTable& table);

    // Shows the dialog with the caret in the name box.
    void present();

    // Escape and the close box act as Cancel.
    void reject() override;

private:
    AddEntryDialog(QWidget& window, widgets::AddressTable& table);

    // Appends number, name and address (type empty), updates the entry count, then hides the
    // dialog and empties both boxes.
    void add();
    void hideAndEmpty();

    widgets::AddressTable& table_;
    QLineEdit* nameEdit_;
    QLineEdit* addressEdit_;
};

} // namespace quillet::listview
