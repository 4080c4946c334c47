// The sentences each section appends, chosen by sums and pairs of scores.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

std::string RunSection(void (*section)(const CephRecord&, EvalGroup, EvalWork&), const CephRecord& r,
                std::int16_t sex, double age, EvalWork& work) {
    section(r, EvalGroupOf(sex, age), work);
    return work.MsgCephalo;
}

struct VerticalRow {
    double age, SNMP, PFHAFH, FMA, ODI;
    int skelVert;
    const char* growth;    // direction and rotation pieces
    const char* sentence;  // the closing vertical sentence
};

// Men of 30 unless the age says otherwise; SkelVert at and beside 4, 2, -2, -4.
const VerticalRow kVerticalRows[] = {
    {9, 45, 58, 34, 66, 5, "vertical clockwise ", "open bite 경향이 크다. "},
    {30, 43, 60, 32, 66, 5, "vertical clockwise ", "open bite 경향이 크다. "},
    {30, 43, 60, 32, 70, 4, "vertical clockwise ", "open bite 경향이 있다. "},
    {30, 43, 60, 27, 70, 3, "vertical clockwise ", "open bite 경향이 있다. "},
    {30, 39, 60, 27, 70, 2, "vertical clockwise ", "open bite이나 deep bite 경향은 없거나 미미하다. "},
    {30, 34, 69, 27, 70, 0, "straight downward ", "open bite이나 deep bite 경향은 없거나 미미하다. "},
    {30, 29, 75, 27, 70, -2, "horizontal counter-clockwise ", "open bite이나 deep bite 경향은 없거나 미미하다. "},
    {30, 29, 75, 20, 70, -3, "horizontal counter-clockwise ", "deep bite 경향이 있다. "},
    {30, 25, 75, 20, 70, -4, "horizontal counter-clockwise ", "deep bite 경향이 있다. "},
    {30, 25, 75, 20, 80, -5, "horizontal counter-clockwise ", "deep bite 경향이 크다. "},
};

TEST(CephEvalSentence, VerticalRelation) {
    for (const VerticalRow& row : kVerticalRows) {
        CephRecord r;
        r.SNMP = row.SNMP; r.PFHAFH = row.PFHAFH; r.FMA = row.FMA; r.ODI = row.ODI;
        EvalWork work;
        const std::string msg = RunSection(EvalVertical, r, 0, row.age, work);
        EXPECT_EQ(work.scores.SkelVert, row.skelVert) << row.SNMP;
        EXPECT_EQ(msg, std::string(row.growth) + "growth pattern을 보이고 있으며 " + "골격적으로 " + row.sentence) << row.SNMP;
    }
}

struct SagittalRow {
    std::int16_t sex;
    double age, ANB, APDI, Wits;
    int skelAP;
    const char* skeletal;
    const char* alveolar;
};

// Women of 25 unless stated; SkelAP at and beside 6, 3, 1, -1, -3, -6.
const SagittalRow kSagittalRows[] = {
    {1, 25, 8, 70, 3, 8, "심한 Class II 골격 관계를 보이고 있고, ", "Class II 경향을 보이고 있다. "},
    {0, 12, 3.5, 81, -1, 0, "Class I에 가까운 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 8.5, 83, -7, 3, "약간 Class II 골격 관계를 보이고 있고, ", "Class III 경향을 보이고 있다. "},
    {1, 25, 9.5, 83, 1, 7, "심한 Class II 골격 관계를 보이고 있고, ", "약간 Class II 경향을 보이고 있다. "},
    {1, 25, 9.5, 83, -1, 6, "Class II 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 7.5, 83, -1, 4, "Class II 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 6.5, 83, -1, 3, "약간 Class II 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 5.5, 83, -1, 2, "약간 Class II 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 4.5, 83, -1, 1, "Class I에 가까운 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 1.5, 83, -1, -1, "Class I에 가까운 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, 0.5, 83, -1, -2, "약간 Class III 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, -0.5, 83, -1, -3, "약간 Class III 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, -1.5, 83, -1, -4, "Class III 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, -3.5, 83, -1, -6, "Class III 골격 관계를 보이고 있고, ", "Class I 경향을 보이고 있다. "},
    {1, 25, -3.5, 83, -5, -7, "심한 Class III 골격 관계를 보이고 있고, ", "약간 Class III 경향을 보이고 있다. "},
};

TEST(CephEvalSentence, SagittalRelation) {
    for (const SagittalRow& row : kSagittalRows) {
        CephRecord r;
        r.ANB = row.ANB; r.APDI = row.APDI; r.Wits = row.Wits;
        EvalWork work;
        const std::string msg = RunSection(EvalSagittal, r, row.sex, row.age, work);
        EXPECT_EQ(work.scores.SkelAP, row.skelAP) << row.ANB << " " << row.Wits;
        EXPECT_EQ(msg, std::string("상악과 하악은 ") + row.skeletal + "교합면을 기준으로 상하악 치조골은 " + row.alveolar)
            << row.ANB << " " << row.Wits;
    }
}

// Texts in their written order. Inclination: strong, plain, mild lingual,
// strong, plain, mild labial, normal. Position and lips: scores -3, -2, -1,
// 3, 2, 1, 0.
int InclinationIndex(int score) {
    static const std::map<int, int> index{{-5, 0}, {-4, 0}, {-3, 1}, {-2, 1}, {-1, 2}, {0, 6},
                                          {1, 5},  {2, 4},  {3, 4},  {4, 3},  {5, 3}};
    return index.at(score);
}
int PairIndex(int score) { return score < 0 ? score + 3 : (score > 0 ? 6 - score : 6); }

// Values that give each ladder score: angles of an adult man for the
// inclination, distances of a woman of 30 for position and lips.
double At(const std::map<int, double>& values, int score) { return values.at(score); }
const std::map<int, double> kUisn{{-2, 90}, {-1, 100}, {0, 107}, {1, 115}, {2, 120}};
const std::map<int, double> kUiop{{3, 40}, {2, 44}, {1, 48}, {0, 54}, {-1, 60}, {-2, 64}, {-3, 70}};
const std::map<int, double> kImpa{{-2, 80}, {-1, 88}, {0, 95}, {1, 102}, {2, 110}};
const std::map<int, double> kLiop{{3, 56}, {2, 60}, {1, 64}, {0, 70}, {-1, 76}, {-2, 80}, {-3, 84}};
const std::map<int, double> kUifp{{-3, -1}, {-2, 1}, {-1, 4}, {0, 9}, {1, 13}, {2, 16}, {3, 20}};
const std::map<int, double> kLifp{{-3, -4}, {-2, -1}, {-1, 1}, {0, 6}, {1, 10}, {2, 13}, {3, 16}};
const std::map<int, double> kUl{{-3, -8}, {-2, -6}, {-1, -4}, {0, 0}, {1, 2}, {2, 4}, {3, 6}};
const std::map<int, double> kLl{{-3, -6}, {-2, -4}, {-1, -2}, {0, 1}, {1, 4}, {2, 6}, {3, 8}};

struct PairSection {
    const char* name;
    void (*section)(const CephRecord&, EvalGroup, EvalWork&);
    std::int16_t sex;
    int maxScore;
    CephRecord (*record)(int up, int lo);
    std::pair<int, int> (*scores)(const EvalWork&);
    bool sharesBySign;  // else only equal scores share a sentence
    int (*index)(int score);
    const char* joint[7];
    const char* upper[7];
    const char* lower[7];
};

const PairSection kInclination{
    "inclination", EvalInclination, 0, 5,
    [](int up, int lo) {
        CephRecord r;
        r.UISN = At(kUisn, std::clamp(up, -2, 2));
        r.UIOP = At(kUiop, up - std::clamp(up, -2, 2));
        r.IMPA = At(kImpa, std::clamp(lo, -2, 2));
        r.LIOP = At(kLiop, lo - std::clamp(lo, -2, 2));
        return r;
    },
    [](const EvalWork& w) { return std::pair{w.scores.UIIncl, w.scores.LIIncl}; }, true, InclinationIndex,
    {"상하악 전치는 모두 현저하게 설측경사되어 있고 ", "상하악 전치는 모두 설측경사되어 있고 ", "상하악 전치는 모두 약간 설측경사되어 있고 ", "상하악 전치는 모두 현저하게 순측경사되어 있고 ", "상하악 전치는 모두 순측경사되어 있고 ", "상하악 전치는 모두 약간 순측경사되어 있고 ", "상하악 전치 각도는 모두 정상이다. "},
    {"상악 전치는 현저하게 설측경사되어 있고 ", "상악 전치는 설측경사되어 있고 ", "상악 전치는 약간 설측경사되어 있고 ", "상악 전치는 현저하게 순측경사되어 있고 ", "상악 전치는 순측경사되어 있고 ", "상악 전치는 약간 순측경사되어 있고 ", "상악 전치 각도는 정상이고 "},
    {"하악 전치는 현저하게 설측경사되어 있다. ", "하악 전치는 설측경사되어 있다. ", "하악 전치는 약간 설측경사되어 있다. ", "하악 전치는 현저하게 순측경사되어 있다. ", "하악 전치는 순측경사되어 있다. ", "하악 전치는 약간 순측경사되어 있다. ", "하악 전치 각도는 정상이다. "}};

std::pair<int, int> FirstTwo(const EvalWork& w) { return {w.EvalScore1, w.EvalScore2}; }

const PairSection kPosition{
    "position", EvalPosition, 1, 3,
    [](int up, int lo) {
        CephRecord r;
        r.UIFP = At(kUifp, up);
        r.LIFP = At(kLifp, lo);
        return r;
    },
    FirstTwo, false, PairIndex,
    {"상하악 전치 모두 현저하게 후방에 위치하고 있으며 ", "상하악 전치 모두 후방에 위치하고 있으며 ", "상하악 전치 모두 약간 후방에 위치하어 있으며 ", "상하악 전치 모두 현저하게 전방에 위치하고 있으며 ", "상하악 전치 모두 전방에 위치하고 있으며 ", "상하악 전치 모두 약간 전방에 위치하고 있으며 ", "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 "},
    {"상악 전치는 현저하게 후방에 ", "상악 전치는 후방에 ", "상악 전치는 약간 후방에 ", "상악 전치는 현저하게 전방에 ", "상악 전치는 전방에 ", "상악 전치는 약간 전방에 ", "상악 전치는 정상 범위에 "},
    {"하악 전치는 현저하게 후방에 위치하고 있으며 ", "하악 전치는 후방에 위치하고 있으며 ", "하악 전치는 약간 후방에 위치하고 있으며 ", "하악 전치는 현저하게 전방에 위치하고 있으며 ", "하악 전치는 전방에 위치하고 있으며 ", "하악 전치는 약간 전방에 위치하고 있으며 ", "하악 전치는 정상 범위에 위치하고 있으며 "}};

const PairSection kLips{
    "lips", EvalLips, 1, 3,
    [](int up, int lo) {
        CephRecord r;
        r.UL = At(kUl, up);
        r.LL = At(kLl, lo);
        return r;
    },
    FirstTwo, false, PairIndex,
    {"상하순은 모두 현저하게 후퇴되어 있다. ", "상하순은 모두 후퇴되어 있다. ", "상하순은 모두 약간 후퇴되어 있다. ", "상하순은 모두 현저하게 돌출되어 있다. ", "상하순은 모두 돌출되어 있다. ", "상하순은 모두 약간 돌출되어 있다. ", "상하순의 위치는 모두 정상이다. "},
    {"상순은 현저하게 후퇴되어 있고 ", "상순은 후퇴되어 있고 ", "상순은 약간 후퇴되어 있고 ", "상순은 현저하게 돌출되어 있고 ", "상순은 돌출되어 있고 ", "상순은 약간 돌출되어 있고 ", "상순의 위치는 정상이고 "},
    {"하순은 현저하게 후퇴되어 있다. ", "하순은 후퇴되어 있다. ", "하순은 약간 후퇴되어 있다. ", "하순은 현저하게 돌출되어 있다. ", "하순은 돌출되어 있다. ", "하순은 약간 돌출되어 있다. ", "하순의 위치는 정상이다. "}};

std::string PairText(const PairSection& p, int up, int lo, std::pair<int, int>* scores = nullptr) {
    EvalWork work;
    const std::string msg = RunSection(p.section, p.record(up, lo), p.sex, 30, work);
    if (scores) *scores = p.scores(work);
    return msg;
}

// A shared sentence takes the grade of the score nearer to 0.
TEST(CephEvalSentence, EveryPairOfScores) {
    for (const PairSection* p : {&kInclination, &kPosition, &kLips}) {
        for (int up = -p->maxScore; up <= p->maxScore; ++up) {
            for (int lo = -p->maxScore; lo <= p->maxScore; ++lo) {
                const bool shared = p->sharesBySign ? (up < 0) == (lo < 0) && (up > 0) == (lo > 0) : up == lo;
                const std::string expected =
                    shared ? p->joint[p->index(std::abs(up) < std::abs(lo) ? up : lo)]
                           : std::string(p->upper[p->index(up)]) + p->lower[p->index(lo)];
                std::pair<int, int> scores;
                EXPECT_EQ(PairText(*p, up, lo, &scores), expected) << p->name << " " << up << " " << lo;
                EXPECT_EQ(scores, std::pair(up, lo)) << p->name;
            }
        }
    }
}

TEST(CephEvalSentence, WrittenPairCases) {
    const struct { const PairSection* p; int up, lo; std::string text; } rows[] = {
        {&kInclination, -5, -2, "상하악 전치는 모두 설측경사되어 있고 "},
        {&kInclination, -1, 0, std::string("상악 전치는 약간 설측경사되어 있고 ") + "하악 전치 각도는 정상이다. "},
        {&kInclination, 3, -4, std::string("상악 전치는 순측경사되어 있고 ") + "하악 전치는 현저하게 설측경사되어 있다. "},
        {&kInclination, 0, 0, "상하악 전치 각도는 모두 정상이다. "},
        {&kPosition, 0, 0, "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 "},
        {&kPosition, -1, -1, "상하악 전치 모두 약간 후방에 위치하어 있으며 "},
        {&kPosition, -3, -2, std::string("상악 전치는 현저하게 후방에 ") + "하악 전치는 후방에 위치하고 있으며 "},
        {&kPosition, 2, 0, std::string("상악 전치는 전방에 ") + "하악 전치는 정상 범위에 위치하고 있으며 "},
        {&kLips, 0, 0, "상하순의 위치는 모두 정상이다. "},
        {&kLips, -1, -1, "상하순은 모두 약간 후퇴되어 있다. "},
        {&kLips, -1, -2, std::string("상순은 약간 후퇴되어 있고 ") + "하순은 후퇴되어 있다. "},
        {&kLips, 2, 0, std::string("상순은 돌출되어 있고 ") + "하순의 위치는 정상이다. "},
    };
    for (const auto& row : rows) EXPECT_EQ(PairText(*row.p, row.up, row.lo), row.text) << row.p->name << " " << row.up;
}

}  // namespace
}  // namespace vt
