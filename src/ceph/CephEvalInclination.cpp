// Incisor inclination: the upper incisor from UISN and UIOP, the lower from
// IMPA and LIOP. Negative scores are retroclined, positive proclined; a
// small angle to the occlusal plane is a proclined incisor.

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

constexpr ScoreRung kUisnRungs[] = {
    {Cmp::Below, {95, 96, 97, 95, 96, 97}, -2, ""},
    {Cmp::Below, {100, 101, 102, 100, 101, 102}, -1, ""},
    {Cmp::Above, {115, 116, 117, 115, 116, 117}, 2, ""},
    {Cmp::Above, {110, 111, 112, 110, 111, 112}, 1, ""},
};
constexpr ScoreLadder kUisn{kUisnRungs, ""};

constexpr ScoreRung kUiopRungs[] = {
    {Cmp::Below, AllGroups(42), 3, ""},
    {Cmp::Below, AllGroups(46), 2, ""},
    {Cmp::Below, AllGroups(50), 1, ""},
    {Cmp::Above, AllGroups(66), -3, ""},
    {Cmp::Above, AllGroups(62), -2, ""},
    {Cmp::Above, AllGroups(58), -1, ""},
};
constexpr ScoreLadder kUiop{kUiopRungs, ""};

constexpr ScoreRung kImpaRungs[] = {
    {Cmp::Below, AllGroups(85), -2, ""},
    {Cmp::Below, AllGroups(90), -1, ""},
    {Cmp::Above, AllGroups(105), 2, ""},
    {Cmp::Above, AllGroups(100), 1, ""},
};
constexpr ScoreLadder kImpa{kImpaRungs, ""};

constexpr ScoreRung kLiopRungs[] = {
    {Cmp::Below, AllGroups(58), 3, ""},
    {Cmp::Below, AllGroups(62), 2, ""},
    {Cmp::Below, AllGroups(66), 1, ""},
    {Cmp::Above, AllGroups(82), -3, ""},
    {Cmp::Above, AllGroups(78), -2, ""},
    {Cmp::Above, AllGroups(74), -1, ""},
};
constexpr ScoreLadder kLiop{kLiopRungs, ""};

// Two scores of the same sign share one sentence graded by the score nearer
// to 0; the last row is the all-normal joint and the normal fallback.
constexpr PairRung kInclinationRungs[] = {
    {Cmp::Below,
     -3,
     "상하악 전치는 모두 현저하게 설측경사되어 있고 ",
     "상악 전치는 현저하게 설측경사되어 있고 ",
     "하악 전치는 현저하게 설측경사되어 있다. "},
    {Cmp::Below,
     -1,
     "상하악 전치는 모두 설측경사되어 있고 ",
     "상악 전치는 설측경사되어 있고 ",
     "하악 전치는 설측경사되어 있다. "},
    {Cmp::Below,
     0,
     "상하악 전치는 모두 약간 설측경사되어 있고 ",
     "상악 전치는 약간 설측경사되어 있고 ",
     "하악 전치는 약간 설측경사되어 있다. "},
    {Cmp::Above,
     3,
     "상하악 전치는 모두 현저하게 순측경사되어 있고 ",
     "상악 전치는 현저하게 순측경사되어 있고 ",
     "하악 전치는 현저하게 순측경사되어 있다. "},
    {Cmp::Above,
     1,
     "상하악 전치는 모두 순측경사되어 있고 ",
     "상악 전치는 순측경사되어 있고 ",
     "하악 전치는 순측경사되어 있다. "},
    {Cmp::Above,
     0,
     "상하악 전치는 모두 약간 순측경사되어 있고 ",
     "상악 전치는 약간 순측경사되어 있고 ",
     "하악 전치는 약간 순측경사되어 있다. "},
    {Cmp::Equal, 0, "상하악 전치 각도는 모두 정상이다. ", "상악 전치 각도는 정상이고 ", "하악 전치 각도는 정상이다. "},
};

}  // namespace

void EvalInclination(const CephRecord& record, EvalGroup group, EvalWork& work) {
    work.EvalScore1 = GradeMeasurement(kUisn, record.UISN, group).score;
    work.EvalScore2 = GradeMeasurement(kUiop, record.UIOP, group).score;
    work.EvalScore3 = GradeMeasurement(kImpa, record.IMPA, group).score;
    work.EvalScore4 = GradeMeasurement(kLiop, record.LIOP, group).score;
    work.scores.UIIncl = work.EvalScore1 + work.EvalScore2;
    work.scores.LIIncl = work.EvalScore3 + work.EvalScore4;

    work.MsgCephalo += PairSentence(kInclinationRungs, work.scores.UIIncl, work.scores.LIIncl);
}

}  // namespace vt
