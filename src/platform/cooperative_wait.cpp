#include "platform/cooperative_wait.h"

#include "platform/shared_timer.h"

#include <QCoreApplication>

namespace quillet::platform {
namespace {

std::chrono::nanoseconds tickLength = std::chrono::microseconds(100);

} // namespace

void wait(core::WaitTicks pause) {
    SharedTimer& timer = SharedTimer::instance();
    timer.arm(pause.count() * tickLength);
    bool fired = false;
    do {
        // Sleep until the timer or anything else wakes the event loop; a timer that is
        // already signalled (an inner wait ended) reports at once.
        fired = timer.isSignalled();
        if (!fired) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            fired = timer.isSignalled();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (!fired);
}

void setWaitTickLength(std::chrono::nanoseconds length) {
    tickLength = length;
}

std::chrono::nanoseconds waitTickLength() {
    return tickLength;
}

} // namespace quillet::platform
