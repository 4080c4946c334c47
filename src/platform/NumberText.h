#pragma once
// Numbers in and out of text, the same way everywhere in the program.
// Pure C++: no locale, "." is always the decimal point.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

struct NumberRead {
    double value = 0;       // 0 when the text does not begin with a number
    bool overflow = false;  // the number lies beyond a double's range
};

// Reads the number a text box's text begins with: leading blanks (spaces,
// tabs) skipped, an optional sign, digits, a point, digits, an optional
// exponent ("e" or "E", a sign, digits; an "e" without digits is not read).
// "12abc" reads 12, "5." 5, ".5" 0.5; "", "abc", "-", "." and "&H1F" read 0.
// A number too small for a double reads 0 without overflow.
NumberRead ReadNumber(std::string_view text);

// Rounds to the nearest 16-bit integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4). Empty when the result does not fit.
std::optional<std::int16_t> RoundToInt16(double value);

// Default number-to-text conversion: shortest plain decimal form of at most
// 15 significant digits, no trailing zeros, "0." before fractions (12, 12.5,
// 0.5, 0.000001), never an exponent (1E+20 gives 100000000000000000000).
// Never "-0"; NaN and infinities give "NaN", "Inf", "-Inf".
std::string NumberToText(double value);

// Format patterns "#0.0", "#0", "#.00", "0.0": round half away from zero on
// the 15-significant-digit form, never a negative zero. Any pattern of the
// form #*0*(.0*)? works: the 0s before the point are the least integer
// digits ("#.00" gives ".50"), those after it the decimals. Another pattern
// gives the default conversion.
std::string FormatNumber(double value, std::string_view pattern);

}  // namespace vt
