#include "core/percent.h"

#include <cmath>

namespace quillet::core {

long roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    return static_cast<long>(rounded);
}

long percentOf(double part, double whole) {
    return roundHalfEven(part / whole * 100.0);
}

} // namespace quillet::core
