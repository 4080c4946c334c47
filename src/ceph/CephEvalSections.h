#pragma once
// The sections of CephEval, run in this order on one working state:
// growth pattern and vertical relation, sagittal relation, incisor
// inclination, incisor position, lips. Each appends its pieces to the
// comment and overwrites the working scores it uses.

#include <string>

#include "ceph/CephRecord.h"
#include "ceph/EvalScores.h"
#include "ceph/RuleLadder.h"

namespace vt {

struct EvalWork {
    std::string MsgCephalo;
    EvalScores scores;
    // Reused by every section for its own measurements; every ladder sets its
    // score on every path, so nothing of an earlier section is ever read.
    int EvalScore1 = 0;
    int EvalScore2 = 0;
    int EvalScore3 = 0;
    int EvalScore4 = 0;
};

// SNMP, PFHAFH, FMA, ODI; sets SkelVert.
void EvalVertical(const CephRecord& record, EvalGroup group, EvalWork& work);
// ANB, APDI, Wits; sets SkelAP.
void EvalSagittal(const CephRecord& record, EvalGroup group, EvalWork& work);
// UISN, UIOP, IMPA, LIOP; sets UIIncl and LIIncl.
void EvalInclination(const CephRecord& record, EvalGroup group, EvalWork& work);
// UIFP, LIFP.
void EvalPosition(const CephRecord& record, EvalGroup group, EvalWork& work);
// UL, LL.
void EvalLips(const CephRecord& record, EvalGroup group, EvalWork& work);

}  // namespace vt
