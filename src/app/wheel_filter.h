#pragma once

#include <QObject>

class QComboBox;
class QWidget;

namespace quillet::widgets {
class AddressGrid;
}

namespace quillet::app {

// The grid has no wheel scrolling of its own: while the grid is the window's focused control,
// a wheel event anywhere in the window moves the grid's top row by exactly one row, except over
// the bare background of a window too small for its client, where it scrolls the window. Otherwise
// a wheel event that reaches the grid or the window does nothing, and neither does one over the
// file-type box: a wheel turn is not a pick there, so it never runs the pick handler (which
// rewrites the export path); only while the box itself has the focus does a turn step to the next
// or previous type, as a silent change. Every other event passes untouched (over the background it
// scrolls the window).
class WheelFilter : public QObject {
    Q_OBJECT

public:
    // Watches the whole application's events for those addressed to the window's widgets.
    WheelFilter(QWidget& window, widgets::AddressGrid& grid, QComboBox& fileTypeBox);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool wheelFor(const QWidget& target, const QEvent& event);

    QWidget& window_;
    widgets::AddressGrid& grid_;
    QComboBox& fileTypeBox_;
};

} // namespace quillet::app
