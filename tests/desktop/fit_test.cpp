#include "desktop_window.h"
#include "widgets/frame_line.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

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

// The frames and the Start Here arrow's shaft: at least one device pixel of their colour all
// along, at any scale.
TEST_F(DesktopWindow, FrameLinesStayAtLeastOneDevicePixelWide) {
    QWidget* client = child<QWidget>(form, "client");
    const QImage shot = client->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
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
        const int length = across ? device.width() : device.height();
        int covered = 0;
        for (int along = 0; along < length; ++along) {
            bool dark = false;
            for (int side = -1; side <= qCeil(ratio) && !dark; ++side) {
                const QPoint at = across ? QPoint(device.left() + along, device.top() + side)
                                         : QPoint(device.left() + side, device.top() + along);
                dark = shot.rect().contains(at) && qGray(shot.pixel(at)) < 64;
            }
            covered += dark ? 1 : 0;
        }
        EXPECT_GE(covered, length - 2 * qCeil(ratio));
    }
}

} // namespace
