#include "core/banner.h"
#include "platform/cooperative_wait.h"
#include "support/find_child.h"
#include "support/qt_printers.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

using quillet::core::WaitTicks;
using quillet::platform::wait;

namespace {

TEST(Wait, RunsPendingEventsWhileItWaits) {
    int handled = 0;
    QTimer::singleShot(0, [&handled] { ++handled; });
    QTimer::singleShot(0, [&handled] { ++handled; });
    wait(WaitTicks(20)); // 2 ms
    EXPECT_EQ(handled, 2);
}

TEST(Wait, LastsAtLeastItsCount) {
    QElapsedTimer clock;
    clock.start();
    wait(WaitTicks(300)); // 30 ms
    EXPECT_GE(clock.nsecsElapsed(), 30'000'000);
}

TEST(Wait, AnInnerWaitEndsTheOuterOneWithIt) {
    bool innerDone = false;
    bool outerOutlivedInner = false;
    bool sentinelFired = false;
    // The outer wait alone would last 2 s; the inner one started inside it lasts 1 ms.
    QTimer::singleShot(0, [&] {
        wait(WaitTicks(10));
        innerDone = true;
    });
    QTimer sentinel;
    sentinel.setSingleShot(true);
    QObject::connect(&sentinel, &QTimer::timeout, [&] {
        sentinelFired = true;
        outerOutlivedInner = innerDone;
    });
    sentinel.start(1000);
    wait(WaitTicks(20000));
    EXPECT_TRUE(innerDone);
    EXPECT_FALSE(sentinelFired);
    EXPECT_FALSE(outerOutlivedInner);

    // The timer is armed afresh by the next wait: it does not end at once.
    QElapsedTimer clock;
    clock.start();
    wait(WaitTicks(100));
    EXPECT_GE(clock.nsecsElapsed(), 10'000'000);
}

TEST(Wait, AnInnerWaitReplacesTheOuterDueTime) {
    // The inner wait outlives the outer one's own due time: the outer ends with the inner.
    std::vector<int> order;
    QTimer::singleShot(0, [&] {
        order.push_back(1);
        wait(WaitTicks(200)); // 20 ms, longer than the outer 1 ms
        order.push_back(2);
    });
    wait(WaitTicks(10));
    order.push_back(3);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(Wait, CountsBelowOneDoNotHang) {
    int handled = 0;
    QTimer::singleShot(0, [&handled] { ++handled; });
    wait(WaitTicks(0));
    wait(WaitTicks(-5));
    EXPECT_EQ(handled, 1);
}

TEST(PleaseWaitNotice, FlashesTheMarkerAndEndsWithABlank) {
    StatusBanner banner(nullptr);
    QStringList banners;
    QObject::connect(&banner, &StatusBanner::messageChanged,
                     [&banners](const QString& text) { banners << text; });
    banner.flashPleaseWait();
    const QString blanks(89, u' ');
    EXPECT_EQ(banners, QStringList({QStringLiteral("Quillet version .09 beta") + blanks +
                                        QStringLiteral("Please wait while reading file #"),
                                    QStringLiteral("Quillet version .09 beta") + blanks +
                                        QStringLiteral("Please wait while reading file  ")}));
    EXPECT_EQ(banner.text(), banners.last());
}

} // namespace
