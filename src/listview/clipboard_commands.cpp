#include "listview/clipboard_commands.h"

#include "listview/status_texts.h"
#include "widgets/status_banner.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

namespace quillet::listview {

// Which of the boxes the Edit menu works on has the keyboard focus.
struct ClipboardCommands::FocusedBox {
    QLineEdit* textBox = nullptr;
    QComboBox* dropDown = nullptr;
};

ClipboardCommands::FocusedBox ClipboardCommands::focusedBox() const {
    const QWidget* focused = controls_.window.focusWidget();
    if (focused == nullptr) {
        return {};
    }
    QComboBox& fileTypeBox = controls_.fileTypeBox;
    if (focused == &fileTypeBox || focused == fileTypeBox.lineEdit()) {
        return {nullptr, &fileTypeBox};
    }
    for (QLineEdit* box :
         {&controls_.exportPathEdit, &controls_.searchEdit, &controls_.clipboardEdit}) {
        if (focused == box) {
            return {box, nullptr};
        }
    }
    return {};
}

void ClipboardCommands::copy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const FocusedBox box = focusedBox();
    if (box.textBox) {
        clipboard->setText(box.textBox->selectedText());
    } else if (box.dropDown) {
        clipboard->setText(box.dropDown->currentText());
    }
}

void ClipboardCommands::cut() {
    copy();
    const FocusedBox box = focusedBox();
    if (box.textBox && box.textBox->hasSelectedText()) {
        box.textBox->del();
    } else if (box.dropDown) {
        box.dropDown->setEditText(QString());
    }
}

void ClipboardCommands::paste() {
    // No plain text on the clipboard (a picture, nothing) counts as an empty text.
    const QString text = QGuiApplication::clipboard()->text();
    const FocusedBox box = focusedBox();
    if (box.textBox) {
        box.textBox->insert(text);
    } else if (box.dropDown) {
        box.dropDown->setEditText(text);
    }
}

void ClipboardCommands::clipboardBoxClicked() {
    controls_.clipboardEdit.selectAll();
    controls_.banner.setMessage(selectAllHint());
}

} // namespace quillet::listview
