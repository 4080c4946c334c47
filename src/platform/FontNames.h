#pragma once
// The program's two font faces by their own names; FontMap.h turns them into
// the Korean fonts installed with the program.

namespace vt {

// Every form control, and a page surface before its page sets a face.
inline constexpr char kFormFace[] = "돋움";
// The fixed-pitch face of the result pages.
inline constexpr char kFixedFace[] = "돋움체";

}  // namespace vt
