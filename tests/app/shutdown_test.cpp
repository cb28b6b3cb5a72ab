#include "app/form1.h"
#include "app/mod_wait.h"
#include "temp_profile.h"

#include <QAction>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

using quillet::app::Form1;

namespace {

constexpr int kLoadFinished = 3;

// Runs start-up in a profile without an NK2 file, at real speed, and fires `quit` once the
// first 2-second detection wait has begun. Returning from the load handler means the process
// did not end.
template <class Quit> void quitDuringDetection(Quit quit) {
    quillet::test::TempProfile profile;
    Form1 form;
    QObject::connect(&form, &Form1::bannerChanged, [&form, quit](const QString& text) {
        if (text == QStringLiteral("Searching for NK2 Path...")) {
            QTimer::singleShot(0, &form, [&form, quit] { quit(form); });
        }
    });
    form.Form_Load();
    std::_Exit(kLoadFinished);
}

class Shutdown : public ::testing::Test {
protected:
    Shutdown() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(Shutdown, ExitEndsTheProcessDuringADetectionWait) {
    EXPECT_EXIT(quitDuringDetection([](Form1& form) { form.exit->trigger(); }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(Shutdown, ClosingTheWindowEndsTheProcessDuringADetectionWait) {
    EXPECT_EXIT(quitDuringDetection([](Form1& form) { form.close(); }),
                ::testing::ExitedWithCode(0), "");
}

} // namespace
