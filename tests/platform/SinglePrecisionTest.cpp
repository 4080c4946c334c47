// Rounding to single precision beyond the range of a float.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include "platform/SinglePrecision.h"

namespace vt {
namespace {

TEST(SinglePrecision, BeyondTheLargestFloatSaturatesToInfinityOrTheLargestFloat) {
    constexpr double kMax = std::numeric_limits<float>::max();
    const struct {
        const char* name;
        double value;
        float want;
    } cases[] = {
        {.name = "far below", .value = -1e300, .want = -INFINITY},
        {.name = "just above the largest", .value = kMax * 1.0000000001, .want = std::numeric_limits<float>::max()},
        {.name = "half a unit above the largest", .value = kMax + std::ldexp(1.0, 103), .want = INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ(ToSingle(c.value), c.want) << c.name;
}

}  // namespace
}  // namespace vt
