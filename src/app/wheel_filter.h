#pragma once

#include <QObject>

namespace quillet::app {

class Form1;

// The grid has no wheel scrolling of its own: a wheel event that reaches the grid or the main
// window moves the grid's top row by exactly one row (Form1::ScrollUp / ScrollDown), and only
// while the grid is the window's focused control. Every other event passes untouched.
class WheelFilter : public QObject {
    Q_OBJECT

public:
    // Installs itself on the window, the grid's viewport and the grid's scroll bars.
    explicit WheelFilter(Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1& form_;
};

} // namespace quillet::app
