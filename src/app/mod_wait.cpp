#include "app/mod_wait.h"

#include "app/form1.h"
#include "core/banner.h"
#include "platform/shared_timer.h"

#include <QCoreApplication>

namespace quillet::app::modWait {
namespace {

std::chrono::nanoseconds unit = std::chrono::microseconds(100);

} // namespace

void Wait(std::int32_t count) {
    platform::SharedTimer& timer = platform::SharedTimer::instance();
    timer.arm(count * unit);
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

void ReadingNotice(Form1& form) {
    form.setBanner(QString::fromStdString(core::readingNoticeText(true)));
    Wait(1);
    form.setBanner(QString::fromStdString(core::readingNoticeText(false)));
    Wait(1);
}

void setWaitUnit(std::chrono::nanoseconds newUnit) {
    unit = newUnit;
}

std::chrono::nanoseconds waitUnit() {
    return unit;
}

} // namespace quillet::app::modWait
