#include <QApplication>
#include <gtest/gtest.h>

// GUI tests need one QApplication for the whole process; the offscreen platform is the
// default so the tests also run by hand without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
