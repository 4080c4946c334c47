#pragma once
// The 17 typed cephalometric measurements: their accepted ranges and the 12
// values derived from them.

#include <optional>
#include <span>

#include "ceph/CephRecord.h"

namespace vt {

// In the order the form reads its text boxes. A text that does not begin
// with a number reads as 0; one beyond a double's range arrives as an
// infinity or NaN and fails its range.
struct CephTyped {
    double SNMP = 0;
    double FMA = 0;
    double PPMP = 0;
    double PFH = 0;
    double AFH = 0;
    double SNA = 0;
    double SNB = 0;
    double FA = 0;
    double ABMP = 0;
    double Wits = 0;
    double OPMP = 0;
    double UISN = 0;
    double IMPA = 0;
    double UIFP = 0;
    double LIFP = 0;
    double UL = 0;
    double LL = 0;
};

enum class RangeGroup { ValidAngle, ValidOther };

// Accepted when low < value < high: a value on a bound fails.
struct CephRange {
    double CephTyped::*value;
    double low;
    double high;
    RangeGroup group;
};

std::span<const CephRange> CephRanges();

struct CephValidity {
    bool ValidAngle = false;  // the ten angles
    bool ValidOther = false;  // face heights, Wits, incisor and lip distances
    bool Passes() const { return ValidAngle && ValidOther; }
};

CephValidity CheckCephTyped(const CephTyped& typed);

// Fills the 12 derived values from the typed values the record holds.
void DeriveCephValues(CephRecord& record);

// The record after a run of the analysis button: the typed values stored and
// the derived values computed, MsgCephalo as it was. Empty when a value lies
// outside its range; the caller's record then stays as it is.
std::optional<CephRecord> ApplyCephInputs(const CephRecord& current, const CephTyped& typed);

// Shown when the typed values are refused.
inline constexpr const char* kCephInputsRefused =
    "Cephalo 수치가 정상적으로 입력되지 않았습니다. 확인하시고 [Ceph 분석] 단추를 다시 눌러 주세요!";

}  // namespace vt
