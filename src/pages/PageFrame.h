#pragma once
// The frame every result page draws first: blue rules across the sheet,
// the patient header line at the top and the footer line at the bottom.

#include "intake/PatientRecord.h"
#include "platform/FontNames.h"
#include "platform/ResultSurface.h"

namespace vt {

inline constexpr const char* kPageFontName = kFixedFace;
inline constexpr double kPageFontSize = 11;
inline constexpr double kFooterFontSize = 8;
inline constexpr int kTextColor = 0;  // black
inline constexpr int kRuleColor = 9;  // light blue

// The header's age: "12.5Y 3M" (years in the default number text).
std::string AgeText(double ageYear, std::int16_t ageMonth);

// Draws rules, header and footer. `tableRules` adds the rule under the
// column heads at y 40 (table pages; not the two tracing drawings).
// Leaves the surface in the fixed face, size 11, colour 0.
void PrintPageFrame(ResultSurface& s, const PatientRecord& p, bool tableRules);

}  // namespace vt
