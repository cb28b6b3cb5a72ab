#pragma once

#include <chrono>

namespace quillet::core {

// Tells a long loop when to let the window breathe: once per slice of working time, so that
// the window repaints and answers while the loop pauses only a few times a second.
class Pace {
public:
    static constexpr std::chrono::milliseconds kSlice{25};

    // True when a slice has passed since the last time it said so (or since it was made).
    bool due() {
        const auto now = std::chrono::steady_clock::now();
        if (now - sliceStart_ < kSlice) {
            return false;
        }
        sliceStart_ = now;
        return true;
    }

private:
    std::chrono::steady_clock::time_point sliceStart_ = std::chrono::steady_clock::now();
};

} // namespace quillet::core
