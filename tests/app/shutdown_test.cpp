#include "app/main_window.h"
#include "platform/cooperative_wait.h"
#include "support/find_child.h"
#include "support/temp_profile.h"

#include <QAction>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

using quillet::app::MainWindow;

namespace {

constexpr int kLoadFinished = 3;

// Runs start-up in a profile without an NK2 file, at real speed, and fires `quit` once the
// first 2-second detection wait has begun. Returning from the load handler means the process
// did not end.
template <class Quit> void quitDuringDetection(Quit quit) {
    quillet::test::TempProfile profile;
    MainWindow form;
    QObject::connect(child<StatusBanner>(form, names::statusBanner), &StatusBanner::messageChanged,
                     [&form, quit](const QString& text) {
                         if (text == QStringLiteral("Searching for NK2 Path...")) {
                             QTimer::singleShot(0, &form, [&form, quit] { quit(form); });
                         }
                     });
    form.start();
    std::_Exit(kLoadFinished);
}

class Shutdown : public ::testing::Test {
protected:
    Shutdown() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(Shutdown, ExitEndsTheProcessDuringADetectionWait) {
    EXPECT_EXIT(quitDuringDetection(
                    [](MainWindow& form) { child<QAction>(form, names::exitAction)->trigger(); }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(Shutdown, ClosingTheWindowEndsTheProcessDuringADetectionWait) {
    EXPECT_EXIT(quitDuringDetection([](MainWindow& form) { form.close(); }),
                ::testing::ExitedWithCode(0), "");
}

} // namespace
