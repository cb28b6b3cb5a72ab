#include "app/line_control.h"

#include <QPainter>

namespace quillet::app {

LineControl::LineControl(const QLine& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(line.p1(), line.p2()).normalized());
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(line_.translated(-pos()));
}

} // namespace quillet::app
