#include "export_window.h"

#include <QElapsedTimer>
#include <cstdio>

namespace quillet::test {
namespace {

using ExportTiming = ExportWindow;

// Prints how long the window takes to export a full grid; the goal is under 0.5 s. Only
// the written lines are checked, not the time.
TEST_F(ExportTiming, PrintsTheTimeToExportAFullGrid) {
    constexpr int kGridLimit = 32767;
    for (int i = 0; i < kGridLimit; ++i) {
        addRow(QStringLiteral("Firstname Lastname %1").arg(i),
               QStringLiteral("first.last%1@example.org").arg(i));
    }
    const QString path = outPath("full.csv");

    QElapsedTimer clock;
    clock.start();
    exportTo(path);
    const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    std::printf("Exporting %d grid rows from the window took %.1f ms\n", kGridLimit, milliseconds);
    RecordProperty("export_ms", static_cast<int>(milliseconds));
    EXPECT_EQ(bytesOf(path).count("\r\n"), kGridLimit + 1);
}

} // namespace
} // namespace quillet::test
