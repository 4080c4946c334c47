#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "tracing/SampleTracing.h"
#include "tracing/TracingChecks.h"
#include "tracing/TracingMeasures.h"

namespace vt {
namespace {

using testing::SampleInput;

TracingMeasures Measure(const TracingInput& in) { return MeasureTracing(PointsOnSheet(in)); }

// The 44 values, for comparisons across the whole record.
std::array<double, 44> All(const TracingMeasures& m) {
    static_assert(sizeof(TracingMeasures) == 44 * sizeof(double));
    std::array<double, 44> a;
    std::memcpy(a.data(), &m, sizeof m);
    return a;
}

TEST(TracingMeasures, SellaLandsOn70And90AtAnyScaleAndPlace) {
    struct Row { double m; Point sella; };
    const Row rows[] = {{0.1, {3000, 4000}}, {0.0173, {12345.5, 271}}, {2.5, {0, 0}}, {0.05, {-40, 99999}}};
    for (const Row& r : rows) {
        const TracingPoints p = PointsOnSheet(SampleInput(r.m, r.sella));
        EXPECT_NEAR(p.Sella.x, 70, 1e-9) << r.m;
        EXPECT_NEAR(p.Sella.y, 90, 1e-9) << r.m;
        EXPECT_NEAR(p.Nasion.x, 140, 1e-6) << r.m;  // life-size: 1 sheet mm per mm
        EXPECT_NEAR(p.Menton.y, 210, 1e-6) << r.m;
    }
}

TEST(TracingMeasures, WorkedExamples) {
    EXPECT_NEAR(Dir({70, 90}, {140, 80}), 8.1301, 1e-4);  // Nasion higher than Sella: positive

    // A vertical facial plane through Pog (140, 190) and N (140, 80).
    TracingPoints p = PointsOnSheet(SampleInput(0.1));
    p.Pogonion = {140, 190};
    p.Nasion = {140, 80};
    p.Mx1Crown = {145, 160};
    p.Mn1Crown = {135, 160};
    p.Mn1Root = {140, 120};  // on the line: no side
    TracingMeasures m = MeasureTracing(p);
    EXPECT_NEAR(m.UIFP, 5, 1e-12);
    EXPECT_NEAR(m.LIFP, -5, 1e-12);
    EXPECT_EQ(SignedDistance({140, 120}, {140, 80}, {140, 190}), 0);

    // A horizontal occlusal line from IM (150, 160) back to MM (110, 160).
    TracingInput in = SampleInput(1, {70, 90});
    in.landmarks[13] = {150, 155};  // Mx 1 Crown
    in.landmarks[15] = {150, 165};  // Mn 1 Crown
    in.landmarks[17] = {110, 158};  // Mx 6 Distal
    in.landmarks[19] = {110, 162};  // Mn 6 Distal
    in.landmarks[6] = {148, 130};   // A
    in.landmarks[7] = {146, 190};   // B
    p = PointsOnSheet(in);
    EXPECT_NEAR(p.AO.x, 148, 1e-12);
    EXPECT_NEAR(p.BO.x, 146, 1e-12);
    EXPECT_NEAR(MeasureTracing(p).Wits, 2, 1e-12);
}

TEST(TracingMeasures, SampleFaceMeasuresAsDrawn) {
    const TracingMeasures m = Measure(SampleInput(0.1));
    EXPECT_NEAR(m.SNMP, 8.1301 + 24.1028, 1e-3);  // S-N 8.13 above, CL-Me 24.10 below the horizontal
    EXPECT_NEAR(m.ABMP, 155.8978 - 82.4054, 1e-3);
    EXPECT_NEAR(m.ACB, std::sqrt(4900.0 + 100), 1e-9);
    EXPECT_NEAR(m.AFH, std::sqrt(144.0 + 16900), 1e-9);
    EXPECT_NEAR(m.UGA + m.LGA, m.GA, 1e-9);
    EXPECT_EQ(m.ANB, m.SNA - m.SNB);
    EXPECT_EQ(m.Sum, (m.SA + m.AA) + m.GA);
    EXPECT_TRUE(CheckTracing(m).passed());
}

TEST(TracingMeasures, ScaleAndShiftAndRotationOnTheFilmChangeNothingButSize) {
    const std::array<double, 44> upright = All(Measure(SampleInput(0.1)));
    struct Row { double m; Point sella; double degrees; };
    const Row rows[] = {
        {0.1, {0, 0}, 0}, {0.1, {-5000, 777}, 0},           // shifted
        {0.1, {3000, 4000}, 30}, {0.1, {3000, 4000}, -45},  // rotated heads
        {0.1, {3000, 4000}, 120}, {0.1, {3000, 4000}, 180}, {0.1, {3000, 4000}, -150},
    };
    for (const Row& r : rows) {
        const std::array<double, 44> got = All(Measure(SampleInput(r.m, r.sella, r.degrees)));
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], upright[i], 1e-8) << "value " << i << " at " << r.degrees << " degrees";
    }
    // A radiograph at another scale: angles stay, distances follow the clicks.
    const TracingMeasures half = Measure(SampleInput(0.1, {3000, 4000}, 0));
    TracingInput coarse = SampleInput(0.1);
    coarse.MmPerPixel = 0.2;
    const TracingMeasures twice = Measure(coarse);
    EXPECT_NEAR(twice.SNMP, half.SNMP, 1e-9);
    EXPECT_NEAR(twice.IIA, half.IIA, 1e-9);
    EXPECT_NEAR(twice.ACB, 2 * half.ACB, 1e-9);
    EXPECT_NEAR(twice.UIFP, 2 * half.UIFP, 1e-9);
    EXPECT_NEAR(twice.PFHAFH, half.PFHAFH, 1e-9);
}

TEST(TracingMeasures, AnglesAreBroughtIntoHalfOpenRangeOnce) {
    struct Row { double a, b, want; };
    const Row rows[] = {{170, -170, -20}, {-170, 170, 20}, {180, 0, 180}, {0, 180, 180},
                        {-90, 90, 180}, {90, -90, 180}, {179, -1, 180}, {30, 10, 20}};
    for (const Row& r : rows) EXPECT_EQ(AngleBetween(r.a, r.b), r.want) << r.a << " - " << r.b;
    // The side test across the -180/180 seam: a point just behind a line pointing left.
    EXPECT_LT(SignedDistance({-100, 8.75}, {-100, -8.75}, {0, 0}), 0);
    // A head turned 40 degrees: unnormalised, AB/MP would read about -284.
    EXPECT_NEAR(Measure(SampleInput(0.1, {3000, 4000}, 40)).ABMP, 73.4924, 1e-3);
}

TEST(TracingMeasures, MirroredTracingIsRefusedForItsLandmarks) {
    const TracingMeasures m = Measure(SampleInput(0.1, {3000, 4000}, 0, /*mirrored=*/true));
    const TracingCheck c = CheckTracing(m);
    EXPECT_FALSE(c.LandmarkOK);
    EXPECT_EQ(RefusalMessage(c), kLandmarkMessage);
}

TEST(TracingMeasures, NasionOnMentonGivesNoRatioAndFailsTheScale) {
    TracingInput in = SampleInput(0.1);
    in.landmarks[9] = in.landmarks[0];  // Menton on Nasion
    const TracingMeasures m = Measure(in);
    EXPECT_EQ(m.AFH, 0);
    EXPECT_EQ(m.PFHAFH, 0);
    EXPECT_FALSE(CheckTracing(m).ScaleOK);

    TracingInput flat = SampleInput(0.1);
    flat.MmPerPixel = 0;  // no scale: every point on Sella
    const TracingMeasures z = Measure(flat);
    EXPECT_EQ(z.PFHAFH, 0);
    EXPECT_FALSE(CheckTracing(z).passed());
}

TEST(TracingChecks, EveryBoundIsStrictAndTheLandmarkMessageWins) {
    const TracingMeasures good = Measure(SampleInput(0.1));
    ASSERT_TRUE(CheckTracing(good).passed());
    struct Row { double TracingMeasures::*v; double bound; bool angle; };
    const Row rows[] = {
        {&TracingMeasures::SNMP, 2, true},  {&TracingMeasures::SNMP, 68, true},
        {&TracingMeasures::FMA, -6, true},  {&TracingMeasures::PPMP, 60, true},
        {&TracingMeasures::SNA, 42, true},  {&TracingMeasures::SNB, 118, true},
        {&TracingMeasures::FA, 49, true},   {&TracingMeasures::ABMP, 113, true},
        {&TracingMeasures::OPMP, -12, true}, {&TracingMeasures::UISN, 157, true},
        {&TracingMeasures::IMPA, 45, true},
        {&TracingMeasures::PFH, 13, false}, {&TracingMeasures::AFH, 206, false},
        {&TracingMeasures::Wits, 26, false}, {&TracingMeasures::Wits, -30, false},
        {&TracingMeasures::UIFP, 39, false}, {&TracingMeasures::LIFP, -18, false},
        {&TracingMeasures::UL, 21, false},   {&TracingMeasures::LL, -13, false},
    };
    for (const Row& r : rows) {
        TracingMeasures m = good;
        m.*r.v = r.bound;
        TracingCheck c = CheckTracing(m);
        EXPECT_EQ(c.LandmarkOK, !r.angle) << r.bound;
        EXPECT_EQ(c.ScaleOK, r.angle) << r.bound;
        EXPECT_EQ(RefusalMessage(c), r.angle ? kLandmarkMessage : kScaleMessage);
        m.*r.v = std::nextafter(r.bound, good.*r.v);     // just inside passes
        EXPECT_TRUE(CheckTracing(m).passed()) << r.bound;
    }
    TracingMeasures both = good;
    both.SNMP = 68;
    both.Wits = 26;
    EXPECT_EQ(RefusalMessage(CheckTracing(both)), kLandmarkMessage);
    EXPECT_TRUE(RefusalMessage(CheckTracing(good)).empty());
}

}  // namespace
}  // namespace vt
