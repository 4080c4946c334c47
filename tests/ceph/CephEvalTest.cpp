// Whole comments and scores of the evaluation.

#include <gtest/gtest.h>

#include "ceph/CephEval.h"

namespace vt {
namespace {

// The worked example of the form and a man of 30 with every section off the norm.
CephRecord Record(double SNMP, double PFHAFH, double FMA, double ODI, double ANB, double APDI, double Wits, double UISN,
                  double UIOP, double IMPA, double LIOP, double UIFP, double LIFP, double UL, double LL) {
    CephRecord r;
    r.SNMP = SNMP, r.PFHAFH = PFHAFH, r.FMA = FMA, r.ODI = ODI, r.ANB = ANB, r.APDI = APDI, r.Wits = Wits;
    r.UISN = UISN, r.UIOP = UIOP, r.IMPA = IMPA, r.LIOP = LIOP, r.UIFP = UIFP, r.LIFP = LIFP, r.UL = UL, r.LL = LL;
    return r;
}
const CephRecord kNormal = Record(32, 200.0 / 3, 25, 70, 3, 85, -1, 105, 58, 95, 70, 9, 6, 0, 1);
const CephRecord kMixed = Record(25, 75, 20, 80, 8, 70, 3, 120, 44, 80, 60, -1, 1, 4, 0);

const std::string kAllNormal =
    "성장 양상이 straight downward growth pattern을 보이고 있으며 골격적으로 open bite이나 deep bite 경향은 "
    "없거나 미미하다. 상악과 하악은 Class I에 가까운 골격 관계를 보이고 있고, 교합면을 기준으로 상하악 치조골은 "
    "Class I 경향을 보이고 있다. 상하악 전치 각도는 모두 정상이다. 상하악 전치 모두 전후방 정상 범위에 위치하고 "
    "있으며 상하순의 위치는 모두 정상이다. ";

TEST(CephEval, WholeComments) {
    const struct { const CephRecord* record; std::int16_t sex; double age; std::string text; EvalScores scores; } rows[] = {
        {&kNormal, 0, 15, kAllNormal, {0, 0, 0, 0}},
        {&kMixed, 0, 30,
         "성장 양상이 horizontal counter-clockwise growth pattern을 보이고 있으며 골격적으로 deep bite 경향이 크다. "
         "상악과 하악은 심한 Class II 골격 관계를 보이고 있고, 교합면을 기준으로 상하악 치조골은 Class II 경향을 "
         "보이고 있다. 상악 전치는 현저하게 순측경사되어 있고 하악 전치 각도는 정상이다. 상악 전치는 현저하게 "
         "후방에 하악 전치는 약간 후방에 위치하고 있으며 상순은 돌출되어 있고 하순의 위치는 정상이다. ",
         {-5, 8, 4, 0}},
        {&kMixed, 2, 30, kAllNormal, {0, 0, 0, 0}},  // a sex other than 0 or 1 lets no rung hold
    };
    for (const auto& row : rows) {
        PatientRecord patient;
        patient.Sex = row.sex;
        patient.AgeYear = row.age;
        for (int run = 0; run < 2; ++run) {  // rebuilt on every run, never doubled
            const CephEvalResult result = CephEval(*row.record, patient);
            EXPECT_EQ(result.MsgCephalo, row.text) << row.sex;
            EXPECT_EQ(result.scores.SkelVert, row.scores.SkelVert);
            EXPECT_EQ(result.scores.SkelAP, row.scores.SkelAP);
            EXPECT_EQ(result.scores.UIIncl, row.scores.UIIncl);
            EXPECT_EQ(result.scores.LIIncl, row.scores.LIIncl);
        }
    }
}

}  // namespace
}  // namespace vt
