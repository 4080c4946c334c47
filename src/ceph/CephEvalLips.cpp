// Lips: the upper and lower lip against the line from nose tip to soft-tissue
// pogonion, two millimetres a step from the norm of the patient's group.
// Negative scores are retrusive, positive protrusive.

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

constexpr ScoreRung kUlRungs[] = {
    {Cmp::Below, {-4.5, -5.5, -6.5, -5, -6, -7}, -3, ""},
    {Cmp::Below, {-2.5, -3.5, -4.5, -3, -4, -5}, -2, ""},
    {Cmp::Below, {-0.5, -1.5, -2.5, -1, -2, -3}, -1, ""},
    {Cmp::Above, {7.5, 6.5, 5.5, 7, 6, 5}, 3, ""},
    {Cmp::Above, {5.5, 4.5, 3.5, 5, 4, 3}, 2, ""},
    {Cmp::Above, {3.5, 2.5, 1.5, 3, 2, 1}, 1, ""},
};
constexpr ScoreLadder kUl{kUlRungs, ""};

constexpr ScoreRung kLlRungs[] = {
    {Cmp::Below, {-2.5, -3.5, -4.5, -3, -4, -5}, -3, ""},
    {Cmp::Below, {-0.5, -1.5, -2.5, -1, -2, -3}, -2, ""},
    {Cmp::Below, {1.5, 0.5, -0.5, 1, 0, -1}, -1, ""},
    {Cmp::Above, {9.5, 8.5, 7.5, 9, 8, 7}, 3, ""},
    {Cmp::Above, {7.5, 6.5, 5.5, 7, 6, 5}, 2, ""},
    {Cmp::Above, {5.5, 4.5, 3.5, 5, 4, 3}, 1, ""},
};
constexpr ScoreLadder kLl{kLlRungs, ""};

constexpr PairRung kLipRungs[] = {
    {Cmp::Equal,
     -3,
     "상하순은 모두 현저하게 후퇴되어 있다. ",
     "상순은 현저하게 후퇴되어 있고 ",
     "하순은 현저하게 후퇴되어 있다. "},
    {Cmp::Equal, -2, "상하순은 모두 후퇴되어 있다. ", "상순은 후퇴되어 있고 ", "하순은 후퇴되어 있다. "},
    {Cmp::Equal, -1, "상하순은 모두 약간 후퇴되어 있다. ", "상순은 약간 후퇴되어 있고 ", "하순은 약간 후퇴되어 있다. "},
    {Cmp::Equal,
     3,
     "상하순은 모두 현저하게 돌출되어 있다. ",
     "상순은 현저하게 돌출되어 있고 ",
     "하순은 현저하게 돌출되어 있다. "},
    {Cmp::Equal, 2, "상하순은 모두 돌출되어 있다. ", "상순은 돌출되어 있고 ", "하순은 돌출되어 있다. "},
    {Cmp::Equal, 1, "상하순은 모두 약간 돌출되어 있다. ", "상순은 약간 돌출되어 있고 ", "하순은 약간 돌출되어 있다. "},
    {Cmp::Equal, 0, "상하순의 위치는 모두 정상이다. ", "상순의 위치는 정상이고 ", "하순의 위치는 정상이다. "},
};

}  // namespace

void EvalLips(const CephRecord& record, EvalGroup group, EvalWork& work) {
    work.EvalScore1 = GradeMeasurement(kUl, record.UL, group).score;
    work.EvalScore2 = GradeMeasurement(kLl, record.LL, group).score;
    work.MsgCephalo += PairSentence(kLipRungs, work.EvalScore1, work.EvalScore2);
}

}  // namespace vt
