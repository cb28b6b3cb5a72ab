#include "listview/dialog_controls.h"

#include "widgets/twips.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillet::listview {
namespace {

const QColor kDialogBack(192, 192, 255);
const QColor kLabelBack(224, 224, 224);

template <class Widget>
Widget* place(QDialog& dialog, Widget* widget, const char* name, int left, int top, int width,
              int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(widgets::twipsRect(dialog, left, top, width, height));
    return widget;
}

} // namespace

void frameDialog(QDialog& dialog, const char* name, const QString& caption, int width, int height) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(caption);
    dialog.setModal(false);
    // Take the main window's font, as the main window's own controls do.
    dialog.setAttribute(Qt::WA_WindowPropagation);
    QPalette colours = dialog.palette();
    colours.setColor(QPalette::Window, kDialogBack);
    dialog.setPalette(colours);
    dialog.setAutoFillBackground(true);
    dialog.setFixedSize(widgets::twipsRect(dialog, 0, 0, width, height).size());
}

QLabel* greyLabel(QDialog& dialog, const char* name, const QString& text, int left, int top,
                  int width, int height) {
    auto* label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, kLabelBack);
    label->setPalette(colours);
    return place(dialog, label, name, left, top, width, height);
}

QLineEdit* textBox(QDialog& dialog, const char* name, const QString& caption, int left, int top,
                   int width, int height) {
    auto* box = new QLineEdit(&dialog);
    box->setAccessibleName(caption);
    return place(dialog, box, name, left, top, width, height);
}

QPushButton* button(QDialog& dialog, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    // Enter presses the focused button, or from a text box the dialog's main button.
    auto* pushButton = new QPushButton(caption, &dialog);
    pushButton->setAutoDefault(true);
    return place(dialog, pushButton, name, left, top, width, height);
}

void showWithCaret(QDialog& dialog, QLineEdit& box) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    box.setFocus();
}

} // namespace quillet::listview
