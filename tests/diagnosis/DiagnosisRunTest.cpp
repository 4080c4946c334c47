// The diagnosis run as a whole: entries read, signed and checked, the
// corrected indices, the order of the comment's sections, refusals that
// leave nothing behind, and a diagnosis that does not depend on the order
// of the two buttons.

#include <gtest/gtest.h>

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

TEST(DiagnosisRun, SignsAndRanges) {
    const struct {
        FindingsEntries e;
        std::int16_t opt[4];
        bool accepted;
        double molarRt = 0, molarLt = 0, crossRt = 0, crossLt = 0;
    } rows[] = {
        {{}, {0, 0, 0, 0}, true, 0, 0, 0, 0},
        {{"", "", "", "", "", "99", "", "", ""}, {0, 0, 0, 0}, true, 0, 0, 0, 0},
        {{"", "", "", "", "", "3", "3", "2", "3"}, {1, 2, 1, 2}, true, 3, -3, 2, -3},
        {{"", "", "", "", "", "-3", "", "", ""}, {2, 0, 0, 0}, true, 3, 0, 0, 0},
        {{"", "", "", "20", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "-20", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "19.9", "-29.9", "", "", "", ""}, {0, 0, 0, 0}, true},
        {{"", "", "", "", "30", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "", "", "30", "", "", ""}, {1, 0, 0, 0}, false},
        {{"", "", "", "", "", "", "30", "", ""}, {0, 2, 0, 0}, false},
        {{"", "", "", "", "", "", "", "20", ""}, {0, 0, 1, 0}, false},
        {{"", "", "", "", "", "", "", "25", ""}, {0, 0, 0, 0}, true},
        {{"", "", "", "", "", "", "", "", "20"}, {0, 0, 0, 2}, false},
        {{"30", "", "", "", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "10", "", "", "", "", "", ""}, {0, 0, 0, 0}, false},
        // Beyond a single: infinite, so 0 with Normal and refused otherwise.
        {{"", "", "", "", "", "", "", "", "1e39"}, {0, 0, 0, 0}, true},
        {{"", "", "", "", "", "", "", "", "1e39"}, {0, 0, 0, 1}, false},
        // Beyond a double: refused whatever the option.
        {{"", "", "", "", "", "1e999", "", "", ""}, {0, 0, 0, 0}, false},
        {{"", "", "", "1e999", "", "", "", "", ""}, {0, 0, 0, 0}, false},
    };
    const DxWorld world;
    for (const auto& row : rows) {
        const FindingsRecord options = WithOptions(row.opt[0], row.opt[1], row.opt[2], row.opt[3]);
        const auto run = RunDiagnosis(options, row.e, world.sources());
        ASSERT_EQ(run.has_value(), row.accepted) << row.e.OB << "|" << row.e.OJ << "|" << row.e.MolarRt << "|"
                                                 << row.e.CrossRt << "|" << row.e.CrossLt;
        if (!run) continue;
        EXPECT_EQ(run->MolarRt, row.molarRt);
        EXPECT_EQ(run->MolarLt, row.molarLt);
        EXPECT_EQ(run->CrossRt, row.crossRt);
        EXPECT_EQ(run->CrossLt, row.crossLt);
        EXPECT_TRUE(run->ValidExt && run->ValidDx);
    }
}

// Empty boxes: every finding 0, and the comment runs through every section
// in order for a grown patient.
TEST(DiagnosisRun, SectionsInOrder) {
    DxWorld world(0, 30);
    world.model.SOI = 2.5;
    world.ceph.LIFP = 5, world.ceph.UL = 0, world.ceph.LL = 0;
    const auto run = RunDiagnosis({}, {}, world.sources());
    ASSERT_TRUE(run);
    EXPECT_EQ(run->DxText,
              "상하악 교합 관계에서 비대칭이나 횡적 부조화는 없거나 미미하다. "
              "전치부 open bite 경향이 있으므로 이를 고려한 치료가 필요하다. "
              "상하악의 전후방 골격과 치열 관계는 정상적이다. "
              "소구치 발치 없이 치료하는 방법이 추천된다. "
              "Finishing 과정에서 상하악 전치부 크기 부조화를 고려해야 한다. ");
    EXPECT_EQ(run->Severity, 0);
}

TEST(DiagnosisRun, UnderTenNoExtractionNorClosing) {
    DxWorld world(0, 9.5);
    world.model.SOI = 2.5;
    for (double age : {9.5, 9.99}) {
        world.patient.AgeYear = age;
        const auto run = RunDiagnosis({}, {"", "9", "", "", "", "", "", "", ""}, world.sources());
        ASSERT_TRUE(run);
        EXPECT_FALSE(Has(run->DxText, "추천된다")) << age;
        EXPECT_FALSE(Has(run->DxText, "Finishing")) << age;
        EXPECT_TRUE(run->DxText.ends_with("영구치 맹출 후에 고정식 교정치료를 시행한다. ")) << age;
    }
}

// The left cross-bite is held in single precision: 1.99999999 becomes 2.
TEST(DiagnosisRun, LeftCrossBiteInSinglePrecision) {
    const DxWorld world;
    const auto run = RunDiagnosis(WithOptions(0, 0, 1, 1), {"", "", "", "", "", "", "", "1.99999999", "1.99999999"},
                                  world.sources());
    ASSERT_TRUE(run);
    EXPECT_EQ(run->CrossLt, 2.0f);
    EXPECT_TRUE(run->DxText.starts_with("하악 치열궁에 비하여 상악 치열궁이 약간 좁으므로 상악 확대가 필요할 수도 있다. "));
}

// A refused press hands back nothing, so the caller's record stays whole.
TEST(DiagnosisRun, RefusedRunLeavesNothing) {
    const DxWorld world;
    EXPECT_FALSE(RunDiagnosis({}, {"", "", "", "25", "", "", "", "", ""}, world.sources()));
    EXPECT_FALSE(RunDiagnosis({}, {"31", "", "", "", "", "", "", "", ""}, world.sources()));
}

// The incisor floor is applied by both presses alike, so pressing
// "발치 분석" first changes nothing of the diagnosis.
TEST(DiagnosisRun, SameDiagnosisInBothButtonOrders) {
    for (double lifp : {-3.0, 4.9, 5.0, 8.0}) {
        DxWorld world(1, 15, 2, -2);
        world.ceph.LIFP = lifp;
        const CephRecord before = world.ceph;
        const FindingsEntries e{"6", "7", "3", "1", "-1", "2", "1", "", ""};
        const FindingsRecord options = WithOptions(2, 1, 0, 0);
        const auto direct = RunDiagnosis(options, e, world.sources());
        const auto extFirst = RunExtraction(options, e, world.ceph);
        ASSERT_TRUE(direct && extFirst);
        const auto after = RunDiagnosis(*extFirst, e, world.sources());
        ASSERT_TRUE(after);
        EXPECT_EQ(direct->DxText, after->DxText) << lifp;
        EXPECT_EQ(direct->JarabakText, after->JarabakText) << lifp;
        EXPECT_EQ(direct->JarabakVal, after->JarabakVal) << lifp;
        EXPECT_EQ(direct->JarabakText, extFirst->JarabakText) << lifp;
        EXPECT_EQ(world.ceph.LIFP, before.LIFP);
    }
}

// The formula lines keep the value before the adjustment for sex and
// vertical pattern; the rules after it use the adjusted one.
TEST(DiagnosisRun, JarabakLineKeepsUnadjustedValue) {
    DxWorld world(1, 20, 2, 0);
    world.ceph.LIFP = 6;
    const auto run = RunDiagnosis({}, {"", "2", "2", "2", "2", "", "", "", ""}, world.sources());
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->JarabakText.starts_with(" 2.0/2 + 2.0/2 + (6.0-5) = 3.0")) << run->JarabakText;
    EXPECT_EQ(run->JarabakVal, 4);
}

}  // namespace
}  // namespace vt
