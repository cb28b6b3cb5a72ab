#include "info/owner_pictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace quillet::info {

QPixmap ownerPicture() {
    QPixmap picture(72, 72);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 96));
    painter.drawRoundedRect(QRectF(14, 50, 30, 18), 4, 4); // inkwell

    QPainterPath feather;
    feather.moveTo(28, 52);
    feather.cubicTo(30, 30, 46, 10, 66, 4);
    feather.cubicTo(60, 20, 46, 40, 28, 52);
    painter.setBrush(QColor(240, 236, 220));
    painter.setPen(QPen(QColor(90, 70, 40), 1.5));
    painter.drawPath(feather);
    painter.drawLine(QPointF(28, 52), QPointF(58, 14)); // the shaft
    return picture;
}

QPixmap emailPicture(const QString& address) {
    QFont font(QStringLiteral("Arial"), 11);
    font.setBold(true);
    const QFontMetrics metrics(font);
    QPixmap picture(metrics.horizontalAdvance(address) + 12, metrics.height() + 8);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 160));
    painter.drawText(picture.rect(), Qt::AlignCenter, address);
    return picture;
}

} // namespace quillet::info
