#include "platform/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the first nonzero digit of a digit run "int.frac",
// shifted by the (saturated) exponent. Out-of-range numbers are either far
// above 1 (overflow) or far below it (underflow, which reads as 0).
long long DecimalMagnitude(std::string_view intDigits, std::string_view fracDigits, long long exponent) {
    const std::size_t i = intDigits.find_first_not_of('0');
    if (i != std::string_view::npos) return static_cast<long long>(intDigits.size() - i) - 1 + exponent;
    const std::size_t f = fracDigits.find_first_not_of('0');
    return -static_cast<long long>(f == std::string_view::npos ? 0 : f + 1) + exponent;
}

// The 15-significant-digit decimal form of a finite, nonzero magnitude:
// digits d0..d14 and the power of ten of d0.
struct Decimal15 {
    std::array<char, 15> digits{};
    int exponent = 0;
};

Decimal15 ToDecimal15(double magnitude) {
    char buffer[40];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    // "d.dddddddddddddde+XX"
    Decimal15 d;
    d.digits[0] = buffer[0];
    std::copy(buffer + 2, buffer + 16, d.digits.begin() + 1);
    const char* e = buffer + 16;  // 'e'
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, d.exponent);
    return d;
}

std::string SpecialText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

// A pattern of the form #*0*(.0*)?: the count of 0s before the point is the
// least number of integer digits, the count after it the fixed decimals.
struct Pattern {
    int minIntDigits = 0;
    int decimals = 0;
    bool valid = false;
};

Pattern ParsePattern(std::string_view pattern) {
    Pattern p;
    std::size_t i = 0;
    while (i < pattern.size() && pattern[i] == '#') ++i;
    while (i < pattern.size() && pattern[i] == '0') ++i, ++p.minIntDigits;
    if (i < pattern.size() && pattern[i] == '.') {
        ++i;
        while (i < pattern.size() && pattern[i] == '0') ++i, ++p.decimals;
    }
    p.valid = i == pattern.size() && !pattern.empty();
    return p;
}

// |value| × 10^decimals rounded half away from zero, as decimal digits,
// rounding the 15-digit form rather than the binary value.
std::string ScaledRoundedDigits(double magnitude, int decimals) {
    if (magnitude == 0) return "0";
    const Decimal15 d = ToDecimal15(magnitude);
    const long long kept = static_cast<long long>(d.exponent) + decimals + 1;
    std::string digits;
    if (kept <= 0) {
        // Everything lies below the last kept place; only a first digit of 5
        // or more right below it rounds up.
        return (kept == 0 && d.digits[0] >= '5') ? "1" : "0";
    }
    if (kept >= 15) {
        digits.assign(d.digits.begin(), d.digits.end());
        digits.append(static_cast<std::size_t>(kept - 15), '0');
        return digits;
    }
    digits.assign(d.digits.begin(), d.digits.begin() + kept);
    if (d.digits[static_cast<std::size_t>(kept)] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    return digits;
}

}  // namespace

NumberRead ReadNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const std::size_t start = i;
    std::size_t intDigits = 0, fracDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++intDigits;
    std::size_t end = i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++fracDigits;
        // "5." reads 5 and ".5" reads 0.5; a lone point is no number.
        if (intDigits + fracDigits > 0) end = i;
    }
    if (intDigits + fracDigits == 0) return {};

    // The exponent belongs to the number only when digits follow the "e".
    long long exponent = 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - '0'), 1'000'000'000LL);
            if (negativeExponent) exponent = -exponent;
            end = j;
        }
    }

    double magnitude = 0;
    const auto [ptr, error] =
        std::from_chars(text.data() + start, text.data() + end, magnitude, std::chars_format::general);
    (void)ptr;
    NumberRead read;
    if (error == std::errc::result_out_of_range) {
        const std::string_view fraction =
            fracDigits ? text.substr(start + intDigits + 1, fracDigits) : std::string_view{};
        read.overflow = DecimalMagnitude(text.substr(start, intDigits), fraction, exponent) > 0;
        return read;
    }
    // A negative zero would print as "-0"; the sign only matters for nonzero.
    read.value = magnitude == 0 ? 0.0 : (negative ? -magnitude : magnitude);
    return read;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;  // exact for every double
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

std::string NumberToText(double value) {
    if (!std::isfinite(value)) return SpecialText(value);
    if (value == 0) return "0";
    const Decimal15 d = ToDecimal15(std::fabs(value));
    int count = 15;
    while (count > 1 && d.digits[static_cast<std::size_t>(count - 1)] == '0') --count;
    const std::string_view digits(d.digits.data(), static_cast<std::size_t>(count));

    // Always written out, never in exponent form: 1E+20 is 100000000000000000000.
    std::string text = value < 0 ? "-" : "";
    if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += digits;
    } else {
        const std::size_t intCount = static_cast<std::size_t>(d.exponent) + 1;
        if (digits.size() <= intCount) {
            text += digits;
            text.append(intCount - digits.size(), '0');
        } else {
            text += digits.substr(0, intCount);
            text += '.';
            text += digits.substr(intCount);
        }
    }
    return text;
}

std::string FormatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return SpecialText(value);
    const Pattern p = ParsePattern(pattern);
    if (!p.valid) return NumberToText(value);

    std::string digits = ScaledRoundedDigits(std::fabs(value), p.decimals);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    // Pad so that the integer part has its least digits and the decimals fill.
    const std::size_t needed = static_cast<std::size_t>(p.decimals + p.minIntDigits);
    if (digits.size() < needed) digits.insert(0, needed - digits.size(), '0');
    const std::size_t intCount = digits.size() - static_cast<std::size_t>(p.decimals);

    std::string integer = digits.substr(0, intCount);
    // "#" leaves out the integer zeros that "0" does not ask for (".50").
    const std::size_t firstSignificant = std::min(integer.find_first_not_of('0'), integer.size());
    const std::size_t keep = std::max(integer.size() - firstSignificant, static_cast<std::size_t>(p.minIntDigits));
    integer.erase(0, integer.size() - keep);

    std::string text = (value < 0 && !zero) ? "-" : "";
    text += integer;
    if (p.decimals > 0) text += '.', text += digits.substr(intCount);
    return text;
}

}  // namespace vt
