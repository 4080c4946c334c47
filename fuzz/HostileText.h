#pragma once
// Text a clinician would never type, and now and then a number that a box
// takes, for the program's own fuzz driver.

#include <QString>
#include <random>

namespace vt::fuzz {

using Random = std::mt19937_64;

// 0 .. count-1, evenly.
int Pick(Random& random, int count);
bool Chance(Random& random, double probability);

// Empty, blanks, letters, 1e308, NaN, thousands of digits, Korean, control
// characters, "../..", ":", very long names, and mixtures of them.
QString HostileText(Random& random);
// A number with up to one decimal between -20 and 150, as measurements go.
QString PlausibleNumber(Random& random);

}  // namespace vt::fuzz
