#include "nk2/repaint_throttle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace quillet::nk2 {

RepaintThrottle::RepaintThrottle(QWidget& window) : window_(window) {
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setTimerType(Qt::PreciseTimer);
    connect(&releaseTimer_, &QTimer::timeout, this, [this] { release(); });
    window_.installEventFilter(this);
}

RepaintThrottle::~RepaintThrottle() {
    window_.removeEventFilter(this);
    release();
}

// Qt paints a window's changed parts when the window receives an update request; once one is
// pending it posts no other until it has been handled, so a held request is posted again.
bool RepaintThrottle::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::UpdateRequest) {
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    const auto sinceLast = now - lastRepaint_;
    if (sinceLast >= kFrame) {
        lastRepaint_ = now;
        held_ = false;
        return false;
    }
    held_ = true;
    releaseTimer_.start(std::chrono::ceil<std::chrono::milliseconds>(kFrame - sinceLast));
    return true;
}

void RepaintThrottle::release() {
    if (held_) {
        held_ = false;
        lastRepaint_ = {};
        QCoreApplication::postEvent(&window_, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
    }
}

} // namespace quillet::nk2
