#pragma once

namespace quillet::platform {

// The system beep.
void beep();

// How many beeps this process has sounded; lets tests count them.
int beepCount();

} // namespace quillet::platform
