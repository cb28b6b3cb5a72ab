#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class QSocketNotifier;

namespace quillet::platform {

// One process-wide manual-reset timer: arming it clears its signalled state and replaces any
// earlier due time; when it fires it stays signalled until armed again. Its firing arrives as
// an ordinary event of the thread's event loop, so a loop blocked waiting for events wakes.
class SharedTimer : public QObject {
    Q_OBJECT

public:
    // The process's timer; lives as long as the application object.
    static SharedTimer& instance();

    // Due after the given time; a due time of zero or less signals at once.
    void arm(std::chrono::nanoseconds dueIn);
    bool isSignalled() const { return signalled_; }

private:
    explicit SharedTimer(QObject* parent);
    ~SharedTimer() override;

    void onTimerFd();

    int fd_ = -1;                         // Linux timerfd; -1 where unavailable
    QSocketNotifier* notifier_ = nullptr; // watches fd_
    QTimer fallback_;                     // used when there is no timerfd
    bool signalled_ = false;
};

} // namespace quillet::platform
