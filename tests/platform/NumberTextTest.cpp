// Numbers in and out of text at their boundaries.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include "platform/NumberText.h"

namespace vt {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberText, ReadNumberTakesTheLeadingNumber) {
    const struct {
        std::string text;
        double value;
        bool overflow = false;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"\t 12.5", 12.5},
        {"12 5", 12},
        {"1,5", 1},
        {"+3", 3},
        {"-3.25", -3.25},
        {"-", 0},
        {".", 0},
        {"- 5", 0},
        {".5", 0.5},
        {"5.x", 5},
        {"1.e2", 100},  // the point belongs to the number, and so does the exponent after it
        {"2.5E+2x", 250},
        {"1e", 1},
        {"1e-x", 1},
        {"&H1F", 0},
        {"inf", 0},
        {"-0", 0},
        {"-1e-999", 0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"1e-99999999999999999999", 0},  // underflow reads 0, it is no overflow
        {"1.8e308", 0, true},
        {"-1e999", 0, true},
        {"0.001e312", 0, true},
        {"1e99999999999999999999", 0, true},
        {std::string(400, '9'), 0, true},
        {std::string(400, '9') + "e-100", 1e300},
    };
    for (const auto& c : cases) {
        const NumberRead read = ReadNumber(c.text);
        const bool minusZero = std::signbit(read.value) && read.value == 0;
        EXPECT_EQ(std::tuple(read.value, read.overflow, minusZero), std::tuple(c.value, c.overflow, false))
            << '"' << c.text << '"';
    }
}

TEST(NumberText, RoundToInt16HalvesToEvenWithinRange) {
    const struct {
        double value;
        std::optional<int> rounded;
    } cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-2.5, -2},
        {-0.5, 0},
        {2.5000001, 3},
        {32766.5, 32766},
        {32767.4, 32767},
        {32767.5, {}},
        {-32768.5, -32768},
        {-32768.6, {}},
        {kInf, {}},
        {kNaN, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
}

TEST(NumberText, NumberToTextIsTheShortestPlainDecimal) {
    const struct {
        double value;
        std::string text;
    } cases[] = {
        {-0.0, "0"},
        {12, "12"},
        {12.5, "12.5"},
        {-0.5, "-0.5"},
        {0.1 + 0.2, "0.3"},  // 15 digits hide the binary error
        {2.0 / 3, "0.666666666666667"},
        {999999999999999.9, "1000000000000000"},  // the rounding carries
        {-1.5e20, "-150000000000000000000"},
        {-2.5e-7, "-0.00000025"},
        {kNaN, "NaN"},
        {-kInf, "-Inf"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
}

TEST(NumberText, FormatNumberRoundsHalvesAwayFromZeroOnFifteenDigits) {
    const struct {
        double value;
        const char *pattern, *text;
    } cases[] = {
        {82, "#0.0", "82.0"},    {0, "#0.0", "0.0"},
        {2.25, "#0.0", "2.3"},   {-2.25, "#0.0", "-2.3"},
        {0.15, "#0.0", "0.2"},  // 0.1499999... in binary, 0.15 in 15 digits
        {9.95, "#0.0", "10.0"},  {-0.04, "#0.0", "0.0"},
        {-0.05, "#0.0", "-0.1"}, {1e20, "#0.0", "100000000000000000000.0"},
        {-2.5, "#0", "-3"},      {0.49, "#0", "0"},
        {0.5, "#.00", ".50"},    {1.005, "#.00", "1.01"},
        {0.995, "#.00", "1.00"}, {-0.004, "#.00", ".00"},
        {-0.5, "#.00", "-.50"},  {0.25, "0.0", "0.3"},
        {kNaN, "#0.0", "NaN"},   {2.5, "x", "2.5"},  // default text
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

}  // namespace
}  // namespace vt
