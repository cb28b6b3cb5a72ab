#include "listview/edit_keys_filter.h"

#include "app/form1.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace quillet::listview {

EditKeysFilter::EditKeysFilter(app::Form1& form) : QObject(&form), form_(form) {
    for (QObject* box : {static_cast<QObject*>(form.Text1), static_cast<QObject*>(form.Text2),
                         static_cast<QObject*>(form.Text3), static_cast<QObject*>(form.Combo1)}) {
        box->installEventFilter(this);
    }
}

bool EditKeysFilter::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* item : {form_.mnuCut, form_.mnuCopy, form_.mnuPaste}) {
        if (item->isEnabled() && pressed == item->shortcut()) {
            // Not overridden: the key goes to the menu item's shortcut and not to the box.
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace quillet::listview
