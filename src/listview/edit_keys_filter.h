#pragma once

#include <QObject>

namespace quillet::app {
class Form1;
}

namespace quillet::listview {

// A text box or editable drop-down box claims Ctrl+C, Ctrl+X and Ctrl+V for its own copy and
// paste, which would run instead of the Edit menu's commands and act differently (on the
// drop-down box, on an empty selection). This filter lets the menu's shortcuts win in the main
// window's boxes, so each key press runs the menu command once and nothing else.
class EditKeysFilter : public QObject {
    Q_OBJECT

public:
    // Installs itself on Text1, Text2, Text3 and Combo1.
    explicit EditKeysFilter(app::Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    app::Form1& form_;
};

} // namespace quillet::listview
