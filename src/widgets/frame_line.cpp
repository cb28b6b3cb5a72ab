#include "widgets/frame_line.h"

#include <QPainter>

namespace quillet::widgets {

FrameLine::FrameLine(const QLine& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(line.p1(), line.p2()).normalized());
}

void FrameLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A cosmetic pen is one device pixel wide at any scale; a one-pixel logical pen through
    // pixel corners can round to nothing at fractional scales. Through the pixels' centres the
    // line stays inside the widget's one-pixel-thick box.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    const QPointF centre(0.5, 0.5);
    const QLine local = line_.translated(-pos());
    painter.drawLine(QPointF(local.p1()) + centre, QPointF(local.p2()) + centre);
}

} // namespace quillet::widgets
