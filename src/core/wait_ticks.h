#pragma once

#include <chrono>
#include <cstdint>
#include <ratio>

namespace quillet::core {

// The cooperative wait's unit: ticks of 100 microseconds, counted in 32 bits.
using WaitTicks = std::chrono::duration<std::int32_t, std::ratio<1, 10000>>;

} // namespace quillet::core
