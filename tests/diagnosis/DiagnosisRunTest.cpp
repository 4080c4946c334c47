// The diagnosis run as a whole: entries read, signed and checked, the
// corrected indices, age gates, and a diagnosis that does not depend on the
// order of the two buttons.

#include <gtest/gtest.h>

#include <array>

#include "diagnosis/ExtractionAnalysis.h"
#include "DxWorld.h"

namespace vt {
namespace {

using testing::DxWorld;
using testing::Has;

FindingsRecord WithOptions(std::int16_t molarRt, std::int16_t molarLt, std::int16_t crossRt, std::int16_t crossLt) {
    FindingsRecord r;
    r.optMolarRtIdx = molarRt, r.optMolarLtIdx = molarLt, r.optCrossRtIdx = crossRt, r.optCrossLtIdx = crossLt;
    return r;
}

TEST(DiagnosisRun, CorrectedIndicesWorkedExample) {
    const DxWorld world(0, 20, 1, 3);
    const FindingsEntries e{"2", "4", "2", "3", "4", "2", "", "", ""};
    const auto run = RunDiagnosis(WithOptions(1, 0, 0, 0), e, world.sources());
    ASSERT_TRUE(run);
    EXPECT_EQ(run->OBc, 2.6);
    EXPECT_EQ(run->OJc, 2.8);
    EXPECT_EQ(run->OBv, 2.3000000000000003);
    EXPECT_EQ(run->APIdx, 4.66);
}

// Refused rows hand back nothing, so the caller's record stays whole. The
// left cross-bite is held in single precision.
TEST(DiagnosisRun, SignsAndRanges) {
    const struct { FindingsEntries e; std::int16_t opt[4]; bool accepted; double sides[4] = {}; } rows[] = {
        {{}, {0, 0, 0, 0}, true},
        {{"", "", "", "", "", "99", "", "25", "1e39"}, {0, 0, 0, 0}, true},  // Class I and Normal give 0
        {{"", "", "", "", "", "3", "3", "2", "3"}, {1, 2, 1, 2}, true, {3, -3, 2, -3}},
        {{"", "", "", "19.9", "-29.9", "-3", "", "", ""}, {2, 0, 0, 0}, true, {3, 0, 0, 0}},
        {{"", "", "", "20", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "-20", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "", "30", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "", "", "30", "-30", "", ""}, {1, 0, 0, 0}, false},
        {{"", "", "", "", "", "", "30", "", ""}, {0, 2, 0, 0}, false},
        {{"", "", "", "", "", "", "", "20", ""}, {0, 0, 1, 0}, false},
        {{"", "", "", "", "", "", "", "", "20"}, {0, 0, 0, 2}, false},
        {{"", "", "", "", "", "", "", "", "1e39"}, {0, 0, 0, 1}, false},  // infinite in single precision
        {{"", "", "", "", "", "", "", "", "-1.99999999"}, {0, 0, 0, 2}, true, {0, 0, 0, 2}},  // 2 in single precision
        {{"30", "", "", "", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "10", "", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "", "", "1e999", "", "", ""}, {0, 0, 0, 0}, false},  // beyond a double, whatever the option
    };
    const DxWorld world;
    for (const auto& row : rows) {
        const FindingsRecord options = WithOptions(row.opt[0], row.opt[1], row.opt[2], row.opt[3]);
        const auto run = RunDiagnosis(options, row.e, world.sources());
        ASSERT_EQ(run.has_value(), row.accepted) << row.e.OB << "|" << row.e.OJ << "|" << row.e.MolarRt << "|"
                                                 << row.e.CrossRt << "|" << row.e.CrossLt;
        if (!run) continue;
        EXPECT_EQ((std::array{run->MolarRt, run->MolarLt, run->CrossRt, double(run->CrossLt)}),
                  (std::array{row.sides[0], row.sides[1], row.sides[2], row.sides[3]}));
    }
}

TEST(DiagnosisRun, UnderTenNoExtractionNorClosing) {
    DxWorld world(0, 9.5);
    world.model.SOI = 2.5;
    for (double age : {9.5, 9.99}) {
        world.patient.AgeYear = age;
        const auto run = RunDiagnosis({}, {"", "9", "", "", "", "", "", "", ""}, world.sources());
        ASSERT_TRUE(run);
        EXPECT_FALSE(Has(run->DxText, "추천된다") || Has(run->DxText, "Finishing")) << age;
        EXPECT_TRUE(run->DxText.ends_with("영구치 맹출 후에 고정식 교정치료를 시행한다. ")) << age;
    }
}

// The incisor floor is applied by both presses alike, so pressing
// "발치 분석" first changes nothing; the formula line keeps the Jarabak
// value before its adjustment for sex and vertical pattern.
TEST(DiagnosisRun, SameDiagnosisInBothButtonOrders) {
    for (double lifp : {-3.0, 4.9, 5.0, 8.0}) {
        DxWorld world(1, 15, 2, -2);
        world.ceph.LIFP = lifp;
        const FindingsEntries e{"6", "7", "3", "1", "-1", "2", "1", "", ""};
        const auto direct = RunDiagnosis(WithOptions(2, 1, 0, 0), e, world.sources());
        const auto extFirst = RunExtraction(WithOptions(2, 1, 0, 0), e, world.ceph);
        ASSERT_TRUE(direct && extFirst);
        const auto after = RunDiagnosis(*extFirst, e, world.sources());
        ASSERT_TRUE(after);
        EXPECT_EQ(direct->DxText, after->DxText) << lifp;
        EXPECT_EQ(direct->JarabakText, after->JarabakText) << lifp;
        EXPECT_EQ(direct->JarabakText, extFirst->JarabakText) << lifp;
        EXPECT_EQ(direct->JarabakVal, extFirst->JarabakVal + 0.5 + 0.5) << lifp;
        EXPECT_EQ(world.ceph.LIFP, lifp);
    }
}

}  // namespace
}  // namespace vt
