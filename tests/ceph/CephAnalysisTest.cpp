// The cephalometric analysis: range checks, derived values, score ladders, sentences and whole comments.
#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>
#include "ceph/CephEval.h"
#include "ceph/CephEvalSections.h"
#include "ceph/CephInputs.h"

namespace vt {
namespace {

// All 17 typed values in range.
const CephRecord kValid{.SNA = 82,
                        .SNB = 79,
                        .FA = 88,
                        .ABMP = 70,
                        .PFH = 80,
                        .AFH = 120,
                        .SNMP = 32,
                        .FMA = 25,
                        .PPMP = 25,
                        .Wits = -1,
                        .OPMP = 15,
                        .UISN = 105,
                        .IMPA = 95,
                        .UIFP = 9,
                        .LIFP = 6,
                        .UL = 0,
                        .LL = 1,
                        .MsgCephalo = {}};

TEST(CephInputs, EveryBoundIsExclusiveAndNonNumbersFail) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    using T = CephRecord;
    const struct {
        double CephRecord::*value;
        double low, high;
        bool angle;
    } rows[] = {{&T::SNMP, 2, 68, true},
                {&T::FMA, -6, 60, true},
                {&T::PPMP, -6, 60, true},
                {&T::SNA, 42, 121, true},
                {&T::SNB, 39, 118, true},
                {&T::FA, 49, 127, true},
                {&T::ABMP, 29, 113, true},
                {&T::OPMP, -12, 52, true},
                {&T::UISN, 55, 157, true},
                {&T::IMPA, 45, 145, true},
                {&T::PFH, 13, 161, false},
                {&T::AFH, 41, 206, false},
                {&T::Wits, -30, 26, false},
                {&T::UIFP, -15, 39, false},
                {&T::LIFP, -18, 36, false},
                {&T::UL, -14, 21, false},
                {&T::LL, -13, 22, false}};
    for (const auto& row : rows) {
        const struct {
            double value;
            bool passes;
        } probes[] = {{row.low, false},
                      {std::nextafter(row.low, inf), true},
                      {std::nextafter(row.high, -inf), true},
                      {row.high, false},
                      {std::nan(""), false},
                      {inf, false},
                      {-inf, false}};
        for (const auto& probe : probes) {
            CephRecord typed = kValid;
            typed.*row.value = probe.value;
            const CephValidity v = CheckCephTyped(typed);
            // A failure clears only the flag of the value's own group.
            EXPECT_EQ(std::tuple(v.ValidAngle, v.ValidOther, ApplyCephInputs(typed).has_value()),
                      std::tuple(probe.passes || !row.angle, probe.passes || row.angle, probe.passes))
                << row.low << " < " << probe.value;
        }
    }
}

// All twelve derived, the comment kept. Operand order decides two grades: 85.2 / 120 * 100 lies just above
// 71 (85.2 * 100 / 120 would not); 68.1 + (23.1 - 23.2) is exactly 68 ((68.1 + 23.1) - 23.2 falls below).
TEST(CephInputs, DerivedValuesKeepTheirOperandOrder) {
    using R = CephRecord;
    R current = kValid;
    current.MsgCephalo = "kept";
    const R r = ApplyCephInputs(current).value();
    const struct {
        double CephRecord::*value;
        double expected;
    } rows[] = {{&R::Sum, 392},
                {&R::ODI, 70},
                {&R::ANB, 3},
                {&R::SNPg, 81},
                {&R::ABA, -3},
                {&R::APDI, 85},
                {&R::UIPP, 112},
                {&R::FMIA, 60},
                {&R::IIA, 128},
                {&R::UIOP, 58},
                {&R::LIOP, 70},
                {&R::LL, 1}};
    for (const auto& row : rows) EXPECT_EQ(r.*row.value, row.expected) << row.expected;
    EXPECT_LT(std::abs(r.PFHAFH - 200.0 / 3), 1e-12) << "PFH/AFH " << r.PFHAFH;
    EXPECT_EQ(r.MsgCephalo, "kept") << "comment";
    CephRecord typed = kValid;
    typed.PFH = 85.2, typed.ABMP = 68.1, typed.FMA = 23.1, typed.PPMP = 23.2;
    const CephRecord o = ApplyCephInputs(typed).value();
    EXPECT_GT(o.PFHAFH, 71.0) << "PFH/AFH of PFH 85.2";
    EXPECT_EQ(o.ODI, 68.0) << "ODI of ABMP 68.1, FMA 23.1, PPMP 23.2";
}

using Section = void (*)(const CephRecord&, EvalGroup, EvalWork&);
using Six = std::array<double, 6>;  // M<11, M11-<14, M>=14, F<11, F11-<14, F>=14
constexpr Six Same(double v) { return {v, v, v, v, v, v}; }

// A normal band (ends included), `steps` grades of `width` each side; sign +1 when above scores positive.
TEST(CephEvalLadder, EveryThresholdForEveryGroup) {
    const struct {
        const char* name;
        double CephRecord::*field;
        Section section;
        int EvalWork::*score;
        int steps, width, sign;
        Six low, high;
    } ladders[] = {{"SNMP",
                    &CephRecord::SNMP,
                    EvalVertical,
                    &EvalWork::EvalScore1,
                    2,
                    4,
                    +1,
                    {32, 31, 30, 32, 31, 30},
                    {40, 39, 38, 40, 39, 38}},
                   {"PFHAFH",
                    &CephRecord::PFHAFH,
                    EvalVertical,
                    &EvalWork::EvalScore2,
                    1,
                    1,
                    -1,
                    {59, 62, 65, 59, 61, 63},
                    {67, 70, 73, 67, 69, 71}},
                   {"FMA",
                    &CephRecord::FMA,
                    EvalVertical,
                    &EvalWork::EvalScore3,
                    1,
                    1,
                    +1,
                    {25, 24, 23, 25, 24, 23},
                    {33, 32, 31, 33, 32, 31}},
                   {"ODI",
                    &CephRecord::ODI,
                    EvalVertical,
                    &EvalWork::EvalScore4,
                    1,
                    1,
                    -1,
                    {68, 67.5, 67, 68, 67.5, 67},
                    {78, 77.5, 77, 78, 77.5, 77}},
                   {"ANB",
                    &CephRecord::ANB,
                    EvalSagittal,
                    &EvalWork::EvalScore1,
                    6,
                    1,
                    +1,
                    {3, 2.5, 2, 3, 2.5, 2},
                    {5, 4.5, 4, 5, 4.5, 4}},
                   {"APDI",
                    &CephRecord::APDI,
                    EvalSagittal,
                    &EvalWork::EvalScore2,
                    2,
                    4,
                    -1,
                    {76, 77.5, 79, 76, 77.5, 79},
                    {84, 85.5, 87, 84, 85.5, 87}},
                   {"Wits", &CephRecord::Wits, EvalSagittal, &EvalWork::EvalScore3, 2, 2, +1, Same(-4), Same(0)},
                   {"UISN",
                    &CephRecord::UISN,
                    EvalInclination,
                    &EvalWork::EvalScore1,
                    2,
                    5,
                    +1,
                    {100, 101, 102, 100, 101, 102},
                    {110, 111, 112, 110, 111, 112}},
                   {"UIOP", &CephRecord::UIOP, EvalInclination, &EvalWork::EvalScore2, 3, 4, -1, Same(50), Same(58)},
                   {"IMPA", &CephRecord::IMPA, EvalInclination, &EvalWork::EvalScore3, 2, 5, +1, Same(90), Same(100)},
                   {"LIOP", &CephRecord::LIOP, EvalInclination, &EvalWork::EvalScore4, 3, 4, -1, Same(66), Same(74)},
                   {"UIFP", &CephRecord::UIFP, EvalPosition, &EvalWork::EvalScore1, 3, 3, +1, Same(6), Same(12)},
                   {"LIFP", &CephRecord::LIFP, EvalPosition, &EvalWork::EvalScore2, 3, 3, +1, Same(3), Same(9)},
                   {"UL",
                    &CephRecord::UL,
                    EvalLips,
                    &EvalWork::EvalScore1,
                    3,
                    2,
                    +1,
                    {-0.5, -1.5, -2.5, -1, -2, -3},
                    {3.5, 2.5, 1.5, 3, 2, 1}},
                   {"LL",
                    &CephRecord::LL,
                    EvalLips,
                    &EvalWork::EvalScore2,
                    3,
                    2,
                    +1,
                    {1.5, 0.5, -0.5, 1, 0, -1},
                    {5.5, 4.5, 3.5, 5, 4, 3}}};
    const struct {
        double age;
        int band;
    } ages[] = {{10.99, 0}, {11, 1}, {13.99, 1}, {14, 2}};
    for (const auto& s : ladders)
        for (std::int16_t sex : {0, 1})
            for (const auto& a : ages) {
                const double low = s.low[sex * 3 + a.band], high = s.high[sex * 3 + a.band];
                std::vector<double> values{-1000, 1000};  // and each threshold, at it and 0.01 either side
                for (int j = 0; j < s.steps; ++j)
                    for (double edge : {low - j * s.width, high + j * s.width})
                        values.insert(values.end(), {edge - 0.01, edge, edge + 0.01});
                for (double v : values) {
                    CephRecord record;
                    record.*s.field = v;
                    EvalWork work;
                    s.section(record, EvalGroupOf(sex, a.age), work);
                    int grades = 0;  // thresholds passed, strictly, on either side
                    for (int j = 0; j < s.steps; ++j) grades += (v > high + j * s.width) - (v < low - j * s.width);
                    EXPECT_EQ(work.*s.score, s.sign * grades)
                        << s.name << " sex " << sex << " age " << a.age << " value " << v;
                }
            }
}

// Inside every normal band of every group: the comment of this record is the normal one, made of the pieces below.
CephRecord Normal() {
    CephRecord r;
    r.SNMP = 34, r.PFHAFH = 66, r.FMA = 27, r.ODI = 72, r.ANB = 3.5, r.APDI = 82, r.Wits = -1;
    r.UISN = 105, r.UIOP = 54, r.IMPA = 95, r.LIOP = 70, r.UIFP = 9, r.LIFP = 6, r.UL = 0.5, r.LL = 2;
    return r;
}
const std::string kNormalVertical =
    "straight downward growth pattern을 보이고 있으며 골격적으로 open bite이나 deep bite 경향은 없거나 미미하다. ";
const std::string kNormalSagittal =
    "상악과 하악은 Class I에 가까운 골격 관계를 보이고 있고, 교합면을 기준으로 상하악 치조골은 Class I 경향을 보이고 "
    "있다. ";
const std::string kNormalInclination = "상하악 전치 각도는 모두 정상이다. ";
const std::string kNormalPosition = "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 ";
const std::string kNormalLips = "상하순의 위치는 모두 정상이다. ";

// Through the whole evaluation; men. SkelVert each side of 4, 2, -2 and -4, and every rung of the four ladders.
TEST(CephEvalSentence, VerticalRelation) {
    const char *vc = "vertical clockwise ", *hcc = "horizontal counter-clockwise ",
               *none = "open bite이나 deep bite 경향은 없거나 미미하다. ";
    const struct {
        double age, SNMP, PFHAFH, FMA, ODI;
        int skelVert;
        const char *growth, *bite;
    } rows[] = {{9, 45, 58, 34, 66, 5, vc, "open bite 경향이 크다. "},
                {30, 43, 60, 32, 70, 4, vc, "open bite 경향이 있다. "},
                {30, 43, 60, 27, 70, 3, vc, "open bite 경향이 있다. "},
                {30, 39, 60, 27, 70, 2, vc, none},
                {30, 34, 69, 27, 70, 0, "straight downward ", none},
                {30, 29, 75, 27, 70, -2, hcc, none},
                {30, 29, 75, 20, 70, -3, hcc, "deep bite 경향이 있다. "},
                {30, 25, 75, 20, 70, -4, hcc, "deep bite 경향이 있다. "},
                {30, 25, 75, 20, 80, -5, hcc, "deep bite 경향이 크다. "}};
    for (const auto& row : rows) {
        CephRecord r = Normal();
        r.SNMP = row.SNMP, r.PFHAFH = row.PFHAFH, r.FMA = row.FMA, r.ODI = row.ODI;
        const CephEvalResult result = CephEval(r, PatientRecord{"", "", 0, row.age, 0});
        EXPECT_EQ(result.MsgCephalo,
                  std::string("성장 양상이 ") + row.growth + "growth pattern을 보이고 있으며 골격적으로 " + row.bite +
                      kNormalSagittal + kNormalInclination + kNormalPosition + kNormalLips)
            << "SkelVert " << row.skelVert;
        EXPECT_EQ(result.scores.SkelVert, row.skelVert) << "SkelVert " << row.skelVert;
    }
}

// Through the whole evaluation; women of 25. SkelAP each side of 6, 3, 1, -1, -3, -6; every Wits score, which alone
// picks the alveolar sentence.
TEST(CephEvalSentence, SagittalRelation) {
    const struct {
        double ANB, Wits;
        int skelAP;
        const char *skeletal, *alveolar;
    } rows[] = {{9.5, 1, 7, "심한 Class II ", "약간 Class II "},
                {7.5, 3, 6, "Class II ", "Class II "},
                {7.5, -1, 4, "Class II ", "Class I "},
                {8.5, -7, 3, "약간 Class II ", "Class III "},
                {5.5, -1, 2, "약간 Class II ", "Class I "},
                {4.5, -1, 1, "Class I에 가까운 ", "Class I "},
                {1.5, -1, -1, "Class I에 가까운 ", "Class I "},
                {0.5, -1, -2, "약간 Class III ", "Class I "},
                {-0.5, -1, -3, "약간 Class III ", "Class I "},
                {-1.5, -1, -4, "Class III ", "Class I "},
                {-3.5, -1, -6, "Class III ", "Class I "},
                {-3.5, -5, -7, "심한 Class III ", "약간 Class III "}};
    for (const auto& row : rows) {
        CephRecord r = Normal();
        r.ANB = row.ANB, r.APDI = 83, r.Wits = row.Wits;
        const CephEvalResult result = CephEval(r, PatientRecord{"", "", 1, 25, 0});
        EXPECT_EQ(result.MsgCephalo,
                  "성장 양상이 " + kNormalVertical + "상악과 하악은 " + row.skeletal +
                      "골격 관계를 보이고 있고, 교합면을 기준으로 상하악 치조골은 " + row.alveolar +
                      "경향을 보이고 있다. " + kNormalInclination + kNormalPosition + kNormalLips)
            << "SkelAP " << row.skelAP;
        EXPECT_EQ(result.scores.SkelAP, row.skelAP) << "SkelAP " << row.skelAP;
    }
}

// Through the whole evaluation, one table per section, one row per rung: the values that reach the upper and the
// lower score and the text the section adds. Rows joined by both scores' sign or value come first, then rows that
// read one upper and one lower piece each. Inclinations of one sign share a sentence graded by the score nearer 0;
// positions and lips share one only when equal. Every upper and every lower piece is read once.
TEST(CephEvalSentence, PairsOfScores) {
    const PatientRecord man{"", "", 0, 30, 0}, woman{"", "", 1, 30, 0};
    // A man from 14: UISN below 97, 102 scores -2, -1, above 117, 112 scores 2, 1; UIOP below 42, 46, 50 scores 3, 2,
    // 1, above 66, 62, 58 scores -3, -2, -1; IMPA by 85, 90, 105, 100 and LIOP by 58, 62, 66, 82, 78, 74 alike.
    const struct {
        double UISN, UIOP, IMPA, LIOP;
        int UIIncl, LIIncl;
        const char* text;
    } inclinations[] = {
        {96, 70, 84, 79, -5, -4, "상하악 전치는 모두 현저하게 설측경사되어 있고 "},
        {96, 63, 89, 79, -4, -3, "상하악 전치는 모두 설측경사되어 있고 "},
        {101, 63, 84, 70, -3, -2, "상하악 전치는 모두 설측경사되어 있고 "},
        {96, 70, 84, 70, -5, -2, "상하악 전치는 모두 설측경사되어 있고 "},
        {107, 63, 89, 70, -2, -1, "상하악 전치는 모두 약간 설측경사되어 있고 "},
        {118, 41, 106, 61, 5, 4, "상하악 전치는 모두 현저하게 순측경사되어 있고 "},
        {118, 45, 106, 65, 4, 3, "상하악 전치는 모두 순측경사되어 있고 "},
        {118, 49, 106, 70, 3, 2, "상하악 전치는 모두 순측경사되어 있고 "},
        {113, 54, 106, 70, 1, 2, "상하악 전치는 모두 약간 순측경사되어 있고 "},
        {107, 54, 95, 70, 0, 0, "상하악 전치 각도는 모두 정상이다. "},
        {96, 63, 101, 70, -4, 1, "상악 전치는 현저하게 설측경사되어 있고 하악 전치는 약간 순측경사되어 있다. "},
        {101, 63, 106, 61, -3, 4, "상악 전치는 설측경사되어 있고 하악 전치는 현저하게 순측경사되어 있다. "},
        {101, 54, 95, 70, -1, 0, "상악 전치는 약간 설측경사되어 있고 하악 전치 각도는 정상이다. "},
        {118, 45, 89, 70, 4, -1, "상악 전치는 현저하게 순측경사되어 있고 하악 전치는 약간 설측경사되어 있다. "},
        {118, 49, 84, 79, 3, -4, "상악 전치는 순측경사되어 있고 하악 전치는 현저하게 설측경사되어 있다. "},
        {113, 54, 84, 70, 1, -2, "상악 전치는 약간 순측경사되어 있고 하악 전치는 설측경사되어 있다. "},
        {107, 54, 106, 70, 0, 2, "상악 전치 각도는 정상이고 하악 전치는 순측경사되어 있다. "}};
    for (const auto& row : inclinations) {  // named by the two scores
        CephRecord r = Normal();
        r.UISN = row.UISN, r.UIOP = row.UIOP, r.IMPA = row.IMPA, r.LIOP = row.LIOP;
        const CephEvalResult result = CephEval(r, man);
        EXPECT_EQ(result.MsgCephalo,
                  "성장 양상이 " + kNormalVertical + kNormalSagittal + row.text + kNormalPosition + kNormalLips)
            << row.UIIncl << " " << row.LIIncl;
        EXPECT_EQ(std::pair(result.scores.UIIncl, result.scores.LIIncl), std::pair(row.UIIncl, row.LIIncl))
            << row.UIIncl << " " << row.LIIncl;
    }

    // Scores: UIFP below 0, 3, 6 -3, -2, -1, above 18, 15, 12 3, 2, 1; LIFP the same from -3, 0, 3 and 15, 12, 9.
    const struct {
        const char* rung;
        double UIFP, LIFP;
        const char* text;
    } positions[] = {
        {"joint -3", -1, -4, "상하악 전치 모두 현저하게 후방에 위치하고 있으며 "},
        {"joint -2", 0, -3, "상하악 전치 모두 후방에 위치하고 있으며 "},
        {"joint -1", 5, 2, "상하악 전치 모두 약간 후방에 위치하어 있으며 "},
        {"joint 3", 19, 16, "상하악 전치 모두 현저하게 전방에 위치하고 있으며 "},
        {"joint 2", 16, 15, "상하악 전치 모두 전방에 위치하고 있으며 "},
        {"joint 1", 12.1, 10, "상하악 전치 모두 약간 전방에 위치하고 있으며 "},
        {"joint 0", 12, 9, "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 "},
        {"upper -3, lower -2", -1, -1, "상악 전치는 현저하게 후방에 하악 전치는 후방에 위치하고 있으며 "},
        {"upper -2, lower 3", 1, 16, "상악 전치는 후방에 하악 전치는 현저하게 전방에 위치하고 있으며 "},
        {"upper -1, lower -3", 5, -4, "상악 전치는 약간 후방에 하악 전치는 현저하게 후방에 위치하고 있으며 "},
        {"upper 3, lower 1", 19, 10, "상악 전치는 현저하게 전방에 하악 전치는 약간 전방에 위치하고 있으며 "},
        {"upper 2, lower 0", 16, 6, "상악 전치는 전방에 하악 전치는 정상 범위에 위치하고 있으며 "},
        {"upper 1, lower 2", 13, 13, "상악 전치는 약간 전방에 하악 전치는 전방에 위치하고 있으며 "},
        {"upper 0, lower -1", 6, 2, "상악 전치는 정상 범위에 하악 전치는 약간 후방에 위치하고 있으며 "}};
    for (const auto& row : positions) {
        CephRecord r = Normal();
        r.UIFP = row.UIFP, r.LIFP = row.LIFP;
        EXPECT_EQ(CephEval(r, man).MsgCephalo,
                  "성장 양상이 " + kNormalVertical + kNormalSagittal + kNormalInclination + row.text + kNormalLips)
            << row.rung;
    }

    // A woman from 14: UL below -7, -5, -3 scores -3, -2, -1, above 5, 3, 1 scores 3, 2, 1; LL by -5, -3, -1, 7, 5, 3.
    const struct {
        const char* rung;
        double UL, LL;
        const char* text;
    } lips[] = {{"joint -3", -7.1, -5.1, "상하순은 모두 현저하게 후퇴되어 있다. "},
                {"joint -2", -7, -5, "상하순은 모두 후퇴되어 있다. "},
                {"joint -1", -4, -2, "상하순은 모두 약간 후퇴되어 있다. "},
                {"joint 3", 5.1, 7.1, "상하순은 모두 현저하게 돌출되어 있다. "},
                {"joint 2", 5, 7, "상하순은 모두 돌출되어 있다. "},
                {"joint 1", 2, 4, "상하순은 모두 약간 돌출되어 있다. "},
                {"joint 0", 1, -1, "상하순의 위치는 모두 정상이다. "},
                {"upper -3, lower 2", -8, 6, "상순은 현저하게 후퇴되어 있고 하순은 돌출되어 있다. "},
                {"upper -2, lower -3", -6, -6, "상순은 후퇴되어 있고 하순은 현저하게 후퇴되어 있다. "},
                {"upper -1, lower -2", -4, -4, "상순은 약간 후퇴되어 있고 하순은 후퇴되어 있다. "},
                {"upper 3, lower 1", 6, 4, "상순은 현저하게 돌출되어 있고 하순은 약간 돌출되어 있다. "},
                {"upper 2, lower 0", 4, 0, "상순은 돌출되어 있고 하순의 위치는 정상이다. "},
                {"upper 1, lower 3", 2, 8, "상순은 약간 돌출되어 있고 하순은 현저하게 돌출되어 있다. "},
                {"upper 0, lower -1", 0, -2, "상순의 위치는 정상이고 하순은 약간 후퇴되어 있다. "}};
    for (const auto& row : lips) {
        CephRecord r = Normal();
        r.UL = row.UL, r.LL = row.LL;
        EXPECT_EQ(CephEval(r, woman).MsgCephalo,
                  "성장 양상이 " + kNormalVertical + kNormalSagittal + kNormalInclination + kNormalPosition + row.text)
            << row.rung;
    }
}

// A man of 30 with every section off the norm; for a sex other than 0 or 1 no rung holds.
TEST(CephEval, WholeComment) {
    CephRecord r;
    r.SNMP = 25, r.PFHAFH = 75, r.FMA = 20, r.ODI = 80, r.ANB = 8, r.APDI = 70, r.Wits = 3, r.UISN = 120, r.UIOP = 44;
    r.IMPA = 80, r.LIOP = 60, r.UIFP = -1, r.LIFP = 1, r.UL = 4, r.LL = 0;
    auto scores = [](const CephEvalResult& e) {
        return std::tuple(e.scores.SkelVert, e.scores.SkelAP, e.scores.UIIncl, e.scores.LIIncl);
    };
    for (int run = 0; run < 2; ++run) {  // rebuilt on every run, never doubled
        const CephEvalResult result = CephEval(r, PatientRecord{"", "", 0, 30, 0});
        EXPECT_EQ(
            result.MsgCephalo,
            "성장 양상이 horizontal counter-clockwise growth pattern을 보이고 있으며 골격적으로 deep bite 경향이 크다. "
            "상악과 하악은 심한 Class II 골격 관계를 보이고 있고, 교합면을 기준으로 상하악 치조골은 Class II 경향을 "
            "보이고 있다. 상악 전치는 "
            "현저하게 순측경사되어 있고 하악 전치 각도는 정상이다. 상악 전치는 현저하게 후방에 하악 전치는 약간 후방에 "
            "위치하고 있으며 상순은 돌출되어 있고 하순의 위치는 정상이다. ");
        EXPECT_EQ(scores(result), std::tuple(-5, 8, 4, 0));
    }
    EXPECT_EQ(scores(CephEval(r, PatientRecord{"", "", 2, 30, 0})), std::tuple(0, 0, 0, 0));
}

}  // namespace
}  // namespace vt
