#include "widgets/status_banner.h"

#include "platform/cooperative_wait.h"

#include <QFontMetricsF>
#include <QPainter>

namespace quillet::widgets {
namespace {

const QColor kBannerBack(0, 0, 255);
const QColor kBannerText(255, 255, 255);
constexpr int kBannerPoints = 9;

// Composed texts separate their parts by 88 blanks or more; a shorter run belongs to a message
// (a path may hold a few blanks).
constexpr qsizetype kShortestSeparator = 8;
// Space kept free at either visible edge, in device pixels.
constexpr qreal kEdgeDevicePixels = 2;
// Least gap between the product line and the message, in blanks of the banner's face.
constexpr int kLeastGapBlanks = 4;
// A text is never drawn below this share of the banner's face; past it, its middle is elided.
constexpr qreal kSmallestScale = 0.6;

// The banner's face made smaller until text fits width, as far as kSmallestScale allows.
QFont fitted(const QFont& face, const QString& text, qreal width, const QPaintDevice* device) {
    const qreal needed = QFontMetricsF(face, device).horizontalAdvance(text);
    if (needed <= width) {
        return face;
    }
    QFont smaller = face;
    smaller.setPointSizeF(face.pointSizeF() * std::max(kSmallestScale, width / needed));
    while (smaller.pointSizeF() > face.pointSizeF() * kSmallestScale &&
           QFontMetricsF(smaller, device).horizontalAdvance(text) > width) {
        smaller.setPointSizeF(smaller.pointSizeF() * 0.95);
    }
    return smaller;
}

} // namespace

BannerParts splitBannerText(const QString& text) {
    const QString separator(kShortestSeparator, QLatin1Char(' '));
    const qsizetype runStart = text.lastIndexOf(separator);
    if (runStart < 0) {
        return {QString(), text};
    }
    qsizetype lead = runStart;
    while (lead > 0 && text[lead - 1] == u' ') {
        --lead;
    }
    const QString message = text.mid(runStart + kShortestSeparator);
    if (lead == 0 || message.trimmed().isEmpty()) {
        return {QString(), text};
    }
    return {text.left(lead), message};
}

StatusBanner::StatusBanner(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // Arial's metrics, which the composed texts were sized for, wherever such a face exists.
    QFont bannerFont = font();
    bannerFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    bannerFont.setPointSize(kBannerPoints);
    bannerFont.setBold(true);
    setFont(bannerFont);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBannerBack);
    colours.setColor(QPalette::WindowText, kBannerText);
    setPalette(colours);
}

void StatusBanner::setMessage(const QString& text) {
    setText(text);
    emit messageChanged(text);
}

void StatusBanner::setMessage(core::BannerMessage message, long percent) {
    setMessage(QString::fromStdString(core::bannerText(message, percent)));
}

void StatusBanner::flashPleaseWait() {
    setMessage(QString::fromStdString(core::pleaseWaitText(true)));
    platform::wait(core::WaitTicks(1));
    setMessage(QString::fromStdString(core::pleaseWaitText(false)));
    platform::wait(core::WaitTicks(1));
}

void StatusBanner::setBackground(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

QRect StatusBanner::visibleArea() const {
    const QWidget* parent = parentWidget();
    return parent ? rect() & parent->rect().translated(-pos()) : rect();
}

void StatusBanner::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = visibleArea();
    const qreal edge = kEdgeDevicePixels / devicePixelRatioF();
    const qreal left = area.left() + edge;
    const qreal right = area.left() + area.width() - edge;
    const qreal room = std::max<qreal>(0, right - left);

    const BannerParts parts = splitBannerText(text());
    const QFont face = fitted(font(), parts.message, room, this);
    const QFontMetricsF metrics(face, this);
    const QString message = metrics.elidedText(parts.message, Qt::ElideMiddle, room);
    const qreal messageWidth = metrics.horizontalAdvance(message);
    painter.setFont(face);

    // Placed by the advance, trailing blanks included, so the reading notice's blank stands
    // exactly where its "#" stood.
    const auto draw = [&](qreal x, qreal width, const QString& line) {
        painter.drawText(QRectF(x, 0, width, height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, line);
    };
    if (parts.lead.isEmpty()) {
        draw(left, room, message);
        return;
    }
    const qreal messageLeft = right - messageWidth;
    draw(messageLeft, messageWidth, message);
    const qreal leadRoom =
        messageLeft - left - kLeastGapBlanks * metrics.horizontalAdvance(QLatin1Char(' '));
    if (leadRoom > 0) {
        draw(left, leadRoom, metrics.elidedText(parts.lead, Qt::ElideRight, leadRoom));
    }
}

} // namespace quillet::widgets
