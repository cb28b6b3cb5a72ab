#pragma once

namespace quillet::app {

// Ends the process at once, even from inside a nested wait; nothing is kept between runs, so
// nothing needs saving or unwinding.
[[noreturn]] void endProcess();

} // namespace quillet::app
