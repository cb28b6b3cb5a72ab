#include "widgets/status_banner.h"

#include "platform/cooperative_wait.h"

namespace quillet::widgets {
namespace {

const QColor kBannerBack(0, 0, 255);
const QColor kBannerText(255, 255, 255);
constexpr int kBannerPoints = 9;

} // namespace

StatusBanner::StatusBanner(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QFont bannerFont = font();
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

} // namespace quillet::widgets
