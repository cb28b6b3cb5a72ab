#pragma once

#include "core/wait_ticks.h"

#include <chrono>

namespace quillet::platform {

// Waits on the process's shared timer, processing every pending event meanwhile, so handlers
// run nested inside the wait. A nested wait re-arms the same timer: when the innermost wait
// ends, every wait it ran inside ends at its next check.
void wait(core::WaitTicks pause);

// The real length of one tick. Tests shorten it so start-up sequences run in milliseconds.
void setWaitTickLength(std::chrono::nanoseconds length);
std::chrono::nanoseconds waitTickLength();

} // namespace quillet::platform
