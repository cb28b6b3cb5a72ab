#include "platform/cooperative_wait.h"

#include <QElapsedTimer>
#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>
#include <iostream>
#include <vector>

using quillet::core::WaitTicks;
using quillet::platform::wait;

namespace {

// Prints the real figures of the wait (goals: Wait 1 at most 0.5 ms median; Wait 20000 after
// 2 s +/- 50 ms with under 5% CPU). Only reports them: timing is not a pass/fail matter on a
// shared machine.
TEST(WaitFigures, PrintsTheRealTimings) {
    constexpr int kRuns = 201;
    std::vector<qint64> nanos;
    QElapsedTimer clock;
    for (int i = 0; i < kRuns; ++i) {
        clock.start();
        wait(WaitTicks(1));
        nanos.push_back(clock.nsecsElapsed());
    }
    std::nth_element(nanos.begin(), nanos.begin() + kRuns / 2, nanos.end());
    const double medianMs = static_cast<double>(nanos[kRuns / 2]) / 1e6;

    const std::clock_t cpuStart = std::clock();
    clock.start();
    wait(WaitTicks(20000));
    const double wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    std::cout << "Wait 1 median: " << medianMs << " ms over " << kRuns << " runs\n"
              << "Wait 20000: " << wallMs << " ms, CPU " << cpuMs << " ms ("
              << 100.0 * cpuMs / wallMs << "%)\n";
    RecordProperty("wait1_median_ms", std::to_string(medianMs));
    RecordProperty("wait20000_ms", std::to_string(wallMs));
    RecordProperty("wait20000_cpu_percent", std::to_string(100.0 * cpuMs / wallMs));
    EXPECT_GE(wallMs, 2000.0); // never early
}

} // namespace
