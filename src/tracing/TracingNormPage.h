#pragma once
// Tracing page 3: the 41 measurements of the tracing against their norms
// for the patient's sex and age band, and the evaluation comment.

#include <string_view>

#include "intake/PatientRecord.h"
#include "platform/ResultSurface.h"
#include "tracing/TracingMeasures.h"

namespace vt {

inline constexpr double kTracingHeadsY = 33;
inline constexpr double kTracingFirstRowY = 43;
inline constexpr double kTracingRowPitch = 4.5;
inline constexpr double kTracingCommentsY = 229.75;
inline constexpr double kTracingCommentFirstY = 236.5;

void CephAx3(ResultSurface& s, const TracingMeasures& m, const PatientRecord& p, std::string_view msgCephalo);

}  // namespace vt
