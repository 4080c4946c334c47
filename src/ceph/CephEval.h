#pragma once
// The cephalometric evaluation: the record and the patient's sex and age
// turned into the Korean comment and the four evaluation scores.

#include <string>

#include "ceph/CephRecord.h"
#include "ceph/EvalScores.h"
#include "intake/PatientRecord.h"

namespace vt {

struct CephEvalResult {
    std::string MsgCephalo;  // the whole comment, its last blank included
    EvalScores scores;
};

// Pure: rebuilds the comment from scratch on every call.
CephEvalResult CephEval(const CephRecord& record, const PatientRecord& patient);

}  // namespace vt
