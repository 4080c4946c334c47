// The unit conversions, to the last bit: the saved pages depend on the order
// of each conversion's operations, so every row picks a value where another
// order gives another double.
#include <gtest/gtest.h>

#include "platform/Units.h"

namespace vt {
namespace {

TEST(Units, TwipsToWholePixelsDropTheRemainder) {
    const struct {
        int twips, pixels;
    } rows[] = {
        {.twips = 15, .pixels = 1},
        {.twips = 14, .pixels = 0},
        {.twips = 10205, .pixels = 680},
        {.twips = 15137, .pixels = 1009},
        {.twips = -600, .pixels = -40},
    };
    for (const auto& row : rows) EXPECT_EQ(TwipsToPixels(row.twips), row.pixels) << "twips " << row.twips;
}

// Multiplied by 25.4 first, then divided by 1440: 100 would differ divided
// by 1440 / 25.4, 3 and 7 multiplied by 25.4 / 1440.
TEST(Units, TwipsToMmMultiplyThenDivide) {
    const struct {
        double twips, mm;
    } rows[] = {
        {.twips = 100, .mm = 100 * 25.4 / 1440},
        {.twips = 3, .mm = 3 * 25.4 / 1440},
        {.twips = 7, .mm = 7 * 25.4 / 1440},
        {.twips = 800, .mm = 800 * 25.4 / 1440},
    };
    for (const auto& row : rows) EXPECT_EQ(TwipsToMm(row.twips), row.mm) << "twips " << row.twips;
}

// Points times the millimetres of one point: 7.5 * 25.4 / 72 differs.
TEST(Units, PointsToMmByTheMillimetresOfAPoint) {
    EXPECT_EQ(PointsToMm(7.5), 7.5 * (25.4 / 72.0));
    EXPECT_EQ(PointsToMm(11), 11 * (25.4 / 72.0));
}

// Millimetres times dots per inch, then divided: 0.3 mm at 300 dpi differs
// multiplied by 300 / 25.4.
TEST(Units, MmToDotsMultiplyThenDivide) {
    const struct {
        double mm, dpi, dots;
    } rows[] = {
        {.mm = 0.3, .dpi = 300, .dots = 0.3 * 300 / 25.4},
        {.mm = 0.2, .dpi = 72, .dots = 0.2 * 72 / 25.4},
    };
    for (const auto& row : rows) EXPECT_EQ(MmToDots(row.mm, row.dpi), row.dots) << row.mm << " mm at " << row.dpi;
}

TEST(Units, ScreenAndPrinterResolutions) {
    EXPECT_EQ(kTwipsPerPixel, 15);
    EXPECT_EQ(kScreenPixelsPerMm, 96.0 / 25.4);
    EXPECT_EQ(kMmPerScreenPixel, 25.4 / 96.0);
    EXPECT_EQ(kTwipsPerMm, 1440.0 / 25.4);
    EXPECT_EQ(PerInchToPerMm(1200), 1200 / 25.4);
    EXPECT_EQ(kScreenDotsPerMetre, 3780);  // 96 dpi as a PNG records it
}

}  // namespace
}  // namespace vt
