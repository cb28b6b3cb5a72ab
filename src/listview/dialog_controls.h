#pragma once

#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The pieces the add and edit dialogs are built from. Positions and sizes are in twips from
// the dialog's client area (left, top, width, height).
namespace quillet::listview {

// A modeless dialog of the main window with its caption, fixed client size and the main
// window's light blue background and font.
void frameDialog(QDialog& dialog, const char* name, const QString& caption, int width, int height);

// A caption label on a grey background.
QLabel* greyLabel(QDialog& dialog, const char* name, const QString& text, int left, int top,
                  int width, int height);

// A text box that screen readers announce by caption, the text of the label above it.
QLineEdit* textBox(QDialog& dialog, const char* name, const QString& caption, int left, int top,
                   int width, int height);

// A button Enter presses while it has the focus; the dialog's main button is also made its
// default (QPushButton::setDefault), which Enter presses from the text boxes.
QPushButton* button(QDialog& dialog, const char* name, const QString& caption, int left, int top,
                    int width, int height);

// Shows the dialog in front of the main window with the caret in the given box.
void showWithCaret(QDialog& dialog, QLineEdit& box);

} // namespace quillet::listview
