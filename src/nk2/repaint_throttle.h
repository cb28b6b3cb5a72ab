#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class QWidget;

namespace quillet::nk2 {

// Lets the window repaint at most once per frame while a load runs. The loader waits some
// thousands of times for a tenth of a millisecond, and repainting the banner, the count and
// the grid at each wait took longer than the waits themselves. A repaint is only held back,
// never dropped: it is released when its frame ends, and at the latest when the throttle goes.
class RepaintThrottle : public QObject {
public:
    explicit RepaintThrottle(QWidget& window);
    ~RepaintThrottle() override;

    RepaintThrottle(const RepaintThrottle&) = delete;
    RepaintThrottle& operator=(const RepaintThrottle&) = delete;

    static constexpr std::chrono::milliseconds kFrame{40};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release();

    QWidget& window_;
    QTimer releaseTimer_;
    std::chrono::steady_clock::time_point lastRepaint_{};
    bool held_ = false;
};

} // namespace quillet::nk2
