#pragma once

#include <QDialog>

class QLineEdit;

namespace quillet::widgets {
class AddressTable;
}

namespace quillet::listview {

// The edit dialog: new text for the address grid's current cell. One modeless dialog per main
// window, created hidden on first use and then only shown and hidden. Grid clicks keep its
// text box filled with the clicked cell while it exists.
class EditEntryDialog : public QDialog {
    Q_OBJECT

public:
    // The window's edit dialog, created hidden if it does not exist yet.
    static EditEntryDialog& of(QWidget& window, widgets::AddressTable& table);

    void setEntryText(const QString& text);

    // Shows the dialog with the caret in the text box.
    void present();

    // Escape and the close box act as Cancel.
    void reject() override;

private:
    EditEntryDialog(QWidget& window, widgets::AddressTable& table);

    // Save to List: hides the dialog and writes the text into the cell current now. With no
    // rows there is no cell, and nothing is written.
    void save();
    // Cancel: hides the dialog and empties the text box.
    void cancel();

    widgets::AddressTable& table_;
    QLineEdit* entryEdit_;
};

} // namespace quillet::listview
