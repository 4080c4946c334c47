// Whole comments and scores of the evaluation, from typed values and from a
// record, and the two cases where the order of arithmetic changes a grade.

#include <gtest/gtest.h>

#include "ceph/CephEval.h"
#include "ceph/CephInputs.h"

namespace vt {
namespace {

PatientRecord PatientOf(std::int16_t sex, double age) {
    PatientRecord p;
    p.Sex = sex;
    p.AgeYear = age;
    return p;
}

CephTyped NormalTyped() {
    CephTyped t;
    t.SNMP = 32; t.FMA = 25; t.PPMP = 25; t.PFH = 80; t.AFH = 120; t.SNA = 82; t.SNB = 79;
    t.FA = 88; t.ABMP = 70; t.Wits = -1; t.OPMP = 15; t.UISN = 105; t.IMPA = 95;
    t.UIFP = 9; t.LIFP = 6; t.UL = 0; t.LL = 1;
    return t;
}

const std::string kAllNormal = std::string("성장 양상이 ") + "straight " + "downward " + "growth pattern을 보이고 있으며 " +
                               "골격적으로 " + "open bite이나 deep bite 경향은 없거나 미미하다. " + "상악과 하악은 " + "Class I에 가까운 골격 관계를 보이고 있고, " + "교합면을 기준으로 상하악 치조골은 " +
                               "Class I 경향을 보이고 있다. " + "상하악 전치 각도는 모두 정상이다. " + "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 " + "상하순의 위치는 모두 정상이다. ";

TEST(CephEval, NormalPatientFromTypedValues) {
    const auto record = ApplyCephInputs(CephRecord{}, NormalTyped());
    ASSERT_TRUE(record.has_value());
    const CephEvalResult result = CephEval(*record, PatientOf(0, 15));
    EXPECT_EQ(result.MsgCephalo, kAllNormal);
    EXPECT_EQ(result.scores.SkelVert, 0);
    EXPECT_EQ(result.scores.SkelAP, 0);
    EXPECT_EQ(result.scores.UIIncl, 0);
    EXPECT_EQ(result.scores.LIIncl, 0);
    EXPECT_EQ(CephEval(*record, PatientOf(0, 15)).MsgCephalo, kAllNormal);  // rebuilt, not doubled
}

CephRecord MixedRecord() {
    CephRecord r;
    r.SNMP = 25; r.PFHAFH = 75; r.FMA = 20; r.ODI = 80;
    r.ANB = 8; r.APDI = 70; r.Wits = 3;
    r.UISN = 120; r.UIOP = 44; r.IMPA = 80; r.LIOP = 60;
    r.UIFP = -1; r.LIFP = 1;
    r.UL = 4; r.LL = 0;
    return r;
}

TEST(CephEval, ManOfThirtyWithEverySectionOffNorm) {
    const CephEvalResult result = CephEval(MixedRecord(), PatientOf(0, 30));
    const std::string expected = std::string("성장 양상이 ") + "horizontal " + "counter-clockwise " + "growth pattern을 보이고 있으며 " +
                                 "골격적으로 " + "deep bite 경향이 크다. " + "상악과 하악은 " + "심한 Class II 골격 관계를 보이고 있고, " + "교합면을 기준으로 상하악 치조골은 " +
                                 "Class II 경향을 보이고 있다. " + "상악 전치는 현저하게 순측경사되어 있고 " + "하악 전치 각도는 정상이다. " + "상악 전치는 현저하게 후방에 " +
                                 "하악 전치는 약간 후방에 위치하고 있으며 " + "상순은 돌출되어 있고 " + "하순의 위치는 정상이다. ";
    EXPECT_EQ(result.MsgCephalo, expected);
    EXPECT_EQ(result.scores.SkelVert, -5);
    EXPECT_EQ(result.scores.SkelAP, 8);
    EXPECT_EQ(result.scores.UIIncl, 4);
    EXPECT_EQ(result.scores.LIIncl, 0);
}

TEST(CephEval, OtherSexGradesEverythingNormal) {
    const CephEvalResult result = CephEval(MixedRecord(), PatientOf(2, 30));
    EXPECT_EQ(result.MsgCephalo, kAllNormal);
    EXPECT_EQ(result.scores.SkelVert, 0);
    EXPECT_EQ(result.scores.SkelAP, 0);
    EXPECT_EQ(result.scores.UIIncl, 0);
    EXPECT_EQ(result.scores.LIIncl, 0);
}

// 85.2 / 120 * 100 lies just above 71, the rotation threshold of women from
// 14; 85.2 * 100 / 120 would be exactly 71 and read as downward growth.
TEST(CephEval, FaceHeightRatioJustAboveSeventyOne) {
    CephTyped typed = NormalTyped();
    typed.PFH = 85.2;
    typed.AFH = 120;
    const auto record = ApplyCephInputs(CephRecord{}, typed);
    ASSERT_TRUE(record.has_value());
    for (double age : {14.0, 30.0}) {
        const std::string msg = CephEval(*record, PatientOf(1, age)).MsgCephalo;
        EXPECT_EQ(msg.rfind(std::string("성장 양상이 ") + "straight counter-clockwise ", 0), 0u) << age;
    }
}

// 68.1 + (23.1 - 23.2) is exactly 68, not below the ODI threshold of children
// under 11; (68.1 + 23.1) - 23.2 would fall below it and lift SkelVert by one.
TEST(CephEval, OverbiteIndicatorExactlySixtyEight) {
    CephTyped typed = NormalTyped();
    typed.ABMP = 68.1;
    typed.FMA = 23.1;
    typed.PPMP = 23.2;
    const auto record = ApplyCephInputs(CephRecord{}, typed);
    ASSERT_TRUE(record.has_value());
    for (std::int16_t sex : {0, 1}) {
        // SNMP and PFHAFH are normal, FMA 23.1 scores -1, ODI 68 scores 0.
        EXPECT_EQ(CephEval(*record, PatientOf(sex, 10.99)).scores.SkelVert, -1) << sex;
    }
}

}  // namespace
}  // namespace vt
