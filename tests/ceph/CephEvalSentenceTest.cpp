// The sentences each section appends, chosen by sums and pairs of scores.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

using Section = void (*)(const CephRecord&, EvalGroup, EvalWork&);

std::string RunSection(Section section, const CephRecord& r, std::int16_t sex, double age, EvalWork& work) {
    section(r, EvalGroupOf(sex, age), work);
    return work.MsgCephalo;
}

const char* const kVertical[] = {"open bite 경향이 크다. ", "open bite 경향이 있다. ",
                                 "open bite이나 deep bite 경향은 없거나 미미하다. ", "deep bite 경향이 있다. ",
                                 "deep bite 경향이 크다. "};

// Men; SkelVert at and beside 4, 2, -2, -4.
TEST(CephEvalSentence, VerticalRelation) {
    const struct { double age, SNMP, PFHAFH, FMA, ODI; int skelVert; const char* growth; int sentence; } rows[] = {
        {9, 45, 58, 34, 66, 5, "vertical clockwise ", 0},    {30, 43, 60, 32, 70, 4, "vertical clockwise ", 1},
        {30, 43, 60, 27, 70, 3, "vertical clockwise ", 1},   {30, 39, 60, 27, 70, 2, "vertical clockwise ", 2},
        {30, 34, 69, 27, 70, 0, "straight downward ", 2},    {30, 29, 75, 27, 70, -2, "horizontal counter-clockwise ", 2},
        {30, 29, 75, 20, 70, -3, "horizontal counter-clockwise ", 3}, {30, 25, 75, 20, 70, -4, "horizontal counter-clockwise ", 3},
        {30, 25, 75, 20, 80, -5, "horizontal counter-clockwise ", 4},
    };
    for (const auto& row : rows) {
        EvalWork work;
        CephRecord r;
        r.SNMP = row.SNMP, r.PFHAFH = row.PFHAFH, r.FMA = row.FMA, r.ODI = row.ODI;
        EXPECT_EQ(RunSection(EvalVertical, r, 0, row.age, work),
                  std::string(row.growth) + "growth pattern을 보이고 있으며 골격적으로 " + kVertical[row.sentence]);
        EXPECT_EQ(work.scores.SkelVert, row.skelVert);
    }
}

const char* const kSkeletal[] = {"심한 Class II ", "Class II ", "약간 Class II ", "Class I에 가까운 ",
                                 "약간 Class III ", "Class III ", "심한 Class III "};
const char* const kAlveolar[] = {"Class III ", "약간 Class III ", "Class I ", "약간 Class II ", "Class II "};

// Women of 25 unless stated; SkelAP at and beside 6, 3, 1, -1, -3, -6; every
// Wits score, which alone chooses the alveolar sentence (index = score + 2).
TEST(CephEvalSentence, SagittalRelation) {
    const struct { std::int16_t sex; double age, ANB, APDI, Wits; int skelAP, skeletal, wits; } rows[] = {
        {1, 25, 8, 70, 3, 8, 0, 2},       {0, 12, 3.5, 81, -1, 0, 3, 0},    {1, 25, 8.5, 83, -7, 3, 2, -2},
        {1, 25, 9.5, 83, 1, 7, 0, 1},     {1, 25, 9.5, 83, -1, 6, 1, 0},    {1, 25, 7.5, 83, -1, 4, 1, 0},
        {1, 25, 5.5, 83, -1, 2, 2, 0},    {1, 25, 4.5, 83, -1, 1, 3, 0},    {1, 25, 1.5, 83, -1, -1, 3, 0},
        {1, 25, 0.5, 83, -1, -2, 4, 0},   {1, 25, -0.5, 83, -1, -3, 4, 0},  {1, 25, -1.5, 83, -1, -4, 5, 0},
        {1, 25, -3.5, 83, -1, -6, 5, 0},  {1, 25, -3.5, 83, -5, -7, 6, -1},
    };
    for (const auto& row : rows) {
        EvalWork work;
        CephRecord r;
        r.ANB = row.ANB, r.APDI = row.APDI, r.Wits = row.Wits;
        EXPECT_EQ(RunSection(EvalSagittal, r, row.sex, row.age, work),
                  std::string("상악과 하악은 ") + kSkeletal[row.skeletal] + "골격 관계를 보이고 있고, " +
                      "교합면을 기준으로 상하악 치조골은 " + kAlveolar[row.wits + 2] + "경향을 보이고 있다. ")
            << row.ANB << " " << row.Wits;
        EXPECT_EQ(work.scores.SkelAP, row.skelAP) << row.ANB << " " << row.Wits;
    }
}

// Record values scoring (upper, lower) for a patient of 30: norm + 1.4 * score
// * SD, the SD negative where a small value scores positive. The inclination
// scores -5..5 are a first score of at most 2 either way and a second of the
// rest, graded 1, 2-3 and 4-5 either way.
struct PairSection {
    Section section;
    std::int16_t sex;
    int maxScore;
    bool sharesBySign;  // else only equal scores share a sentence
    double CephRecord::*fields[4];
    double norms[4], sds[4];
    const char* texts[3][7];  // joint sentence, upper piece, lower sentence by grade -3..3
};

const PairSection kPairs[] = {
    {EvalInclination, 0, 5, true, {&CephRecord::UISN, &CephRecord::UIOP, &CephRecord::IMPA, &CephRecord::LIOP},
     {107, 54, 95, 70}, {5, -4, 5, -4},
     {{"상하악 전치는 모두 현저하게 설측경사되어 있고 ", "상하악 전치는 모두 설측경사되어 있고 ", "상하악 전치는 모두 약간 설측경사되어 있고 ", "상하악 전치 각도는 모두 정상이다. ", "상하악 전치는 모두 약간 순측경사되어 있고 ", "상하악 전치는 모두 순측경사되어 있고 ", "상하악 전치는 모두 현저하게 순측경사되어 있고 "},
      {"상악 전치는 현저하게 설측경사되어 있고 ", "상악 전치는 설측경사되어 있고 ", "상악 전치는 약간 설측경사되어 있고 ", "상악 전치 각도는 정상이고 ", "상악 전치는 약간 순측경사되어 있고 ", "상악 전치는 순측경사되어 있고 ", "상악 전치는 현저하게 순측경사되어 있고 "},
      {"하악 전치는 현저하게 설측경사되어 있다. ", "하악 전치는 설측경사되어 있다. ", "하악 전치는 약간 설측경사되어 있다. ", "하악 전치 각도는 정상이다. ", "하악 전치는 약간 순측경사되어 있다. ", "하악 전치는 순측경사되어 있다. ", "하악 전치는 현저하게 순측경사되어 있다. "}}},
    {EvalPosition, 1, 3, false, {&CephRecord::UIFP, nullptr, &CephRecord::LIFP, nullptr}, {9, 0, 6, 0}, {3, 0, 3, 0},
     {{"상하악 전치 모두 현저하게 후방에 위치하고 있으며 ", "상하악 전치 모두 후방에 위치하고 있으며 ", "상하악 전치 모두 약간 후방에 위치하어 있으며 ", "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 ", "상하악 전치 모두 약간 전방에 위치하고 있으며 ", "상하악 전치 모두 전방에 위치하고 있으며 ", "상하악 전치 모두 현저하게 전방에 위치하고 있으며 "},
      {"상악 전치는 현저하게 후방에 ", "상악 전치는 후방에 ", "상악 전치는 약간 후방에 ", "상악 전치는 정상 범위에 ", "상악 전치는 약간 전방에 ", "상악 전치는 전방에 ", "상악 전치는 현저하게 전방에 "},
      {"하악 전치는 현저하게 후방에 위치하고 있으며 ", "하악 전치는 후방에 위치하고 있으며 ", "하악 전치는 약간 후방에 위치하고 있으며 ", "하악 전치는 정상 범위에 위치하고 있으며 ", "하악 전치는 약간 전방에 위치하고 있으며 ", "하악 전치는 전방에 위치하고 있으며 ", "하악 전치는 현저하게 전방에 위치하고 있으며 "}}},
    {EvalLips, 1, 3, false, {&CephRecord::UL, nullptr, &CephRecord::LL, nullptr}, {-1, 0, 1, 0}, {2, 0, 2, 0},
     {{"상하순은 모두 현저하게 후퇴되어 있다. ", "상하순은 모두 후퇴되어 있다. ", "상하순은 모두 약간 후퇴되어 있다. ", "상하순의 위치는 모두 정상이다. ", "상하순은 모두 약간 돌출되어 있다. ", "상하순은 모두 돌출되어 있다. ", "상하순은 모두 현저하게 돌출되어 있다. "},
      {"상순은 현저하게 후퇴되어 있고 ", "상순은 후퇴되어 있고 ", "상순은 약간 후퇴되어 있고 ", "상순의 위치는 정상이고 ", "상순은 약간 돌출되어 있고 ", "상순은 돌출되어 있고 ", "상순은 현저하게 돌출되어 있고 "},
      {"하순은 현저하게 후퇴되어 있다. ", "하순은 후퇴되어 있다. ", "하순은 약간 후퇴되어 있다. ", "하순의 위치는 정상이다. ", "하순은 약간 돌출되어 있다. ", "하순은 돌출되어 있다. ", "하순은 현저하게 돌출되어 있다. "}}},
};

std::string PairText(const PairSection& p, int up, int lo) {
    CephRecord r;
    for (int i : {0, 2}) {
        const int score = i == 0 ? up : lo;
        const int first = p.fields[i + 1] ? std::clamp(score, -2, 2) : score;
        r.*p.fields[i] = p.norms[i] + 1.4 * first * p.sds[i];
        if (p.fields[i + 1]) r.*p.fields[i + 1] = p.norms[i + 1] + 1.4 * (score - first) * p.sds[i + 1];
    }
    EvalWork work;
    return RunSection(p.section, r, p.sex, 30, work);
}

int Grade(const PairSection& p, int score) {
    const int g = p.sharesBySign && std::abs(score) > 1 ? (std::abs(score) + 2) / 2 : std::abs(score);
    return 3 + (score < 0 ? -g : g);
}

// A shared sentence takes the grade of the score nearer to 0.
TEST(CephEvalSentence, EveryPairOfScores) {
    for (const PairSection& p : kPairs) {
        for (int up = -p.maxScore; up <= p.maxScore; ++up) {
            for (int lo = -p.maxScore; lo <= p.maxScore; ++lo) {
                const bool shared = p.sharesBySign ? (up < 0) == (lo < 0) && (up > 0) == (lo > 0) : up == lo;
                const std::string expected = shared ? p.texts[0][Grade(p, std::abs(up) < std::abs(lo) ? up : lo)]
                                                    : std::string(p.texts[1][Grade(p, up)]) + p.texts[2][Grade(p, lo)];
                EXPECT_EQ(PairText(p, up, lo), expected) << p.maxScore << " " << up << " " << lo;
            }
        }
    }
}

TEST(CephEvalSentence, WrittenPairCases) {
    const struct { int section, up, lo; const char* text; } rows[] = {
        {0, -5, -2, "상하악 전치는 모두 설측경사되어 있고 "}, {0, 0, 0, "상하악 전치 각도는 모두 정상이다. "},
        {0, -1, 0, "상악 전치는 약간 설측경사되어 있고 하악 전치 각도는 정상이다. "},
        {0, 3, -4, "상악 전치는 순측경사되어 있고 하악 전치는 현저하게 설측경사되어 있다. "},
        {1, 0, 0, "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 "}, {1, -1, -1, "상하악 전치 모두 약간 후방에 위치하어 있으며 "},
        {1, -3, -2, "상악 전치는 현저하게 후방에 하악 전치는 후방에 위치하고 있으며 "},
        {1, 2, 0, "상악 전치는 전방에 하악 전치는 정상 범위에 위치하고 있으며 "},
        {2, 0, 0, "상하순의 위치는 모두 정상이다. "}, {2, -1, -1, "상하순은 모두 약간 후퇴되어 있다. "},
        {2, -1, -2, "상순은 약간 후퇴되어 있고 하순은 후퇴되어 있다. "}, {2, 2, 0, "상순은 돌출되어 있고 하순의 위치는 정상이다. "},
    };
    for (const auto& row : rows) EXPECT_EQ(PairText(kPairs[row.section], row.up, row.lo), row.text) << row.section;
}

}  // namespace
}  // namespace vt
