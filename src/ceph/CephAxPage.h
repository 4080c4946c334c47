#pragma once
// The cephalometric result page: header, the 28-row norm table with the
// patient's values and marks, and the evaluation comment below it.

#include "ceph/CephRecord.h"
#include "intake/PatientRecord.h"
#include "platform/ResultSurface.h"

namespace vt {

inline constexpr double kCephHeadsY = 33;
inline constexpr double kCephFirstRowY = 48;
inline constexpr double kCephRowPitch = 5;
inline constexpr double kCephCommentsY = 198;
inline constexpr double kCephCommentFirstY = 208;
inline constexpr double kCephCommentPitch = 5;

// y of table row k (1-based): 48 + 5 * (k - 1).
double CephRowY(int k);

// Draws the whole page; the caller has filled the sheet white.
void CephAx(ResultSurface& s, const CephRecord& r, const PatientRecord& p);

}  // namespace vt
