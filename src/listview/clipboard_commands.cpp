#include "app/form1.h"
#include "listview/status_texts.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

// The Edit menu on the main window's focused box, through the system clipboard's plain text,
// and the select-all hint of the address clipboard box.
namespace quillet::app {
namespace {

// Which of the boxes the Edit menu works on has the keyboard focus.
struct FocusedBox {
    QLineEdit* textBox = nullptr;  // Text1, Text2 or Text3
    QComboBox* dropDown = nullptr; // Combo1
};

FocusedBox focusedBox(const Form1& form) {
    const QWidget* focused = form.focusWidget();
    if (focused == nullptr) {
        return {};
    }
    if (focused == form.Combo1 || focused == form.Combo1->lineEdit()) {
        return {nullptr, form.Combo1};
    }
    for (QLineEdit* box : {form.Text1, form.Text2, form.Text3}) {
        if (focused == box) {
            return {box, nullptr};
        }
    }
    return {};
}

} // namespace

void Form1::mnuCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const FocusedBox box = focusedBox(*this);
    if (box.textBox) {
        clipboard->setText(box.textBox->selectedText());
    } else if (box.dropDown) {
        clipboard->setText(box.dropDown->currentText());
    }
}

void Form1::mnuCut_Click() {
    mnuCopy_Click();
    const FocusedBox box = focusedBox(*this);
    if (box.textBox && box.textBox->hasSelectedText()) {
        box.textBox->del();
    } else if (box.dropDown) {
        box.dropDown->setEditText(QString());
    }
}

void Form1::mnuPaste_Click() {
    // No plain text on the clipboard (a picture, nothing) counts as an empty text.
    const QString text = QGuiApplication::clipboard()->text();
    const FocusedBox box = focusedBox(*this);
    if (box.textBox) {
        box.textBox->insert(text);
    } else if (box.dropDown) {
        box.dropDown->setEditText(text);
    }
}

void Form1::Text3_Click() {
    Text3->selectAll();
    setBanner(listview::selectAllHint());
}

} // namespace quillet::app
