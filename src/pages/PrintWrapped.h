#pragma once
// Comment wrapping: a long comment of Korean sentences printed in lines
// below a table, broken only at blanks.

#include "platform/ResultSurface.h"

#include <string_view>

namespace vt {

inline constexpr double kCommentX = 40;            // x of every comment line
inline constexpr double kCommentBreakWidth = 120;  // millimetres

// Prints UTF-8 `text` at x from `firstY` down, line j at firstY + pitch * j.
// A line ends at the first blank at which the line so far (blank included)
// is wider than 120 mm in the surface's current font; the blank stays at the
// end of that line. A run without blanks is never broken. The rest after
// the last break is always printed, even when empty.
void PrintWrapped(ResultSurface& s, std::string_view text, double x, double firstY, double pitch);

}  // namespace vt
