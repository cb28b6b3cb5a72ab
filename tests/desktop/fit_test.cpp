#include "desktop_window.h"
#include "widgets/frame_line.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

namespace {

TEST_F(DesktopWindow, TheWindowFitsTheScreenAndEveryControlCanBeScrolledTo) {
    const QRect available = form.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(form.frameGeometry())) << "window off the screen";
    auto* scroller = child<QScrollArea>(form, "clientScroller");
    QWidget* client = child<QWidget>(form, "client");
    for (const char* name :
         {names::statusBanner, names::smtpBox, names::exchangeBox, names::browseButton,
          names::searchEdit, names::clipboardEdit, names::addressGrid, names::addButton,
          names::editButton, names::removeButton, names::clearButton, names::helpButton,
          names::fileTypeBox, names::exportButton, names::exportPathEdit}) {
        SCOPED_TRACE(name);
        auto* control = child<QWidget>(form, name);
        const QRect inClient = QRect(control->pos(), control->size()) & client->rect();
        scroller->ensureVisible(inClient.center().x(), inClient.center().y(),
                                inClient.width() / 2 + 1, inClient.height() / 2 + 1);
        // The part inside the client (the banner reaches past it) is shown as far as the
        // viewport's size allows.
        const QRect shown =
            QRect(client->mapTo(scroller->viewport(), inClient.topLeft()), inClient.size()) &
            scroller->viewport()->rect();
        const QSize whole = inClient.size().boundedTo(scroller->viewport()->size());
        EXPECT_NEAR(shown.width(), whole.width(), 2); // a control wider than the view: centred
        EXPECT_NEAR(shown.height(), whole.height(), 2);
    }
}

TEST_F(DesktopWindow, HelpAndAboutFitTheScreenToo) {
    child<QAction>(form, names::helpAction)->trigger();
    auto* help = child<QWidget>(form, names::helpAboutWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    EXPECT_TRUE(help->rect().contains(
        QRect(child<QPushButton>(*help, names::closeHelpButton)->mapTo(help, QPoint(0, 0)),
              child<QPushButton>(*help, names::closeHelpButton)->size())));
}

// The frames and the Start Here arrow's shaft: at least one device pixel of their colour all
// along, at any scale, wherever the window shows them.
TEST_F(DesktopWindow, FrameLinesStayAtLeastOneDevicePixelWide) {
    // From the screen, as the X server shows it, not as the widgets would paint themselves.
    QTest::qWait(100);
    QWidget* client = child<QWidget>(form, "client");
    QWidget* viewport = child<QScrollArea>(form, "clientScroller")->viewport();
    const QImage shot = form.screen()->grabWindow(form.winId()).toImage();
    const qreal ratio = form.devicePixelRatioF();
    const QRect shown(viewport->mapTo(&form, QPoint(0, 0)) * ratio, viewport->size() * ratio);
    const QPoint clientAt = client->mapTo(&form, QPoint(0, 0)) * ratio;
    // Whether the screen shows the line's colour at a device pixel of the client.
    const auto dark = [&](const QPoint& inClient) {
        const QPoint at = inClient + clientAt;
        return shown.contains(at) && shot.rect().contains(at) && qGray(shot.pixel(at)) < 64;
    };
    const QList<quillet::widgets::FrameLine*> lines =
        form.findChildren<quillet::widgets::FrameLine*>();
    ASSERT_FALSE(lines.isEmpty());
    for (const quillet::widgets::FrameLine* line : lines) {
        const QLine drawn = line->line();
        if (drawn.dx() != 0 && drawn.dy() != 0) {
            continue; // the arrow's head
        }
        SCOPED_TRACE(line->objectName().toStdString());
        const QRect box = QRect(drawn.p1(), drawn.p2()).normalized();
        const QRect device(qFloor(box.left() * ratio), qFloor(box.top() * ratio),
                           qCeil(box.width() * ratio), qCeil(box.height() * ratio));
        const bool across = drawn.dy() == 0;
        int visible = 0;
        int covered = 0;
        for (int along = 0; along < (across ? device.width() : device.height()); ++along) {
            const QPoint start = across ? QPoint(device.left() + along, device.top())
                                        : QPoint(device.left(), device.top() + along);
            if (!shown.contains(start + clientAt)) {
                continue;
            }
            ++visible;
            bool found = false;
            for (int side = -1; side <= qCeil(ratio) && !found; ++side) {
                found = dark(start + (across ? QPoint(0, side) : QPoint(side, 0)));
            }
            covered += found ? 1 : 0;
        }
        EXPECT_GE(covered, visible - 2 * qCeil(ratio));
    }
}

} // namespace
