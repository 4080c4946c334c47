#pragma once
// The typed cephalometric measurements: their range checks and the 12
// values derived from them.

#include <optional>

#include "ceph/CephMeasurements.h"
#include "ceph/CephRecord.h"

namespace vt {

struct CephValidity {
    bool ValidAngle = false;  // the ten angles
    bool ValidOther = false;  // face heights, Wits, incisor and lip distances
    bool Passes() const { return ValidAngle && ValidOther; }
};

// Checks the typed values a record holds, both groups in full. A text that
// does not begin with a number reads as 0; one beyond a double's range
// arrives as an infinity or NaN and fails its range.
CephValidity CheckCephTyped(const CephRecord& typed);

// Fills the 12 derived values from the typed values the record holds.
void DeriveCephValues(CephRecord& record);

// The record after a run of the analysis button, from the current record
// with the newly typed values stored in it: the derived values computed,
// MsgCephalo as it was. Empty when a value lies outside its range; the
// caller's record then stays as it is.
std::optional<CephRecord> ApplyCephInputs(CephRecord typed);

// Shown when the typed values are refused.
inline constexpr const char* kCephInputsRefused =
    "Cephalo 수치가 정상적으로 입력되지 않았습니다. 확인하시고 [Ceph 분석] 단추를 다시 눌러 주세요!";

}  // namespace vt
