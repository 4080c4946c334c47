#pragma once
// The deviation mark of a norm-table row: up to three arrows saying how many
// standard deviations a value lies above or below its norm.

#include <string>

namespace vt {

// "↑↑↑", "↑↑", "↑" above 3, 2, 1 SD; "↓↓↓", "↓↓", "↓" below; "" within.
// Single precision throughout; every comparison strict; upward tested first.
std::string DevMark(float dev, float sd);

}  // namespace vt
