// One norm row: five columns at the row's y in the surface's font, and the
// mark of the deviation rounded once to single precision.
#include "pages/NormRow.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

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
