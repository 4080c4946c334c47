// The geometry procedures, the 44 measurements of a tracing and the checks that refuse it.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Seams.h"
#include "support/SampleTracing.h"
#include "tracing/Geometry.h"
#include "tracing/TracingChecks.h"
#include "tracing/TracingMeasures.h"

namespace vt {
namespace {

using testing::SampleInput;

TEST(Geometry, ArcTangentAxesAreExactAndDiagonalsCarryTheProgramsPi) {
    const double rows[][3] = {{0, 0, 0},
                              {0, 5, 90},
                              {0, -5, -90},
                              {5, 0, 0},
                              {-5, 0, 180},
                              {1, 1, 45.00000000000005},
                              {-1, -1, -134.99999999999995}};
    for (const auto& r : rows) EXPECT_NEAR(ArcTangent(r[0], r[1]), r[2], 1e-14) << r[0] << "," << r[1];
    EXPECT_GT(ArcTangent(1, 1), 45.0);  // the short pi makes every angle a hair larger
}

TEST(Geometry, LineCrossingsFeetAndDistancesWithTheirSpecialCases) {
    struct Cross {
        double l[8];
        double x, y;
    };
    const Cross crossings[] = {{{0, 0, 2, 2, 0, 2, 2, 0}, 1, 1},
                               {{3, 0, 3, 5, 7, 0, 7, 5}, 3, 0},  // two verticals: first line's x
                               {{3, 0, 3, 5, 0, 1, 6, 4}, 3, 2.5},
                               {{0, 1, 6, 4, 3, 0, 3, 5}, 3, 2.5},
                               {{0, 0, 2, 2, 1, 0, 3, 2}, 0, 0},
                               {{0, 2, 5, 2, 1, 0, 1, 9}, 1, 2}};  // parallels: the first point
    for (const auto& [l, x, y] : crossings)
        EXPECT_EQ((std::pair{LineCrossX(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]),
                             LineCrossY(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7])}),
                  (std::pair{x, y}))
            << l[4];
    struct Foot {
        double px, py, x1, y1, x2, y2, fx, fy, dist;
    };
    const Foot feet[] = {{5, 9, 0, 1, 10, 1, 5, 1, 8},
                         {5, 9, 2, 0, 2, 10, 2, 9, 3},
                         {0, 4, 0, 0, 4, 4, 2, 2, std::sqrt(8.0)},
                         {3, 4, 0, 0, 0, 0, 0, 0, 5}};  // degenerate line: the point itself
    for (const Foot& r : feet)
        EXPECT_EQ((std::tuple{VerticalX(r.px, r.py, r.x1, r.y1, r.x2, r.y2),
                              VerticalY(r.px, r.py, r.x1, r.y1, r.x2, r.y2),
                              DistLine(r.px, r.py, r.x1, r.y1, r.x2, r.y2)}),
                  (std::tuple{r.fx, r.fy, r.dist}))
            << r.px;
    EXPECT_EQ(DistPoint(0, 0, 3, -4), 5);
}

TEST(Geometry, OverflowIsReportedWithTheProceduresNameAndGivesZero) {
    std::vector<std::string> seen;
    SeamsGuard seams;
    CurrentSeams().message = [&](const QString& title, const QString& text) {
        seen.push_back((title + u'|' + text).toStdString());
    };
    EXPECT_EQ(ArcTangent(1e-300, 1e300), 0);
    EXPECT_EQ(LineCrossX(0, 0, 1e-300, 1e300, 0, 1, 1, 0), 0);
    EXPECT_EQ(VerticalY(1e300, 1e300, 0, 0, 1e-300, 1e300), 0);
    EXPECT_EQ(ArcTangent(3, 4), ArcTangent(6, 8));  // ordinary input reports nothing
    EXPECT_EQ(seen,
              (std::vector<std::string>{
                  "ArcTangent|Error: 6. Overflow", "LineCrossX|Error: 6. Overflow", "VerticalY|Error: 6. Overflow"}));
}

// Slopes that overflow alike compare equal; that is still an overflow, not parallel lines.
TEST(Geometry, EqualSlopesThatOverflowedAreReportedNotParallel) {
    struct Row {
        const char* name;
        double l[8];
        double is;
        bool reported;  // "Error: 6. Overflow" under the procedure's name
    };
    const Row crossX[] = {
        {.name = "+inf slopes", .l = {7, 0, 7 + 1e-14, 1e300, 5, 0, 5 + 1e-14, 1e300}, .is = 0, .reported = true},
        {.name = "-inf slopes", .l = {7, 0, 7 + 1e-14, -1e300, 5, 0, 5 + 1e-14, -1e300}, .is = 0, .reported = true},
        {.name = "inf x differences", .l = {-1e308, 0, 1e308, 1, -1e308, 5, 1e308, 6}, .is = 0, .reported = true},
        {.name = "one inf x difference", .l = {-1e308, 0, 1e308, 1, 0, 5, 1, 6}, .is = 0, .reported = true},
        {.name = "huge equal slopes", .l = {7, 0, 8, 1e300, 5, 0, 6, 1e300}, .is = 7, .reported = false},
        {.name = "parallel", .l = {1, 0, 3, 2, 0, 0, 2, 2}, .is = 1, .reported = false},
    };
    const Row crossY[] = {
        {.name = "+inf slopes", .l = {0, 7, 1e300, 7 + 1e-14, 0, 5, 1e300, 5 + 1e-14}, .is = 0, .reported = true},
        {.name = "-inf slopes", .l = {0, 7, -1e300, 7 + 1e-14, 0, 5, -1e300, 5 + 1e-14}, .is = 0, .reported = true},
        {.name = "inf y differences", .l = {0, -1e308, 1, 1e308, 5, -1e308, 6, 1e308}, .is = 0, .reported = true},
        {.name = "one inf y difference", .l = {0, -1e308, 1, 1e308, 5, 0, 6, 1}, .is = 0, .reported = true},
        {.name = "huge equal slopes", .l = {0, 7, 1e300, 8, 0, 5, 1e300, 6}, .is = 7, .reported = false},
        {.name = "parallel", .l = {0, 1, 2, 3, 0, 0, 2, 2}, .is = 1, .reported = false},
    };
    struct Procedure {
        const char* title;
        double (*cross)(double, double, double, double, double, double, double, double);
        std::span<const Row> rows;
    };
    std::vector<std::string> seen;
    SeamsGuard seams;
    CurrentSeams().message = [&](const QString& title, const QString& text) {
        seen.push_back((title + u'|' + text).toStdString());
    };
    for (const Procedure& p :
         {Procedure{"LineCrossX", LineCrossX, crossX}, Procedure{"LineCrossY", LineCrossY, crossY}}) {
        for (const Row& r : p.rows) {
            SCOPED_TRACE(std::string(p.title) + ": " + r.name);
            seen.clear();
            const double* l = r.l;
            EXPECT_EQ(p.cross(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]), r.is);
            EXPECT_EQ(seen,
                      r.reported ? std::vector<std::string>{std::string(p.title) + "|Error: 6. Overflow"}
                                 : std::vector<std::string>{});
        }
    }
}

TracingMeasures Measure(const TracingInput& in) { return MeasureTracing(PointsOnSheet(in)); }

std::array<double, 44> All(const TracingMeasures& m) { return std::bit_cast<std::array<double, 44>>(m); }

TEST(TracingMeasures, WorkedExamples) {
    for (double m : {0.1, 0.0173, 2.5}) {  // Sella on (70, 90) at any scale, life-size
        const TracingPoints p = PointsOnSheet(SampleInput(m, {12345.5, 271}));
        EXPECT_NEAR(p[Landmark::Sella].x, 70, 1e-9) << m;
        EXPECT_NEAR(p[Landmark::Sella].y, 90, 1e-9) << m;
        EXPECT_NEAR(p[Landmark::Menton].y, 210, 1e-6) << m;
    }
    EXPECT_NEAR(Dir({70, 90}, {140, 80}), 8.1301, 1e-4);
    // Facial plane N (140, 80) - Pog (140, 190); crowns 5 mm in front and behind.
    TracingPoints p = PointsOnSheet(SampleInput(0.1));
    p[Landmark::Pogonion] = {140, 190}, p[Landmark::Nasion] = {140, 80};
    p[Landmark::Mx1Crown] = {145, 160}, p[Landmark::Mn1Crown] = {135, 160};
    EXPECT_TRUE(std::abs(MeasureTracing(p).UIFP - 5) < 1e-12 && std::abs(MeasureTracing(p).LIFP + 5) < 1e-12);
    EXPECT_EQ(SignedDistance({140, 120}, {140, 80}, {140, 190}), 0);
    // Occlusal line IM (150, 160) - MM (110, 160); A (148, 130), B (146, 190).
    TracingInput in = SampleInput(1, {70, 90});
    in.landmarks[Landmark::Mx1Crown] = {150, 155}, in.landmarks[Landmark::Mn1Crown] = {150, 165};
    in.landmarks[Landmark::Mx6Distal] = {110, 158}, in.landmarks[Landmark::Mn6Distal] = {110, 162};
    in.landmarks[Landmark::APoint] = {148, 130}, in.landmarks[Landmark::BPoint] = {146, 190};
    EXPECT_NEAR(Measure(in).Wits, 2, 1e-12);
    const TracingMeasures s = Measure(SampleInput(0.1));
    EXPECT_NEAR(s.SNMP, 8.1301 + 24.1028, 1e-3);    // S-N rises 8.13, CL-Me falls 24.10
    EXPECT_NEAR(s.ABMP, 155.8978 - 82.4054, 1e-3);  // Me->CL against B->A
    EXPECT_NEAR(s.UGA + s.LGA, s.GA, 1e-9);
    EXPECT_EQ(s.ANB, s.SNA - s.SNB);
}

TEST(TracingMeasures, ShiftScaleAndHeadTurnedOnTheFilm) {
    const TracingMeasures base = Measure(SampleInput(0.1));
    const std::array<double, 44> upright = All(base);
    struct Row {
        Point sella;
        double degrees;
    };
    const Row rows[] = {{{-5000, 777}, 0},
                        {{3000, 4000}, 30},
                        {{3000, 4000}, -45},
                        {{3000, 4000}, 120},
                        {{3000, 4000}, 180},
                        {{3000, 4000}, -150}};
    for (const Row& r : rows) {
        const std::array<double, 44> got = All(Measure(SampleInput(0.1, r.sella, r.degrees)));
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], upright[i], 1e-8) << i << " at " << r.degrees;
    }
    TracingInput coarse = SampleInput(0.1);
    coarse.MmPerPixel = 0.2;  // the same clicks at twice the scale
    EXPECT_TRUE(std::abs(Measure(coarse).IIA - base.IIA) < 1e-9 && std::abs(Measure(coarse).ACB - 2 * base.ACB) < 1e-9);
    const double turns[][3] = {{170, -170, -20}, {-170, 170, 20}, {180, 0, 180}, {0, 180, 180}, {90, -90, 180}};
    for (const auto& t : turns) EXPECT_EQ(AngleBetween(t[0], t[1]), t[2]) << t[0] << " - " << t[1];
    // The side test across the seam at 180: a point just behind a line pointing left.
    EXPECT_LT(SignedDistance({-100, 8.75}, {-100, -8.75}, {0, 0}), 0);
    EXPECT_NEAR(Measure(SampleInput(0.1, {3000, 4000}, 40)).ABMP, 73.4924, 1e-3);  // not -286.5
    // A face looking left is still refused for its landmarks.
    EXPECT_EQ(RefusalMessage(CheckTracing(Measure(SampleInput(0.1, {3000, 4000}, 0, true)))), kLandmarkMessage);
}

TEST(TracingChecks, BoundsAreStrictAndTheLandmarkMessageWins) {
    const TracingMeasures good = Measure(SampleInput(0.1));
    struct Row {
        double TracingMeasures::*v;
        double bound;
        bool angle;
    };
    const Row rows[] = {{&TracingMeasures::SNMP, 2, true},
                        {&TracingMeasures::SNMP, 68, true},
                        {&TracingMeasures::IMPA, 45, true},
                        {&TracingMeasures::Wits, 26, false},
                        {&TracingMeasures::Wits, -30, false},
                        {&TracingMeasures::LL, -13, false}};
    for (const Row& r : rows) {
        TracingMeasures m = good;
        m.*r.v = r.bound;
        EXPECT_EQ(RefusalMessage(CheckTracing(m)), r.angle ? kLandmarkMessage : kScaleMessage) << r.bound;
        m.*r.v = std::nextafter(r.bound, good.*r.v);  // just inside passes
        EXPECT_TRUE(CheckTracing(m).passed()) << r.bound;
    }
    TracingMeasures both = good;
    both.SNMP = 68, both.Wits = 26;  // both fail: only the landmark message
    EXPECT_EQ(RefusalMessage(CheckTracing(both)), kLandmarkMessage);
    EXPECT_TRUE(RefusalMessage(CheckTracing(good)).empty());
    // Nasion on Menton, or no scale at all: no face height, no ratio, no NaN.
    TracingInput noHeight = SampleInput(0.1), noScale = SampleInput(0.1);
    noHeight.landmarks[Landmark::Menton] = noHeight.landmarks[Landmark::Nasion];
    noScale.MmPerPixel = 0;
    for (const TracingInput& in : {noHeight, noScale})
        EXPECT_TRUE(Measure(in).PFHAFH == 0 && !CheckTracing(Measure(in)).ScaleOK);
}

}  // namespace
}  // namespace vt
