#pragma once

#include <QLine>
#include <QWidget>

namespace quillet::widgets {

// A drawn line between two points of its parent, like a form's line control. It takes no
// mouse input, so controls under its bounding box stay clickable.
class FrameLine : public QWidget {
    Q_OBJECT

public:
    FrameLine(const QLine& line, QWidget* parent);

    QLine line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
};

} // namespace quillet::widgets
