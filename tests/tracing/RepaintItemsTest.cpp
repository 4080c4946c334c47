// The lines a repaint draws over the picture: marks, segments, the occlusal
// line, in order and only through placed points.

#include <gtest/gtest.h>

#include "tracing/Landmarks.h"
#include "tracing/RepaintItems.h"

namespace vt {

void PrintTo(const DisplayLine& l, std::ostream* os) { *os << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2; }

namespace {

// Every point placed at a distinct spot: landmark k at (100 k, 50 k + 7).
TracingRecord AllPlaced() {
    TracingRecord r;
    r.ScaleX1 = 10, r.ScaleY1 = 20, r.ScaleX2 = 30, r.ScaleY2 = 20;
    for (const Landmark& l : kLandmarks) {
        r.*l.x = 100.0 * l.k;
        r.*l.y = 50.0 * l.k + 7;
    }
    return r;
}

TEST(RepaintItems, EveryPointPlacedDraws27MarksAnd15Segments) {
    const View view{2, 5, 7};
    const auto lines = RepaintLines(AllPlaced(), view);
    ASSERT_EQ(lines.size(), 69u);
    // Scale start: (10 - 5) * 2 = 10, (20 - 7) * 2 = 26; marks reach 50 each way.
    EXPECT_EQ(lines[0], (DisplayLine{60, 76, -40, -24}));
    EXPECT_EQ(lines[1], (DisplayLine{60, -24, -40, 76}));
    EXPECT_EQ(lines[4], (DisplayLine{10, 26, 50, 26}));  // the scale bar
    // Nasion (190, 100) to Sella (390, 200) after both marks.
    EXPECT_EQ(lines[9], (DisplayLine{190, 100, 390, 200}));
    // The last line: Nose Tip (22) to Soft Pogonion (25).
    EXPECT_EQ(lines[68], (DisplayLine{4390, 2200, 4990, 2500}));
    // Lip marks before the nose tip's: Upper Lip (23) centre at (4590, 2300).
    EXPECT_EQ(lines[60], (DisplayLine{4640, 2350, 4540, 2250}));
}

TEST(RepaintItems, OcclusalLineJoinsTheMidpointsOnlyWhenAllFourArePlaced) {
    TracingRecord r;
    r.Mx1CrownX = 1000, r.Mx1CrownY = 2000;
    r.Mn1CrownX = 1001, r.Mn1CrownY = 2100;
    r.Mx6DistalX = 3000, r.Mx6DistalY = 2200;
    const View identity{1, 0, 0};
    EXPECT_EQ(RepaintLines(r, identity).size(), 6u);  // three marks, no line
    r.Mn6DistalX = 3000, r.Mn6DistalY = 2301;
    const auto lines = RepaintLines(r, identity);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[8], (DisplayLine{1000.5f, 2050, 3000, 2250.5f}));
}

TEST(RepaintItems, PointsOnOrBeyondTheTopOrLeftEdgeAreNotPlaced) {
    struct Row { double x, y; size_t lines; };
    const Row rows[] = {{0, 500, 2}, {500, 0, 2}, {-200, -200, 2}, {0.5, 0.5, 5}, {500, 500, 5}};
    for (const Row& row : rows) {
        TracingRecord r;
        r.NasionX = 300, r.NasionY = 300;
        r.SellaX = row.x, r.SellaY = row.y;
        EXPECT_EQ(RepaintLines(r, View{1, 0, 0}).size(), row.lines) << row.x << "," << row.y;
    }
}

}  // namespace
}  // namespace vt
