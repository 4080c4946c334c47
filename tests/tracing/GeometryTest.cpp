#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tracing/Geometry.h"

namespace vt {
namespace {

TEST(Geometry, ArcTangentAxesAreExactAndDiagonalsCarryTheProgramsPi) {
    struct Row { double dx, dy, want; };
    const Row rows[] = {
        {0, 0, 0}, {0, 5, 90}, {0, -5, -90}, {5, 0, 0}, {-5, 0, 180},
        {1, 1, 45.00000000000005}, {-1, 1, 134.99999999999995},
        {-1, -1, -134.99999999999995}, {1, -1, -45.00000000000005},
    };
    for (const Row& r : rows) {
        const double got = ArcTangent(r.dx, r.dy);
        if (r.dx == 0 || r.dy == 0) {
            EXPECT_EQ(got, r.want) << r.dx << "," << r.dy;
        } else {
            EXPECT_NEAR(got, r.want, 1e-14) << r.dx << "," << r.dy;
        }
    }
    EXPECT_GT(ArcTangent(1, 1), 45.0);  // the short pi makes every angle a hair larger
}

TEST(Geometry, LineCrossingsAndTheirSpecialCases) {
    struct Row { double l[8]; double x, y; };
    const Row rows[] = {
        {{0, 0, 2, 2, 0, 2, 2, 0}, 1, 1},           // ordinary crossing
        {{3, 0, 3, 5, 7, 0, 7, 5}, 3, 0},           // two verticals: first line's x
        {{3, 0, 3, 5, 0, 1, 6, 4}, 3, 2.5},         // vertical first line
        {{0, 1, 6, 4, 3, 0, 3, 5}, 3, 2.5},         // vertical second line
        {{0, 0, 2, 2, 0, 0, 2, 2}, 0, 0},           // the same line twice
        {{0, 0, 2, 2, 1, 0, 3, 2}, 0, 0},           // parallels: the first point
        {{0, 2, 5, 2, 1, 0, 1, 9}, 1, 2},           // horizontal first line
    };
    for (const Row& r : rows) {
        const double* l = r.l;
        EXPECT_DOUBLE_EQ(LineCrossX(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]), r.x);
        EXPECT_DOUBLE_EQ(LineCrossY(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]), r.y);
    }
}

TEST(Geometry, PerpendicularFeetAndDistances) {
    struct Row { double px, py, x1, y1, x2, y2, fx, fy, dist; };
    const Row rows[] = {
        {5, 9, 0, 1, 10, 1, 5, 1, 8},               // horizontal line
        {5, 9, 2, 0, 2, 10, 2, 9, 3},               // vertical line
        {0, 4, 0, 0, 4, 4, 2, 2, std::sqrt(8.0)},   // diagonal
        {3, 4, 0, 0, 0, 0, 0, 0, 5},                // degenerate line: the point itself
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(VerticalX(r.px, r.py, r.x1, r.y1, r.x2, r.y2), r.fx);
        EXPECT_DOUBLE_EQ(VerticalY(r.px, r.py, r.x1, r.y1, r.x2, r.y2), r.fy);
        EXPECT_DOUBLE_EQ(DistLine(r.px, r.py, r.x1, r.y1, r.x2, r.y2), r.dist);
    }
    EXPECT_EQ(DistPoint(4, 7, 4, 7), 0);
    EXPECT_EQ(DistPoint(0, 0, 3, -4), 5);
}

TEST(Geometry, OverflowIsReportedWithTheProceduresNameAndGivesZero) {
    std::vector<std::string> seen;
    SetGeometryErrorSink([&](std::string_view proc, std::string_view text) {
        seen.push_back(std::string(proc) + "|" + std::string(text));
    });
    EXPECT_EQ(ArcTangent(1e-300, 1e300), 0);
    EXPECT_EQ(LineCrossX(0, 0, 1e-300, 1e300, 0, 1, 1, 0), 0);
    EXPECT_EQ(VerticalY(1e300, 1e300, 0, 0, 1e-300, 1e300), 0);
    EXPECT_EQ(ArcTangent(3, 4), ArcTangent(6, 8));  // ordinary input reports nothing
    SetGeometryErrorSink(nullptr);
    const std::vector<std::string> want = {"ArcTangent|Error: 6. Overflow", "LineCrossX|Error: 6. Overflow",
                                           "VerticalY|Error: 6. Overflow"};
    EXPECT_EQ(seen, want);
}

}  // namespace
}  // namespace vt
