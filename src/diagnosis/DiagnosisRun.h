#pragma once
// The diagnosis run of "진  단": reads and signs the findings, checks them,
// repeats the extraction analyses, derives the corrected indices and writes
// the diagnosis comment sentence by sentence from rule ladders that look at
// the findings, the skeletal scores and the patient's age and sex.

#include <optional>

#include "ceph/CephRecord.h"
#include "ceph/EvalScores.h"
#include "diagnosis/FindingsRecord.h"
#include "intake/PatientRecord.h"
#include "model/ModelRecord.h"

namespace vt {

// What the run reads of the other analyses, as they stand at the press.
struct DiagnosisSources {
    const CephRecord& ceph;        // ODI, APDI, IIA, LIFP, UL, LL
    const EvalScores& scores;      // SkelVert, SkelAP
    const ModelRecord& model;      // SOI
    const PatientRecord& patient;  // Sex, AgeYear
};

inline constexpr const char* kDxRefused =
    "수치가 정상적으로 입력되지 않았습니다. 확인하시고 [진단] 단추를 다시 눌러 주세요!";

// -20 < OB < 20, -30 < OJ < 30, -30 < MolarRt, MolarLt < 30 and
// -20 < CrossRt, CrossLt < 20, on the signed values.
bool OcclusalEntriesValid(const FindingsRecord& signedFindings);

// The record after an accepted run: the findings read and signed, the
// extraction analyses, the indices, the lip values, the adjusted Jarabak
// value, Severity and the comment. Empty when an entry is refused; the
// caller then keeps the record of the last accepted press.
std::optional<FindingsRecord> RunDiagnosis(FindingsRecord working,
                                           const FindingsEntries& entries,
                                           const DiagnosisSources& sources);

}  // namespace vt
