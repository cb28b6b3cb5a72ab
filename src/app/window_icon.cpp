#include "app/window_icon.h"

#include <QPainter>
#include <QPixmap>

namespace quillet::app {
namespace {

constexpr int kDrawnSize = 64; // the SVG's own view box

QPixmap iconAt(int pixels) {
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(pixels) / kDrawnSize, qreal(pixels) / kDrawnSize);

    const QColor blue(0, 0, 255);
    const QColor navy(0, 0, 128);
    painter.setPen(QPen(blue, 3));
    painter.setBrush(QColor(192, 192, 255));
    painter.drawRoundedRect(QRectF(4, 10, 56, 44), 6, 6);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(blue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{8, 16}, {32, 36}, {56, 16}}));

    painter.setPen(QPen(navy, 2));
    painter.setBrush(QColor(255, 255, 204));
    painter.drawPolygon(QPolygonF({{40, 58}, {58, 30}, {62, 33}, {44, 61}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(navy);
    painter.drawPolygon(QPolygonF({{40, 58}, {42, 52}, {45, 55}}));
    return picture;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int pixels : {16, 32, 48, 64, 128}) {
        icon.addPixmap(iconAt(pixels));
    }
    return icon;
}

} // namespace quillet::app
