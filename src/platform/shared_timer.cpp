#include "platform/shared_timer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace quillet::platform {

SharedTimer& SharedTimer::instance() {
    static QPointer<SharedTimer> timer;
    if (!timer) {
        timer = new SharedTimer(QCoreApplication::instance());
    }
    return *timer;
}

SharedTimer::SharedTimer(QObject* parent) : QObject(parent) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, [this] { signalled_ = true; });
#ifdef Q_OS_LINUX
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &SharedTimer::onTimerFd);
    }
#endif
}

SharedTimer::~SharedTimer() {
#ifdef Q_OS_LINUX
    if (fd_ >= 0) {
        delete notifier_;
        ::close(fd_);
    }
#endif
}

void SharedTimer::arm(std::chrono::nanoseconds dueIn) {
    signalled_ = false;
    const bool dueNow = dueIn.count() <= 0;
#ifdef Q_OS_LINUX
    if (fd_ >= 0) {
        // A zero due time disarms a timerfd, so "due now" disarms it and signals directly.
        itimerspec due{};
        if (!dueNow) {
            due.it_value.tv_sec = static_cast<time_t>(dueIn.count() / 1'000'000'000);
            due.it_value.tv_nsec = static_cast<long>(dueIn.count() % 1'000'000'000);
        }
        timerfd_settime(fd_, 0, &due, nullptr);
        signalled_ = dueNow;
        return;
    }
#endif
    fallback_.stop();
    if (dueNow) {
        signalled_ = true;
        return;
    }
    // QTimer counts whole milliseconds; round up so the wait is never shorter than asked.
    fallback_.start(std::chrono::ceil<std::chrono::milliseconds>(dueIn));
}

void SharedTimer::onTimerFd() {
#ifdef Q_OS_LINUX
    // Re-arming resets the expiry count, so a stale wake-up reads nothing and signals nothing.
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations && expirations > 0) {
        signalled_ = true;
    }
#endif
}

} // namespace quillet::platform
