#pragma once

class QComboBox;
class QLineEdit;
class QWidget;

namespace quillet::widgets {
class StatusBanner;
}

namespace quillet::listview {

// The Edit menu on the focused box of the main window, through the system clipboard's plain
// text, and the select-all hint of the address clipboard box.
class ClipboardCommands {
public:
    struct Controls {
        const QWidget& window; // tells which box has the focus
        QLineEdit& exportPathEdit;
        QLineEdit& searchEdit;
        QLineEdit& clipboardEdit;
        QComboBox& fileTypeBox;
        widgets::StatusBanner& banner;
    };

    explicit ClipboardCommands(const Controls& controls) : controls_(controls) {}

    void cut();
    void copy();
    void paste();
    // A click into the clipboard box selects its text and says how to use it.
    void clipboardBoxClicked();

private:
    struct FocusedBox;
    FocusedBox focusedBox() const;

    Controls controls_;
};

} // namespace quillet::listview
