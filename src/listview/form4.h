#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillet::app {
class Form1;
}

namespace quillet::listview {

// The edit dialog: new text for the address grid's current cell. One modeless dialog per main
// window, created hidden on first use and then only shown and hidden. Grid clicks keep its
// text box filled with the clicked cell while it exists.
class Form4 : public QDialog {
    Q_OBJECT

public:
    // The main window's edit dialog, created hidden if it does not exist yet.
    static Form4& of(app::Form1& main);

    // Save to List: hides the dialog and writes the text into the cell current now. With no
    // rows there is no cell, and nothing is written.
    void Command2_Click();
    // Cancel: hides the dialog and empties the text box.
    void Command1_Click();

    // Escape and the close box act as Cancel.
    void reject() override;

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    explicit Form4(app::Form1& main);

    app::Form1& main_;
};

} // namespace quillet::listview
