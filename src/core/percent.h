#pragma once

namespace quillet::core {

// Rounds to the nearest whole number, halves to the even neighbour, whatever the floating-point
// environment's rounding mode.
long roundHalfEven(double value);

// part / whole * 100 in double precision (in that order, so ties land where they always did),
// rounded halves to even.
long percentOf(double part, double whole);

} // namespace quillet::core
