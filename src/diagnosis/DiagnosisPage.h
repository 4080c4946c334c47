#pragma once
// The diagnosis page: the occlusal findings with the corrected overbite and
// overjet, the two extraction analyses with their verdicts, and the
// diagnosis comment.

#include <cstdint>
#include <string_view>

#include "diagnosis/FindingsRecord.h"
#include "intake/PatientRecord.h"
#include "platform/ResultSurface.h"

namespace vt {

inline constexpr double kDxCommentFirstY = 178;
inline constexpr double kDxCommentPitch = 5;

// "(Flat)", "(Shallow)", "(Mild)" or "(Deep)" for the curve of Spee.
const char* CurveClass(double cos);
// "Class I", "Class II", "Class III" by option index; "" for any other.
const char* ClassWord(std::int16_t index);
// "Normal", "Cross-bite", "Scissors-bite" by option index; "" for any other.
const char* CrossBiteWord(std::int16_t index);

// The formula of a line that ends in a verdict of `verdictLength`
// characters: the line without its last verdictLength - 1 characters, so
// the formula keeps one blank. The verdict: its last 15 characters, the
// word right-aligned. A line shorter than that gives what it has; the page
// never reads past its end.
std::string_view FormulaPart(std::string_view line, std::size_t verdictLength);
std::string_view VerdictPart(std::string_view line);

// Draws the whole page; the caller has filled a picture surface white.
void Diagnosis(ResultSurface& s, const FindingsRecord& r, const PatientRecord& p);

}  // namespace vt
