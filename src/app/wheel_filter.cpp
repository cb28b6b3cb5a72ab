#include "app/wheel_filter.h"

#include "app/flex_grid.h"
#include "app/form1.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace quillet::app {

WheelFilter::WheelFilter(Form1& form) : QObject(&form), form_(form) {
    FlexGrid* grid = form.MSFlexGrid1;
    for (QObject* watched : {static_cast<QObject*>(&form), static_cast<QObject*>(grid->viewport()),
                             static_cast<QObject*>(grid->verticalScrollBar()),
                             static_cast<QObject*>(grid->horizontalScrollBar())}) {
        watched->installEventFilter(this);
    }
}

bool WheelFilter::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::Wheel) {
        return false;
    }
    try {
        if (form_.focusWidget() == form_.MSFlexGrid1) {
            // Toward the user is negative; zero counts as away.
            if (static_cast<QWheelEvent*>(event)->angleDelta().y() < 0) {
                form_.ScrollDown();
            } else {
                form_.ScrollUp();
            }
        }
    } catch (...) {
        // A failed scroll must not reach the event loop; the wheel simply does nothing.
    }
    return true;
}

} // namespace quillet::app
