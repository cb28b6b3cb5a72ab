#include "browse_window.h"
#include "nk2/repaint_throttle.h"
#include "nk2_generator.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QScrollBar>
#include <QTest>

using quillet::nk2::RepaintThrottle;
using quillet::test::BrowseWindow;

namespace {

// Counts the banner's paints and keeps the text it showed at the last one.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(quillet::widgets::StatusBanner& banner) : banner_(banner) {
        banner.installEventFilter(this);
    }
    int paints = 0;
    QString lastPainted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &banner_ && event->type() == QEvent::Paint) {
            ++paints;
            lastPainted = banner_.text();
        }
        return false;
    }

private:
    quillet::widgets::StatusBanner& banner_;
};

using Repaints = BrowseWindow;

// Some thousands of banner changes and waits, painted about once a frame; the last state is
// painted all the same once the load has ended.
TEST_F(Repaints, ComeAtMostOnceAFrameDuringALoadAndShowTheLastStateAfterIt) {
    const QString path =
        writeFile(QStringLiteral("many.nk2"),
                  quillet::testdata::nk2File(quillet::testdata::realisticEntries(750, 250, 1000)));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto& banner = *child<StatusBanner>(form, names::statusBanner);
    PaintWatcher watcher(banner);
    QElapsedTimer elapsed;
    elapsed.start();
    browse(path);
    const auto frames = elapsed.elapsed() / RepaintThrottle::kFrame.count();

    ASSERT_EQ(rows(), 1000);
    EXPECT_GT(banners.size(), 3000);
    EXPECT_LE(watcher.paints, frames + 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.lastPainted == banner.text(); }, 1000))
        << watcher.lastPainted.toStdString();
}

// The grid lays out its appended rows once a frame during a load, and the last layout is done
// by the time the load returns: the scroll bar already reaches the last row.
TEST_F(Repaints, TheGridIsLaidOutForEveryRowWhenALoadEnds) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    browse(
        writeFile(QStringLiteral("many.nk2"),
                  quillet::testdata::nk2File(quillet::testdata::realisticEntries(750, 250, 1000))));
    auto& grid = *child<AddressGrid>(form, names::addressGrid);
    ASSERT_EQ(grid.rows(), 1000);
    const int reached = grid.verticalScrollBar()->maximum();
    EXPECT_GT(reached, 900);
    grid.doItemsLayout();
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), reached);
}

} // namespace
