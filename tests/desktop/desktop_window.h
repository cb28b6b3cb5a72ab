#pragma once

#include "app/main_window.h"
#include "platform/cooperative_wait.h"
#include "support/find_child.h"

#include <QImage>
#include <QTest>
#include <chrono>

// The real main window shown on the X server the test runs under, with the pauses cut short.
class DesktopWindow : public ::testing::Test {
protected:
    DesktopWindow() {
        quillet::platform::setWaitTickLength(std::chrono::nanoseconds(0));
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    quillet::app::MainWindow form;
};

namespace desktop {

// Columns of image holding a pixel of the banner's white text on its blue (any red in it).
inline QList<bool> inkColumns(const QImage& image) {
    QList<bool> ink(image.width(), false);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height() && !ink[x]; ++y) {
            ink[x] = qRed(image.pixel(x, y)) > 96;
        }
    }
    return ink;
}

} // namespace desktop
