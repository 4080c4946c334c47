// The deviation mark: strict bounds, upward marks first, single precision.
#include "ceph/DevMark.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

struct MarkCase {
    float dev;
    float sd;
    const char* mark;
};

class DevMarkCases : public ::testing::TestWithParam<MarkCase> {};

TEST_P(DevMarkCases, GivesTheMark) {
    const MarkCase c = GetParam();
    EXPECT_EQ(DevMark(c.dev, c.sd), c.mark) << "dev " << c.dev << " sd " << c.sd;
}

INSTANTIATE_TEST_SUITE_P(
    StrictBoundsAtSd3, DevMarkCases,
    ::testing::Values(MarkCase{9.0f, 3.0f, "↑↑"}, MarkCase{9.01f, 3.0f, "↑↑↑"},
                      MarkCase{6.0f, 3.0f, "↑"}, MarkCase{6.01f, 3.0f, "↑↑"},
                      MarkCase{3.0f, 3.0f, ""}, MarkCase{3.1f, 3.0f, "↑"},
                      MarkCase{0.0f, 3.0f, ""}, MarkCase{-3.0f, 3.0f, ""},
                      MarkCase{-3.1f, 3.0f, "↓"}, MarkCase{-6.0f, 3.0f, "↓"},
                      MarkCase{-6.5f, 3.0f, "↓↓"}, MarkCase{-9.0f, 3.0f, "↓↓"},
                      MarkCase{-9.5f, 3.0f, "↓↓↓"}, MarkCase{100.0f, 3.0f, "↑↑↑"},
                      MarkCase{-100.0f, 3.0f, "↓↓↓"}));

// With SD 0 every bound is 0: the upward tests come first and take any
// positive deviation at once, the downward tests any negative one.
INSTANTIATE_TEST_SUITE_P(
    ZeroSd, DevMarkCases,
    ::testing::Values(MarkCase{0.0f, 0.0f, ""}, MarkCase{1e-30f, 0.0f, "↑↑↑"},
                      MarkCase{5.0f, 0.0f, "↑↑↑"}, MarkCase{-1e-30f, 0.0f, "↓↓↓"},
                      MarkCase{-5.0f, 0.0f, "↓↓↓"}));

// One float step beyond a bound already counts; the bound itself does not.
INSTANTIATE_TEST_SUITE_P(
    NextFloatBeyondBound, DevMarkCases,
    ::testing::Values(MarkCase{std::nextafter(2.0f, 3.0f), 2.0f, "↑"},
                      MarkCase{std::nextafter(4.0f, 5.0f), 2.0f, "↑↑"},
                      MarkCase{std::nextafter(6.0f, 7.0f), 2.0f, "↑↑↑"},
                      MarkCase{std::nextafter(-2.0f, -3.0f), 2.0f, "↓"},
                      MarkCase{std::nextafter(-4.0f, -5.0f), 2.0f, "↓↓"},
                      MarkCase{std::nextafter(-6.0f, -7.0f), 2.0f, "↓↓↓"}));

// 3 x 0.1f is 0.30000000447 in double but rounds to 0.3f in single
// precision, so the deviation 0.3f is not beyond the bound; a double
// comparison would say it is.
TEST(DevMark, ThreeSdIsRoundedToSinglePrecisionBeforeTheComparison) {
    const float dev = 0.3f;
    const float sd = 0.1f;
    ASSERT_TRUE(static_cast<double>(dev) > 3.0 * static_cast<double>(sd));
    ASSERT_FALSE(dev > 3.0f * sd);
    EXPECT_EQ(DevMark(dev, sd), "↑↑");
    EXPECT_EQ(DevMark(-dev, sd), "↓↓");
}

TEST(DevMark, ArrowsAreTheUnicodeArrows) {
    EXPECT_EQ(DevMark(1.5f, 1.0f), "\xE2\x86\x91");
    EXPECT_EQ(DevMark(-1.5f, 1.0f), "\xE2\x86\x93");
}

}  // namespace
}  // namespace vt
