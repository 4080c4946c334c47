// The geometry procedures, the 44 measurements of a tracing and the checks that refuse it.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ceph/CephRecord.h"
#include "platform/Seams.h"
#include "support/SampleTracing.h"
#include "support/WorkedTracing.h"
#include "tracing/Geometry.h"
#include "tracing/TracingChecks.h"
#include "tracing/TracingHandOver.h"
#include "tracing/TracingMeasures.h"

namespace vt {
namespace {

using testing::SampleInput;

// The two refusals of the result button, as the clinician reads them.
constexpr std::string_view kLandmarksRefused =
    "Landmark 설정이 정상적으로 입력되지 않았습니다. 확인하시고 [결과인쇄 보기] 단추를 다시 눌러 주세요!";
constexpr std::string_view kScaleRefused =
    "Scale 설정이 정상적으로 입력되지 않았습니다. 확인하시고 [결과인쇄 보기] 단추를 다시 눌러 주세요!";

TEST(Geometry, ArcTangentAxesAreExactAndDiagonalsCarryTheProgramsPi) {
    const double rows[][3] = {{0, 0, 0},
                              {0, 5, 90},
                              {0, -5, -90},
                              {5, 0, 0},
                              {-5, 0, 180},
                              {1, 1, 45.00000000000005},
                              {-1, 1, 134.99999999999995},
                              {-1, -1, -134.99999999999995},
                              {1, -1, -45.00000000000005}};
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
                               {{0, 0, 2, 2, 0, 0, 2, 2}, 0, 0},  // the same line twice: the first point
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
    const TracingMeasures crowns = MeasureTracing(p);
    EXPECT_LT(std::abs(crowns.UIFP - 5), 1e-12) << "UIFP " << crowns.UIFP;
    EXPECT_LT(std::abs(crowns.LIFP + 5), 1e-12) << "LIFP " << crowns.LIFP;
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
    const TracingMeasures twice = Measure(coarse);
    EXPECT_LT(std::abs(twice.IIA - base.IIA), 1e-9) << "IIA " << twice.IIA << " against " << base.IIA;
    EXPECT_LT(std::abs(twice.ACB - 2 * base.ACB), 1e-9) << "ACB " << twice.ACB << " against " << base.ACB;
    const double turns[][3] = {{170, -170, -20}, {-170, 170, 20}, {180, 0, 180}, {0, 180, 180}, {90, -90, 180}};
    for (const auto& t : turns) EXPECT_EQ(AngleBetween(t[0], t[1]), t[2]) << t[0] << " - " << t[1];
    // The side test across the seam at 180: a point just behind a line pointing left.
    EXPECT_LT(SignedDistance({-100, 8.75}, {-100, -8.75}, {0, 0}), 0);
    EXPECT_NEAR(Measure(SampleInput(0.1, {3000, 4000}, 40)).ABMP, 73.4924, 1e-3);  // not -286.5
    // A face looking left is still refused for its landmarks.
    EXPECT_EQ(RefusalMessage(CheckTracing(Measure(SampleInput(0.1, {3000, 4000}, 0, true)))), kLandmarksRefused);
}

// The worked tracing's 44 values, each from its definition, and the value of the cephalometric record each is
// handed to (none: it stays with the tracing pages). Directions in degrees, counter-clockwise with y up:
// S->N 0, S->Ar -126.87 (30 back, 40 down), Ar->S 53.13, Ar->RD -90, RD->Ar 90, CL->Me -26.57 (1 in 2),
// Me->CL 153.43, Go->N 36.87 (100 on, 75 up), A->N 84.29 (4 on, 40 up), B->N 82.41 (12 on, 90 up), Pog->N 90,
// Po->Or -7.13 (80 on, 10 down), Pog->A 93.27 (4 back, 70 up), B->A 80.91 (8 on, 50 up), S->Gn -60.75 (70 on,
// 125 down), PNS->ANS 4.76 (60 on, 5 up), MM->IM 14.04 (40 on, 10 up), U1C->U1R 113.81 (15 back, 34 up),
// U1R->U1C -66.19, L1R->L1C 65.56 (15 on, 33 up).
struct WorkedValue {
    const char* name;
    double TracingMeasures::*measure;
    double value;
    double CephRecord::*handedTo;
};

using TM = TracingMeasures;
using CR = CephRecord;
const WorkedValue kWorkedValues[] = {
    {"SA", &TM::SA, 126.869897646, nullptr},             // 0 - -126.87
    {"AA", &TM::AA, 143.130102354, nullptr},             // 53.13 - -90
    {"GA", &TM::GA, 116.565051177, nullptr},             // 90 - -26.57
    {"Sum", &TM::Sum, 386.565051177, nullptr},           // SA + AA + GA; the record's Sum is its own
    {"UGA", &TM::UGA, 53.130102354, nullptr},            // 90 - 36.87
    {"LGA", &TM::LGA, 63.434948823, nullptr},            // 36.87 - -26.57
    {"SNA", &TM::SNA, 84.289406863, &CR::SNA},           // 84.29 - 0
    {"SNB", &TM::SNB, 82.405356631, &CR::SNB},           // 82.41 - 0
    {"ANB", &TM::ANB, 1.884050231, &CR::ANB},            // SNA - SNB
    {"SNPg", &TM::SNPg, 90, &CR::SNPg},                  // 90 - 0
    {"FA", &TM::FA, 97.125016349, &CR::FA},              // 90 - -7.13
    {"FC", &TM::FC, -8.981081061, nullptr},              // 84.29 - 93.27
    {"ABA", &TM::ABA, -9.090276921, &CR::ABA},           // 80.91 - 90
    {"YA", &TM::YA, 53.626157315, nullptr},              // -7.13 - -60.75
    {"SNMP", &TM::SNMP, 26.565051177, &CR::SNMP},        // 0 - -26.57
    {"FMA", &TM::FMA, 19.440034828, &CR::FMA},           // -7.13 - -26.57
    {"PPMP", &TM::PPMP, 31.328692868, &CR::PPMP},        // 4.76 - -26.57
    {"ABMP", &TM::ABMP, 72.525225744, &CR::ABMP},        // 153.43 - 80.91
    {"ACB", &TM::ACB, 70, nullptr},                      // S-N
    {"PCB", &TM::PCB, 50, nullptr},                      // Ar-S: 30 and 40
    {"RH", &TM::RH, 35, nullptr},                        // Ar-Go along x 40
    {"BL", &TM::BL, 100.623058987, nullptr},             // Go-Me: 90 and 45
    {"FD", &TM::FD, 125, nullptr},                       // N-Go: 100 and 75
    {"FL", &TM::FL, 143.265487819, nullptr},             // Gn-S: 70 and 125
    {"PFH", &TM::PFH, 80.777472107, &CR::PFH},           // S-Go: 30 and 75
    {"AFH", &TM::AFH, 120.415945788, &CR::AFH},          // N-Me: 10 and 120
    {"PFHAFH", &TM::PFHAFH, 67.082039325, &CR::PFHAFH},  // PFH / AFH x 100
    {"Wits", &TM::Wits, 19.887921253, &CR::Wits},        // AO and BO 1680 and 860 over root 1700 ahead of MM
    {"ODI", &TM::ODI, 60.636567704, &CR::ODI},           // (FMA - PPMP) + ABMP
    {"APDI", &TM::APDI, 76.146081388, &CR::APDI},        // (180 - ABMP) - PPMP
    {"OPMP", &TM::OPMP, 40.601294645, &CR::OPMP},        // 14.04 - -26.57
    {"UISN", &TM::UISN, 113.805943518, &CR::UISN},       // 113.81 - 0
    {"UIPP", &TM::UIPP, 109.042301828, &CR::UIPP},       // 113.81 - 4.76
    {"IMPA", &TM::IMPA, 87.878903603, &CR::IMPA},        // 153.43 - 65.56
    {"FMIA", &TM::FMIA, 72.681061568, &CR::FMIA},        // (180 - FMA) - IMPA
    {"IIA", &TM::IIA, 131.750101701, &CR::IIA},          // ((360 - SNMP) - UISN) - IMPA
    {"UIOP", &TM::UIOP, 80.230299949, &CR::UIOP},        // 14.04 - -66.19
    {"LIOP", &TM::LIOP, 51.519801752, &CR::LIOP},        // 65.56 - 14.04
    {"UIFP", &TM::UIFP, 6, &CR::UIFP},                   // 6 ahead of N-Pog at x 140
    {"LIFP", &TM::LIFP, 2, &CR::LIFP},                   // 2 ahead
    {"UIAP", &TM::UIAP, 8.386319209, nullptr},           // 588 over root 4916 ahead of A-Pog
    {"LIAP", &TM::LIAP, 4.164634709, nullptr},           // 292 over root 4916 ahead
    {"UL", &TM::UL, -1.717795003, &CR::UL},              // 150 over root 7625 behind Prn-Pog'
    {"LL", &TM::LL, 2.862991672, &CR::LL},               // 250 over root 7625 ahead
};

TEST(TracingMeasures, TheWorkedTracingMeasuresAsItsDefinitionsGive) {
    const TracingMeasures m = Measure(testing::WorkedInput());
    for (const WorkedValue& w : kWorkedValues) EXPECT_NEAR(m.*w.measure, w.value, 1e-6) << w.name;
}

// 28 values go to the cephalometric record, each to its own; its Sum and comment stay as they were.
TEST(TracingHandOver, EachValueGoesToItsOwnPlace) {
    TracingMeasures m;
    for (const WorkedValue& w : kWorkedValues) m.*w.measure = w.value;
    CephRecord before;
    before.Sum = 395.5, before.MsgCephalo = "kept";
    const CephRecord after = HandedOver(before, m);
    int handed = 0;
    for (const WorkedValue& w : kWorkedValues) {
        if (!w.handedTo) continue;
        ++handed;
        EXPECT_EQ(after.*w.handedTo, w.value) << w.name;
    }
    EXPECT_EQ(handed, 28);
    EXPECT_EQ(after.Sum, 395.5);
    EXPECT_EQ(after.MsgCephalo, "kept");
}

TEST(TracingChecks, BoundsAreStrictAndTheLandmarkMessageWins) {
    const TracingMeasures good = Measure(SampleInput(0.1));
    using TM = TracingMeasures;
    struct Row {
        const char* name;
        double TM::*v;
        double bound;
        bool angle;
    };
    // Every bound of the ten angles and the seven distances.
    const Row rows[] = {
        {"SNMP", &TM::SNMP, 2, true},    {"SNMP", &TM::SNMP, 68, true},   {"FMA", &TM::FMA, -6, true},
        {"FMA", &TM::FMA, 60, true},     {"PPMP", &TM::PPMP, -6, true},   {"PPMP", &TM::PPMP, 60, true},
        {"SNA", &TM::SNA, 42, true},     {"SNA", &TM::SNA, 121, true},    {"SNB", &TM::SNB, 39, true},
        {"SNB", &TM::SNB, 118, true},    {"FA", &TM::FA, 49, true},       {"FA", &TM::FA, 127, true},
        {"ABMP", &TM::ABMP, 29, true},   {"ABMP", &TM::ABMP, 113, true},  {"OPMP", &TM::OPMP, -12, true},
        {"OPMP", &TM::OPMP, 52, true},   {"UISN", &TM::UISN, 55, true},   {"UISN", &TM::UISN, 157, true},
        {"IMPA", &TM::IMPA, 45, true},   {"IMPA", &TM::IMPA, 145, true},  {"PFH", &TM::PFH, 13, false},
        {"PFH", &TM::PFH, 161, false},   {"AFH", &TM::AFH, 41, false},    {"AFH", &TM::AFH, 206, false},
        {"Wits", &TM::Wits, -30, false}, {"Wits", &TM::Wits, 26, false},  {"UIFP", &TM::UIFP, -15, false},
        {"UIFP", &TM::UIFP, 39, false},  {"LIFP", &TM::LIFP, -18, false}, {"LIFP", &TM::LIFP, 36, false},
        {"UL", &TM::UL, -14, false},     {"UL", &TM::UL, 21, false},      {"LL", &TM::LL, -13, false},
        {"LL", &TM::LL, 22, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.name << " at " << r.bound);
        TracingMeasures m = good;
        m.*r.v = r.bound;
        EXPECT_EQ(RefusalMessage(CheckTracing(m)), r.angle ? kLandmarksRefused : kScaleRefused);
        m.*r.v = std::nextafter(r.bound, good.*r.v);  // just inside passes
        EXPECT_EQ(RefusalMessage(CheckTracing(m)), "");
    }
    TracingMeasures both = good;
    both.SNMP = 68, both.Wits = 26;  // both fail: only the landmark message
    EXPECT_EQ(RefusalMessage(CheckTracing(both)), kLandmarksRefused);
    EXPECT_TRUE(RefusalMessage(CheckTracing(good)).empty());
    // Nasion on Menton, or no scale at all: no face height, no ratio, no NaN.
    TracingInput noHeight = SampleInput(0.1), noScale = SampleInput(0.1);
    noHeight.landmarks[Landmark::Menton] = noHeight.landmarks[Landmark::Nasion];
    noScale.MmPerPixel = 0;
    for (const auto& [name, in] : {std::pair{"Nasion on Menton", noHeight}, {"no scale", noScale}}) {
        EXPECT_EQ(Measure(in).PFHAFH, 0) << name;
        EXPECT_FALSE(CheckTracing(Measure(in)).ScaleOK) << name << ": scale accepted";
    }
}

}  // namespace
}  // namespace vt
