#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillet::app {
class Form1;
}

namespace quillet::listview {

// The add dialog: a name and an address typed by hand become a new last row of the address
// grid. One modeless dialog per main window, created hidden on first use and then only shown
// and hidden; its boxes keep their text while it is hidden until Add or Cancel empties them.
class Form2 : public QDialog {
    Q_OBJECT

public:
    // The main window's add dialog, created hidden if it does not exist yet.
    static Form2& of(app::Form1& main);

    // Add: appends number, name and address (type empty), updates the entry count, then
    // hides the dialog and empties both boxes.
    void Command2_Click();
    // Cancel: hides the dialog and empties both boxes.
    void Command1_Click();

    // Escape and the close box act as Cancel.
    void reject() override;

    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    explicit Form2(app::Form1& main);

    void hideAndEmpty();

    app::Form1& main_;
};

} // namespace quillet::listview
