// One norm row: five columns at the row's y in the surface's font, and the
// deviation mark: strict bounds, upward marks first, single precision.
#include "pages/DevMark.h"
#include "pages/NormRow.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

TEST(NormRow, FiveColumnsAndTheMarkOfTheSinglePrecisionDeviation) {
    const NormColumns columns{30, 90, 115, 140, 160};
    const double xs[] = {30, 90, 115, 140, 160};
    const struct { double norm, sd; const char* pattern; std::optional<double> value; const char* texts; } cases[] = {
        {82, 3, "#0", 91, "SNA|82.0|±3|91.0|↑↑"},  // exactly 3 SD
        // 9.000000001 in double, 9 in single precision: not beyond 3 SD.
        {82, 3, "#0", 91.000000001, "SNA|82.0|±3|91.0|↑↑"},
        // 3.000002 once rounded: beyond 1 SD (85.000002 in single precision is 85).
        {82, 3, "#0", 85.000002, "SNA|82.0|±3|85.0|↑"},
        {-2, 2, "#0", -5, "SNA|-2.0|±2|-5.0|↓"},
        {8.6, 0.5, "#0.0", std::nullopt, "SNA|8.6|±0.5"},  // no value yet: no value, no mark
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        PrintNormRow(s, columns, {"SNA", c.norm, c.sd, c.pattern, c.value}, 93);
        EXPECT_EQ(s.count(SurfaceOp::SetFontName) + s.count(SurfaceOp::SetFontSize) + s.count(SurfaceOp::SetForeColor), 0);
        std::string texts;
        for (std::size_t i = 0; i < s.texts().size(); ++i) {
            const PrintedText t = s.texts()[i];
            EXPECT_TRUE(t.x == xs[i] && t.y == 93) << c.texts << " column " << i;
            texts += (i ? "|" : "") + t.text;
        }
        EXPECT_EQ(texts, c.texts);
    }
}

}  // namespace
}  // namespace vt
