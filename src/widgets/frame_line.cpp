#include "widgets/frame_line.h"

#include <QPainter>

namespace quillet::widgets {

FrameLine::FrameLine(const QLine& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(line.p1(), line.p2()).normalized());
}

void FrameLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(line_.translated(-pos()));
}

} // namespace quillet::widgets
