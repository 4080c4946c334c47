// Incisor position: the distances of the upper and lower incisor tips from
// the facial plane. Negative scores stand too far back, positive too far
// forward. The pieces run on into the lip sentence.

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

constexpr ScoreRung kUifpRungs[] = {
    {Cmp::Below, AllGroups(0), -3, ""},
    {Cmp::Below, AllGroups(3), -2, ""},
    {Cmp::Below, AllGroups(6), -1, ""},
    {Cmp::Above, AllGroups(18), 3, ""},
    {Cmp::Above, AllGroups(15), 2, ""},
    {Cmp::Above, AllGroups(12), 1, ""},
};
constexpr ScoreLadder kUifp{kUifpRungs, ""};

constexpr ScoreRung kLifpRungs[] = {
    {Cmp::Below, AllGroups(-3), -3, ""},
    {Cmp::Below, AllGroups(0), -2, ""},
    {Cmp::Below, AllGroups(3), -1, ""},
    {Cmp::Above, AllGroups(15), 3, ""},
    {Cmp::Above, AllGroups(12), 2, ""},
    {Cmp::Above, AllGroups(9), 1, ""},
};
constexpr ScoreLadder kLifp{kLifpRungs, ""};

// Only equal scores share a sentence; the upper piece has no verb of its
// own and leans on the lower sentence's.
constexpr PairRung kPositionRungs[] = {
    {Cmp::Equal,
     -3,
     "상하악 전치 모두 현저하게 후방에 위치하고 있으며 ",
     "상악 전치는 현저하게 후방에 ",
     "하악 전치는 현저하게 후방에 위치하고 있으며 "},
    {Cmp::Equal,
     -2,
     "상하악 전치 모두 후방에 위치하고 있으며 ",
     "상악 전치는 후방에 ",
     "하악 전치는 후방에 위치하고 있으며 "},
    {Cmp::Equal,
     -1,
     "상하악 전치 모두 약간 후방에 위치하어 있으며 ",
     "상악 전치는 약간 후방에 ",
     "하악 전치는 약간 후방에 위치하고 있으며 "},
    {Cmp::Equal,
     3,
     "상하악 전치 모두 현저하게 전방에 위치하고 있으며 ",
     "상악 전치는 현저하게 전방에 ",
     "하악 전치는 현저하게 전방에 위치하고 있으며 "},
    {Cmp::Equal,
     2,
     "상하악 전치 모두 전방에 위치하고 있으며 ",
     "상악 전치는 전방에 ",
     "하악 전치는 전방에 위치하고 있으며 "},
    {Cmp::Equal,
     1,
     "상하악 전치 모두 약간 전방에 위치하고 있으며 ",
     "상악 전치는 약간 전방에 ",
     "하악 전치는 약간 전방에 위치하고 있으며 "},
    {Cmp::Equal,
     0,
     "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 ",
     "상악 전치는 정상 범위에 ",
     "하악 전치는 정상 범위에 위치하고 있으며 "},
};

}  // namespace

void EvalPosition(const CephRecord& record, EvalGroup group, EvalWork& work) {
    work.EvalScore1 = GradeMeasurement(kUifp, record.UIFP, group).score;
    work.EvalScore2 = GradeMeasurement(kLifp, record.LIFP, group).score;
    work.MsgCephalo += PairSentence(kPositionRungs, work.EvalScore1, work.EvalScore2);
}

}  // namespace vt
