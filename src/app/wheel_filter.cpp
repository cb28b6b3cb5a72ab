#include "app/wheel_filter.h"

#include "widgets/address_grid.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace quillet::app {

WheelFilter::WheelFilter(QWidget& window, widgets::AddressGrid& grid)
    : QObject(&window), window_(window), grid_(grid) {
    for (QObject* watched : {static_cast<QObject*>(&window), static_cast<QObject*>(grid.viewport()),
                             static_cast<QObject*>(grid.verticalScrollBar()),
                             static_cast<QObject*>(grid.horizontalScrollBar())}) {
        watched->installEventFilter(this);
    }
}

bool WheelFilter::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::Wheel) {
        return false;
    }
    try {
        if (window_.focusWidget() == &grid_) {
            // Toward the user is negative; zero counts as away.
            if (static_cast<QWheelEvent*>(event)->angleDelta().y() < 0) {
                grid_.wheelStepDown();
            } else {
                grid_.wheelStepUp();
            }
        }
    } catch (...) {
        // A failed scroll must not reach the event loop; the wheel simply does nothing.
    }
    return true;
}

} // namespace quillet::app
