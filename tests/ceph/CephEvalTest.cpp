// The comment of the evaluation: the sentences each section appends, chosen
// by sums and pairs of scores, and whole comments with their scores.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ceph/CephEval.h"
#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

using Section = void (*)(const CephRecord&, EvalGroup, EvalWork&);

std::string RunSection(Section section, const CephRecord& r, std::int16_t sex, double age, EvalWork& work) {
    section(r, EvalGroupOf(sex, age), work);
    return work.MsgCephalo;
}

// Men; SkelVert at and beside 4, 2, -2, -4.
TEST(CephEvalSentence, VerticalRelation) {
    const struct { double age, SNMP, PFHAFH, FMA, ODI; int skelVert; const char *growth, *bite; } rows[] = {
        {9, 45, 58, 34, 66, 5, "vertical clockwise ", "open bite 경향이 크다. "},
        {30, 43, 60, 32, 70, 4, "vertical clockwise ", "open bite 경향이 있다. "},
        {30, 43, 60, 27, 70, 3, "vertical clockwise ", "open bite 경향이 있다. "},
        {30, 39, 60, 27, 70, 2, "vertical clockwise ", "open bite이나 deep bite 경향은 없거나 미미하다. "},
        {30, 34, 69, 27, 70, 0, "straight downward ", "open bite이나 deep bite 경향은 없거나 미미하다. "},
        {30, 29, 75, 27, 70, -2, "horizontal counter-clockwise ", "open bite이나 deep bite 경향은 없거나 미미하다. "},
        {30, 29, 75, 20, 70, -3, "horizontal counter-clockwise ", "deep bite 경향이 있다. "},
        {30, 25, 75, 20, 70, -4, "horizontal counter-clockwise ", "deep bite 경향이 있다. "},
        {30, 25, 75, 20, 80, -5, "horizontal counter-clockwise ", "deep bite 경향이 크다. "},
    };
    for (const auto& row : rows) {
        EvalWork work;
        CephRecord r;
        r.SNMP = row.SNMP, r.PFHAFH = row.PFHAFH, r.FMA = row.FMA, r.ODI = row.ODI;
        EXPECT_EQ(RunSection(EvalVertical, r, 0, row.age, work),
                  std::string(row.growth) + "growth pattern을 보이고 있으며 골격적으로 " + row.bite);
        EXPECT_EQ(work.scores.SkelVert, row.skelVert);
    }
}

// Women of 25 unless stated; SkelAP at and beside 6, 3, 1, -1, -3, -6; every
// Wits score, which alone chooses the alveolar sentence.
TEST(CephEvalSentence, SagittalRelation) {
    const struct { std::int16_t sex; double age, ANB, APDI, Wits; int skelAP; const char *skeletal, *alveolar; } rows[] = {
        {1, 25, 8, 70, 3, 8, "심한 Class II ", "Class II "},       {0, 12, 3.5, 81, -1, 0, "Class I에 가까운 ", "Class I "},
        {1, 25, 8.5, 83, -7, 3, "약간 Class II ", "Class III "},   {1, 25, 9.5, 83, 1, 7, "심한 Class II ", "약간 Class II "},
        {1, 25, 9.5, 83, -1, 6, "Class II ", "Class I "},          {1, 25, 7.5, 83, -1, 4, "Class II ", "Class I "},
        {1, 25, 5.5, 83, -1, 2, "약간 Class II ", "Class I "},     {1, 25, 4.5, 83, -1, 1, "Class I에 가까운 ", "Class I "},
        {1, 25, 1.5, 83, -1, -1, "Class I에 가까운 ", "Class I "}, {1, 25, 0.5, 83, -1, -2, "약간 Class III ", "Class I "},
        {1, 25, -0.5, 83, -1, -3, "약간 Class III ", "Class I "},  {1, 25, -1.5, 83, -1, -4, "Class III ", "Class I "},
        {1, 25, -3.5, 83, -1, -6, "Class III ", "Class I "},       {1, 25, -3.5, 83, -5, -7, "심한 Class III ", "약간 Class III "},
    };
    for (const auto& row : rows) {
        EvalWork work;
        CephRecord r;
        r.ANB = row.ANB, r.APDI = row.APDI, r.Wits = row.Wits;
        EXPECT_EQ(RunSection(EvalSagittal, r, row.sex, row.age, work),
                  std::string("상악과 하악은 ") + row.skeletal + "골격 관계를 보이고 있고, " +
                      "교합면을 기준으로 상하악 치조골은 " + row.alveolar + "경향을 보이고 있다. ")
            << row.ANB << " " << row.Wits;
        EXPECT_EQ(work.scores.SkelAP, row.skelAP) << row.ANB << " " << row.Wits;
    }
}

// Record values scoring (upper, lower) for a man of 30, norm + 1.4 * score *
// SD: an inclination score is a first score of at most 2 either way (UISN,
// IMPA) and a second of the rest (UIOP, LIOP, where small values score high).
CephRecord Scoring(int section, int up, int lo) {
    CephRecord r;
    const int up1 = std::clamp(up, -2, 2), lo1 = std::clamp(lo, -2, 2);
    if (section == 0) {
        r.UISN = 107 + 7 * up1, r.UIOP = 54 - 5.6 * (up - up1);
        r.IMPA = 95 + 7 * lo1, r.LIOP = 70 - 5.6 * (lo - lo1);
    }
    if (section == 1) r.UIFP = 9 + 4.2 * up, r.LIFP = 6 + 4.2 * lo;
    if (section == 2) r.UL = -0.5 + 2.8 * up, r.LL = 1.5 + 2.8 * lo;
    return r;
}

// Inclinations of one sign share a sentence graded by the score nearer to 0;
// positions and lips share one only when equal.
TEST(CephEvalSentence, PairsOfScores) {
    const Section sections[] = {EvalInclination, EvalPosition, EvalLips};
    const struct { int section, up, lo; const char* text; } rows[] = {
        {0, -5, -4, "상하악 전치는 모두 현저하게 설측경사되어 있고 "}, {0, -4, -3, "상하악 전치는 모두 설측경사되어 있고 "},
        {0, -2, -1, "상하악 전치는 모두 약간 설측경사되어 있고 "},     {0, 0, 0, "상하악 전치 각도는 모두 정상이다. "},
        {0, 1, 2, "상하악 전치는 모두 약간 순측경사되어 있고 "},       {0, 4, 3, "상하악 전치는 모두 순측경사되어 있고 "},
        {0, 5, 4, "상하악 전치는 모두 현저하게 순측경사되어 있고 "},
        {0, -1, 0, "상악 전치는 약간 설측경사되어 있고 하악 전치 각도는 정상이다. "},
        {0, 3, -4, "상악 전치는 순측경사되어 있고 하악 전치는 현저하게 설측경사되어 있다. "},
        {1, 0, 0, "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 "}, {1, -1, -1, "상하악 전치 모두 약간 후방에 위치하어 있으며 "},
        {1, 3, 3, "상하악 전치 모두 현저하게 전방에 위치하고 있으며 "},
        {1, -3, -2, "상악 전치는 현저하게 후방에 하악 전치는 후방에 위치하고 있으며 "},
        {1, 1, 2, "상악 전치는 약간 전방에 하악 전치는 전방에 위치하고 있으며 "},
        {2, 0, 0, "상하순의 위치는 모두 정상이다. "}, {2, -1, -1, "상하순은 모두 약간 후퇴되어 있다. "},
        {2, 3, 3, "상하순은 모두 현저하게 돌출되어 있다. "},
        {2, -1, -2, "상순은 약간 후퇴되어 있고 하순은 후퇴되어 있다. "}, {2, 2, 0, "상순은 돌출되어 있고 하순의 위치는 정상이다. "},
    };
    for (const auto& row : rows) {
        EvalWork work;
        EXPECT_EQ(RunSection(sections[row.section], Scoring(row.section, row.up, row.lo), 0, 30, work), row.text)
            << row.section << " " << row.up << " " << row.lo;
    }
}

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
