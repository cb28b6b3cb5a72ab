#include "app/wheel_filter.h"

#include "widgets/address_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace quillet::app {
namespace {

// The vertical scroll bar of the scroll area that shows target as its bare background (its
// viewport or the client it scrolls) or that target scrolls (that bar itself), when the area
// can scroll; nothing otherwise.
QScrollBar* windowScrollBar(const QWidget& target) {
    const QScrollArea* area = nullptr;
    for (const QWidget* up = target.parentWidget(); up != nullptr && area == nullptr;
         up = up->parentWidget()) {
        area = qobject_cast<const QScrollArea*>(up);
    }
    if (area == nullptr || area->verticalScrollBar()->maximum() == 0) {
        return nullptr;
    }
    QScrollBar* bar = area->verticalScrollBar();
    const bool background =
        &target == area->viewport() || &target == area->widget() || &target == bar;
    return background ? bar : nullptr;
}

} // namespace

WheelFilter::WheelFilter(QWidget& window, widgets::AddressGrid& grid, QComboBox& fileTypeBox)
    : QObject(&window), window_(window), grid_(grid), fileTypeBox_(fileTypeBox) {
    // On the application: a scroll area or the file-type box would take the event before it
    // could reach the window.
    qApp->installEventFilter(this);
    // A drop-down box takes the focus from a wheel turn by default, before any filter sees
    // the turn; the grid must keep it.
    fileTypeBox.setFocusPolicy(Qt::StrongFocus);
}

bool WheelFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !watched->isWidgetType()) {
        return false;
    }
    const auto* target = static_cast<QWidget*>(watched);
    if (target->window() != &window_) {
        return false;
    }
    try {
        return wheelFor(*target, *event);
    } catch (...) {
        // A failed scroll must not reach the event loop; the wheel simply does nothing.
        return true;
    }
}

bool WheelFilter::wheelFor(const QWidget& target, const QEvent& event) {
    // Toward the user is negative; zero counts as away.
    const bool towardUser = static_cast<const QWheelEvent&>(event).angleDelta().y() < 0;
    if (window_.focusWidget() == &grid_) {
        if (QScrollBar* bar = windowScrollBar(target)) {
            const int step = QApplication::wheelScrollLines() * bar->singleStep();
            bar->setValue(bar->value() + (towardUser ? step : -step));
            return true;
        }
        if (towardUser) {
            grid_.wheelStepDown();
        } else {
            grid_.wheelStepUp();
        }
        return true;
    }
    if (fileTypeBox_.isAncestorOf(&target) || &target == &fileTypeBox_) {
        if (window_.focusWidget() == &fileTypeBox_) {
            const int next = fileTypeBox_.currentIndex() + (towardUser ? 1 : -1);
            if (next >= 0 && next < fileTypeBox_.count()) {
                fileTypeBox_.setCurrentIndex(next);
            }
        }
        return true;
    }
    return &target == &window_ || grid_.isAncestorOf(&target) || &target == &grid_;
}

} // namespace quillet::app
