#pragma once

#include <QObject>

class QWidget;

namespace quillet::widgets {
class AddressGrid;
}

namespace quillet::app {

// The grid has no wheel scrolling of its own: a wheel event that reaches the grid or the window
// moves the grid's top row by exactly one row, and only while the grid is the window's focused
// control. Every other event passes untouched.
class WheelFilter : public QObject {
    Q_OBJECT

public:
    // Installs itself on the window, the grid's viewport and the grid's scroll bars.
    WheelFilter(QWidget& window, widgets::AddressGrid& grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    widgets::AddressGrid& grid_;
};

} // namespace quillet::app
