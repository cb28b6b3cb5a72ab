#pragma once

#include <chrono>
#include <cstdint>

namespace quillet::app {

class Form1;

namespace modWait {

// Waits count units (100 microseconds each) on the process's shared timer, processing every
// pending event meanwhile, so handlers run nested inside the wait. A nested wait re-arms the
// same timer: when the innermost wait ends, every wait it ran inside ends at its next check.
void Wait(std::int32_t count);

// Flashes the reading notice in the banner: the text ending in "#", a Wait 1, the same text
// with a blank in its place, a Wait 1.
void ReadingNotice(Form1& form);

// The length of one Wait unit. Tests shorten it so start-up sequences run in milliseconds.
void setWaitUnit(std::chrono::nanoseconds unit);
std::chrono::nanoseconds waitUnit();

} // namespace modWait
} // namespace quillet::app
