// Growth pattern and vertical relation: the direction and rotation of growth
// from SNMP and PFHAFH, then the skeletal open or deep bite tendency from
// the sum of the SNMP, PFHAFH, FMA and ODI scores.

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

// Thresholds: M<11, M11-<14, M>=14, F<11, F11-<14, F>=14.
constexpr ScoreRung kSnmpRungs[] = {
    {Cmp::Below, {28, 27, 26, 28, 27, 26}, -2, "horizontal "},
    {Cmp::Below, {32, 31, 30, 32, 31, 30}, -1, "horizontal "},
    {Cmp::Above, {44, 43, 42, 44, 43, 42}, 2, "vertical "},
    {Cmp::Above, {40, 39, 38, 40, 39, 38}, 1, "vertical "},
};
constexpr ScoreLadder kSnmp{kSnmpRungs, "straight "};

// A short posterior face height rotates the face clockwise.
constexpr ScoreRung kPfhafhRungs[] = {
    {Cmp::Below, {59, 62, 65, 59, 61, 63}, 1, "clockwise "},
    {Cmp::Above, {67, 70, 73, 67, 69, 71}, -1, "counter-clockwise "},
};
constexpr ScoreLadder kPfhafh{kPfhafhRungs, "downward "};

constexpr ScoreRung kFmaRungs[] = {
    {Cmp::Below, {25, 24, 23, 25, 24, 23}, -1, ""},
    {Cmp::Above, {33, 32, 31, 33, 32, 31}, 1, ""},
};
constexpr ScoreLadder kFma{kFmaRungs, ""};

// A small overbite depth indicator points to an open bite.
constexpr ScoreRung kOdiRungs[] = {
    {Cmp::Below, {68, 67.5, 67, 68, 67.5, 67}, 1, ""},
    {Cmp::Above, {78, 77.5, 77, 78, 77.5, 77}, -1, ""},
};
constexpr ScoreLadder kOdi{kOdiRungs, ""};

constexpr SentenceRung kVerticalRungs[] = {
    {Cmp::Above, 4, "open bite 경향이 크다. "},
    {Cmp::Above, 2, "open bite 경향이 있다. "},
    {Cmp::Below, -4, "deep bite 경향이 크다. "},
    {Cmp::Below, -2, "deep bite 경향이 있다. "},
};
constexpr SentenceLadder kVertical{kVerticalRungs, "open bite이나 deep bite 경향은 없거나 미미하다. "};

}  // namespace

void EvalVertical(const CephRecord& record, EvalGroup group, EvalWork& work) {
    const LadderStep snmp = GradeMeasurement(kSnmp, record.SNMP, group);
    work.EvalScore1 = snmp.score;
    work.MsgCephalo += snmp.piece;

    const LadderStep pfhafh = GradeMeasurement(kPfhafh, record.PFHAFH, group);
    work.EvalScore2 = pfhafh.score;
    work.MsgCephalo += pfhafh.piece;
    work.MsgCephalo += "growth pattern을 보이고 있으며 ";

    work.EvalScore3 = GradeMeasurement(kFma, record.FMA, group).score;
    work.EvalScore4 = GradeMeasurement(kOdi, record.ODI, group).score;
    work.scores.SkelVert = ((work.EvalScore1 + work.EvalScore2) + work.EvalScore3) + work.EvalScore4;

    work.MsgCephalo += "골격적으로 ";
    work.MsgCephalo += PickSentence(kVertical, work.scores.SkelVert);
}

}  // namespace vt
