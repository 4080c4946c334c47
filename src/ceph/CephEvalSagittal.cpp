// Sagittal relation: ANB, APDI and Wits summed into SkelAP, which chooses the
// skeletal sentence; the Wits score alone chooses the alveolar sentence.

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

// One point per degree outside the normal band, up to six either way.
constexpr ScoreRung kAnbRungs[] = {
    {Cmp::Below, {-2, -2.5, -3, -2, -2.5, -3}, -6, ""},
    {Cmp::Below, {-1, -1.5, -2, -1, -1.5, -2}, -5, ""},
    {Cmp::Below, {0, -0.5, -1, 0, -0.5, -1}, -4, ""},
    {Cmp::Below, {1, 0.5, 0, 1, 0.5, 0}, -3, ""},
    {Cmp::Below, {2, 1.5, 1, 2, 1.5, 1}, -2, ""},
    {Cmp::Below, {3, 2.5, 2, 3, 2.5, 2}, -1, ""},
    {Cmp::Above, {10, 9.5, 9, 10, 9.5, 9}, 6, ""},
    {Cmp::Above, {9, 8.5, 8, 9, 8.5, 8}, 5, ""},
    {Cmp::Above, {8, 7.5, 7, 8, 7.5, 7}, 4, ""},
    {Cmp::Above, {7, 6.5, 6, 7, 6.5, 6}, 3, ""},
    {Cmp::Above, {6, 5.5, 5, 6, 5.5, 5}, 2, ""},
    {Cmp::Above, {5, 4.5, 4, 5, 4.5, 4}, 1, ""},
};
constexpr ScoreLadder kAnb{kAnbRungs, ""};

// A small APDI points to Class II, hence the positive scores below the norm.
constexpr ScoreRung kApdiRungs[] = {
    {Cmp::Below, {72, 73.5, 75, 72, 73.5, 75}, 2, ""},
    {Cmp::Below, {76, 77.5, 79, 76, 77.5, 79}, 1, ""},
    {Cmp::Above, {88, 89.5, 91, 88, 89.5, 91}, -2, ""},
    {Cmp::Above, {84, 85.5, 87, 84, 85.5, 87}, -1, ""},
};
constexpr ScoreLadder kApdi{kApdiRungs, ""};

constexpr ScoreRung kWitsRungs[] = {
    {Cmp::Below, AllGroups(-6), -2, ""},
    {Cmp::Below, AllGroups(-4), -1, ""},
    {Cmp::Above, AllGroups(2), 2, ""},
    {Cmp::Above, AllGroups(0), 1, ""},
};
constexpr ScoreLadder kWits{kWitsRungs, ""};

constexpr SentenceRung kSkeletalRungs[] = {
    {Cmp::Above, 6, "심한 Class II 골격 관계를 보이고 있고, "},
    {Cmp::Above, 3, "Class II 골격 관계를 보이고 있고, "},
    {Cmp::Above, 1, "약간 Class II 골격 관계를 보이고 있고, "},
    {Cmp::Below, -6, "심한 Class III 골격 관계를 보이고 있고, "},
    {Cmp::Below, -3, "Class III 골격 관계를 보이고 있고, "},
    {Cmp::Below, -1, "약간 Class III 골격 관계를 보이고 있고, "},
};
constexpr SentenceLadder kSkeletal{kSkeletalRungs, "Class I에 가까운 골격 관계를 보이고 있고, "};

constexpr SentenceRung kAlveolarRungs[] = {
    {Cmp::Equal, -2, "Class III 경향을 보이고 있다. "},
    {Cmp::Equal, -1, "약간 Class III 경향을 보이고 있다. "},
    {Cmp::Equal, 2, "Class II 경향을 보이고 있다. "},
    {Cmp::Equal, 1, "약간 Class II 경향을 보이고 있다. "},
};
constexpr SentenceLadder kAlveolar{kAlveolarRungs, "Class I 경향을 보이고 있다. "};

}  // namespace

void EvalSagittal(const CephRecord& record, EvalGroup group, EvalWork& work) {
    work.EvalScore1 = GradeMeasurement(kAnb, record.ANB, group).score;
    work.EvalScore2 = GradeMeasurement(kApdi, record.APDI, group).score;
    work.EvalScore3 = GradeMeasurement(kWits, record.Wits, group).score;
    work.scores.SkelAP = (work.EvalScore1 + work.EvalScore2) + work.EvalScore3;

    work.MsgCephalo += "상악과 하악은 ";
    work.MsgCephalo += PickSentence(kSkeletal, work.scores.SkelAP);
    work.MsgCephalo += "교합면을 기준으로 상하악 치조골은 ";
    work.MsgCephalo += PickSentence(kAlveolar, work.EvalScore3);
}

}  // namespace vt
