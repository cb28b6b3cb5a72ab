#include "app/window_fit.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace quillet::app {

void setScrollingClient(QMainWindow& window, QWidget& client) {
    auto* scroller = new QScrollArea(&window);
    scroller->setObjectName(QStringLiteral("clientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(false);
    // Only a container: neither Tab nor the wheel gives it the focus the grid needs.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(&client);
    // Past the client's edges the window's own colour, not the style's grey.
    scroller->viewport()->setPalette(client.palette());
    scroller->viewport()->setAutoFillBackground(true);
    window.setCentralWidget(scroller);
}

void keepInSight(QMainWindow& window, QWidget& banner) {
    const auto* scroller = qobject_cast<QScrollArea*>(window.centralWidget());
    const int top = banner.y();
    // Over the controls it covers while scrolled; they come out from under it at the top.
    banner.raise();
    QObject::connect(scroller->verticalScrollBar(), &QScrollBar::valueChanged, &banner,
                     [&banner, top](int value) { banner.move(banner.x(), top + value); });
}

void fitToScreen(QMainWindow& window, const QWidget& client) {
    const int menuHeight = window.menuBar()->sizeHint().height();
    const QSize whole(client.width(), client.height() + menuHeight);
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    // A scroll bar across one side takes room from the other.
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
    QSize size = whole.boundedTo(available.size());
    if (size.height() < whole.height()) {
        size.setWidth(std::min(available.width(), whole.width() + bar));
    }
    if (size.width() < whole.width()) {
        size.setHeight(std::min(available.height(), whole.height() + bar));
    }
    window.setMaximumSize(QSize(whole.width() + bar, whole.height() + bar));
    window.resize(size);
    if (!available.contains(QRect(window.pos(), size))) {
        window.move(available.topLeft());
    }
}

} // namespace quillet::app
