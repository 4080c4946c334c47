#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace vt {
namespace {

struct ReadCase {
    const char* text;
    double value;
    bool overflow;
};

TEST(NumberTextTest, ReadNumberTakesTheLeadingNumber) {
    const ReadCase cases[] = {
        {"", 0, false},
        {"abc", 0, false},
        {"12", 12, false},
        {"12abc", 12, false},
        {"12.5", 12.5, false},
        {"  12.5", 12.5, false},
        {"\t 7", 7, false},
        {"12 5", 12, false},       // only leading blanks are skipped
        {"1,5", 1, false},         // the point is always "."
        {"+3", 3, false},
        {"-3.25", -3.25, false},
        {"-", 0, false},
        {"+", 0, false},
        {".", 0, false},
        {"-.", 0, false},
        {"- 5", 0, false},         // no blank between sign and digits
        {".5", 0.5, false},
        {"-.5", -0.5, false},
        {"5.", 5, false},
        {"5.x", 5, false},
        {"007", 7, false},
        {"1e3", 1000, false},
        {"1E3", 1000, false},
        {"2.5e-1", 0.25, false},
        {"2.5E+2x", 250, false},
        {"1.e2", 100, false},
        {"1e", 1, false},          // an "e" without digits is not read
        {"1e+", 1, false},
        {"1e-x", 1, false},
        {"1ex5", 1, false},
        {".e5", 0, false},
        {"e5", 0, false},
        {"&H1F", 0, false},        // only decimal numbers
        {"0x10", 0, false},
        {"inf", 0, false},
        {"nan", 0, false},
        {"-0", 0, false},
        {"1e308", 1e308, false},
        {"1.7976931348623157e308", std::numeric_limits<double>::max(), false},
        {"1e-999", 0, false},      // underflow reads 0, it is no overflow
        {"-1e-999", 0, false},
        {"0.0000000001e-400", 0, false},
        {"0e99999", 0, false},
        {"1e999", 0, true},
        {"-1e999", 0, true},
        {"1.8e308", 0, true},
        {"0.001e312", 0, true},
        {"1e99999999999999999999", 0, true},
        {"1e-99999999999999999999", 0, false},
    };
    for (const ReadCase& c : cases) {
        const NumberRead read = ReadNumber(c.text);
        EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(read.overflow, c.overflow) << '"' << c.text << '"';
        EXPECT_FALSE(read.value == 0 && std::signbit(read.value)) << '"' << c.text << "\" reads -0";
    }
}

TEST(NumberTextTest, ReadNumberTakesAllDigitsOfALongText) {
    const std::string many(400, '9');
    EXPECT_TRUE(ReadNumber(many).overflow);
    EXPECT_FALSE(ReadNumber("0." + many).overflow);
    EXPECT_NEAR(ReadNumber("0." + many).value, 1.0, 1e-15);
    EXPECT_TRUE(ReadNumber(many + "e-80").overflow);
    EXPECT_EQ(ReadNumber(many + "e-100").value, 1e300);
}

TEST(NumberTextTest, RoundToInt16HalvesToEven) {
    const struct {
        double value;
        int expected;
    } cases[] = {
        {0, 0},         {0.5, 0},       {1.5, 2},         {2.5, 2},
        {3.5, 4},       {11.5, 12},     {-2.5, -2},       {-3.5, -4},
        {-0.5, 0},      {2.4999999, 2}, {2.5000001, 3},   {-2.5000001, -3},
        {32767.4, 32767}, {32766.5, 32766}, {-32768.5, -32768}, {-32768, -32768},
    };
    for (const auto& c : cases) {
        const auto rounded = RoundToInt16(c.value);
        ASSERT_TRUE(rounded.has_value()) << c.value;
        EXPECT_EQ(*rounded, c.expected) << c.value;
    }
}

TEST(NumberTextTest, RoundToInt16RefusesWhatDoesNotFit) {
    const double cases[] = {
        32767.5, 32768, -32768.6, -32769.5, 1e300, -1e300,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    for (double value : cases) EXPECT_FALSE(RoundToInt16(value).has_value()) << value;
}

TEST(NumberTextTest, NumberToTextGivesTheShortestForm) {
    const struct {
        double value;
        std::string text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {12, "12"},
        {12.5, "12.5"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {99.9, "99.9"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},                    // 15 digits hide the binary error
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {100, "100"},
        {1234567.125, "1234567.125"},
        {999999999999999, "999999999999999"},
        {999999999999999.9, "1000000000000000"},  // rounding to 15 digits carries
        {1e15, "1000000000000000"},
        {1e20, "100000000000000000000"},        // never an exponent
        {-1.5e20, "-150000000000000000000"},
        {1.23456789012345678e17, "123456789012346000"},
        {1e100, "1" + std::string(100, '0')},
        {0.00001, "0.00001"},
        {0.000012, "0.000012"},
        {0.000001, "0.000001"},
        {-2.5e-7, "-0.00000025"},
        {5e-324, "0." + std::string(323, '0') + "494065645841247"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {std::numeric_limits<double>::infinity(), "Inf"},
        {-std::numeric_limits<double>::infinity(), "-Inf"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
}

TEST(NumberTextTest, NumberToTextReadsBackTheSameNumber) {
    for (double value : {12.5, 0.5, 77.0, 1e-5, 3.25e18, -4.5e-9})
        EXPECT_EQ(ReadNumber(NumberToText(value)).value, value) << value;
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(NumberTextTest, FormatNumberRoundsHalvesAwayFromZero) {
    const FormatCase cases[] = {
        {82, "#0.0", "82.0"},
        {78.5, "#0.0", "78.5"},
        {-7, "#0.0", "-7.0"},
        {0, "#0.0", "0.0"},
        {396, "#0.0", "396.0"},
        {2.25, "#0.0", "2.3"},
        {0.15, "#0.0", "0.2"},         // 0.1499999... in binary, 0.15 in 15 digits
        {0.35, "#0.0", "0.4"},
        {-2.25, "#0.0", "-2.3"},
        {0.05, "#0.0", "0.1"},
        {0.04999, "#0.0", "0.0"},
        {9.95, "#0.0", "10.0"},
        {99.96, "#0.0", "100.0"},
        {-0.04, "#0.0", "0.0"},        // never a negative zero
        {-0.05, "#0.0", "-0.1"},
        {-0.0, "#0.0", "0.0"},
        {-1e-300, "#0.0", "0.0"},
        {1e-300, "#0.0", "0.0"},
        {1e20, "#0.0", "100000000000000000000.0"},
        {-123456789012345678.0, "#0.0", "-123456789012346000.0"},
        {3, "#0", "3"},
        {2.5, "#0", "3"},
        {-2.5, "#0", "-3"},
        {0.5, "#0", "1"},
        {0.49, "#0", "0"},
        {-0.4, "#0", "0"},
        {1234.5, "#0", "1235"},
        {0.5, "#.00", ".50"},
        {1.234, "#.00", "1.23"},
        {1.005, "#.00", "1.01"},       // 15-digit form 1.00500000000000
        {0.995, "#.00", "1.00"},
        {0.004, "#.00", ".00"},
        {0, "#.00", ".00"},
        {-0.004, "#.00", ".00"},
        {-0.5, "#.00", "-.50"},
        {12.345, "#.00", "12.35"},
        {4.5, "0.0", "4.5"},
        {0.25, "0.0", "0.3"},
        {-0.25, "0.0", "-0.3"},
        {0.06, "0.0", "0.1"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

TEST(NumberTextTest, FormatNumberOfUnusualInput) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#0.0"), "NaN");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "#0.0"), "-Inf");
    const std::string largest = FormatNumber(std::numeric_limits<double>::max(), "#0.0");
    EXPECT_EQ(largest.size(), 309u + 2u);
    EXPECT_EQ(largest.substr(0, 16), "1797693134862320");
    EXPECT_EQ(FormatNumber(2.5, "00.0"), "02.5");
    EXPECT_EQ(FormatNumber(2.5, "x"), "2.5");   // unknown pattern: default text
    EXPECT_EQ(FormatNumber(2.5, ""), "2.5");
}

}  // namespace
}  // namespace vt
