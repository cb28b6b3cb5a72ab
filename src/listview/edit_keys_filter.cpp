#include "listview/edit_keys_filter.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace quillet::listview {

EditKeysFilter::EditKeysFilter(const QList<QWidget*>& boxes, const QList<const QAction*>& menuItems)
    : QObject(boxes.value(0)), menuItems_(menuItems) {
    for (QWidget* box : boxes) {
        box->installEventFilter(this);
    }
}

bool EditKeysFilter::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* item : menuItems_) {
        if (item->isEnabled() && pressed == item->shortcut()) {
            // Not overridden: the key goes to the menu item's shortcut and not to the box.
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace quillet::listview
