// The deviation mark: strict bounds, upward marks first, single precision.
#include "pages/DevMark.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

TEST(DevMark, StrictBoundsUpwardFirstInSinglePrecision) {
    const struct { float dev, sd; const char* mark; } cases[] = {
        {9, 3, "↑↑"},       {9.01f, 3, "↑↑↑"},  {3, 3, ""},        {3.1f, 3, "↑"},
        {6, 3, "↑"},        {0, 3, ""},         {-3, 3, ""},       {-3.1f, 3, "↓"},
        {-6.5f, 3, "↓↓"},   {-9, 3, "↓↓"},      {-9.5f, 3, "↓↓↓"},
        // One float step beyond a bound already counts.
        {std::nextafter(4.0f, 5.0f), 2, "↑↑"},  {std::nextafter(-6.0f, -7.0f), 2, "↓↓↓"},
        // SD 0: every bound is 0, the upward tests come first.
        {0, 0, ""},         {1e-30f, 0, "↑↑↑"}, {-1e-30f, 0, "↓↓↓"},
        // 3 x 0.1f is 0.30000000447 in double but 0.3f in single precision:
        // the deviation 0.3f is not beyond it.
        {0.3f, 0.1f, "↑↑"}, {-0.3f, 0.1f, "↓↓"},
    };
    for (const auto& c : cases) EXPECT_EQ(DevMark(c.dev, c.sd), c.mark) << "dev " << c.dev << " sd " << c.sd;
    EXPECT_EQ(DevMark(1.5f, 1), "\xE2\x86\x91");  // U+2191
    EXPECT_EQ(DevMark(-1.5f, 1), "\xE2\x86\x93");  // U+2193
}

}  // namespace
}  // namespace vt
