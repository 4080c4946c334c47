#include "platform/SinglePrecision.h"

#include <cmath>
#include <limits>

namespace vt {

float ToSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (!std::isfinite(value) || std::fabs(value) <= kMax) return static_cast<float>(value);
    // Beyond the largest float the cast is undefined; round to nearest as the
    // hardware would: up to half a unit (2^103) above it still gives the
    // largest float, a tie and anything further gives infinity.
    const double halfUnit = std::ldexp(1.0, 103);
    const double magnitude = std::fabs(value) < kMax + halfUnit ? kMax : std::numeric_limits<double>::infinity();
    return static_cast<float>(std::copysign(magnitude, value));
}

}  // namespace vt
