// Range checks of the typed measurements and the derived values.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ceph/CephInputs.h"

namespace vt {
namespace {

// The worked example of the form; every value inside its range.
CephTyped ValidTyped() {
    CephTyped t;
    t.SNMP = 32; t.FMA = 25; t.PPMP = 25; t.PFH = 80; t.AFH = 120; t.SNA = 82; t.SNB = 79;
    t.FA = 88; t.ABMP = 70; t.Wits = -1; t.OPMP = 15; t.UISN = 105; t.IMPA = 95;
    t.UIFP = 9; t.LIFP = 6; t.UL = 0; t.LL = 1;
    return t;
}

struct RangeRow {
    const char* name;
    double CephTyped::*value;
    double low, high;
    bool angle;
};

constexpr RangeRow kRangeRows[] = {
    {"SNMP", &CephTyped::SNMP, 2, 68, true},     {"FMA", &CephTyped::FMA, -6, 60, true},
    {"PPMP", &CephTyped::PPMP, -6, 60, true},    {"SNA", &CephTyped::SNA, 42, 121, true},
    {"SNB", &CephTyped::SNB, 39, 118, true},     {"FA", &CephTyped::FA, 49, 127, true},
    {"ABMP", &CephTyped::ABMP, 29, 113, true},   {"OPMP", &CephTyped::OPMP, -12, 52, true},
    {"UISN", &CephTyped::UISN, 55, 157, true},   {"IMPA", &CephTyped::IMPA, 45, 145, true},
    {"PFH", &CephTyped::PFH, 13, 161, false},    {"AFH", &CephTyped::AFH, 41, 206, false},
    {"Wits", &CephTyped::Wits, -30, 26, false},  {"UIFP", &CephTyped::UIFP, -15, 39, false},
    {"LIFP", &CephTyped::LIFP, -18, 36, false},  {"UL", &CephTyped::UL, -14, 21, false},
    {"LL", &CephTyped::LL, -13, 22, false},
};

TEST(CephInputs, EveryBoundIsExclusiveAndNonNumbersFail) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    ASSERT_TRUE(CheckCephTyped(ValidTyped()).Passes());
    for (const RangeRow& row : kRangeRows) {
        const struct { double value; bool passes; } probes[] = {
            {row.low, false},
            {std::nextafter(row.low, inf), true},
            {std::nextafter(row.high, -inf), true},
            {row.high, false},
            {std::numeric_limits<double>::quiet_NaN(), false},
            {inf, false},
            {-inf, false},
        };
        for (const auto& probe : probes) {
            CephTyped typed = ValidTyped();
            typed.*row.value = probe.value;
            const CephValidity v = CheckCephTyped(typed);
            SCOPED_TRACE(testing::Message() << row.name << " = " << probe.value);
            EXPECT_EQ(v.Passes(), probe.passes);
            // A failure clears only the flag of the value's own group.
            EXPECT_EQ(v.ValidAngle, probe.passes || !row.angle);
            EXPECT_EQ(v.ValidOther, probe.passes || row.angle);
            EXPECT_EQ(ApplyCephInputs(CephRecord{}, typed).has_value(), probe.passes);
        }
    }
}

TEST(CephInputs, EmptyBoxesReadAsZero) {
    EXPECT_FALSE(CheckCephTyped(CephTyped{}).ValidAngle);
    EXPECT_FALSE(CheckCephTyped(CephTyped{}).ValidOther);
    CephTyped zeros = ValidTyped();
    zeros.FMA = 0; zeros.PPMP = 0; zeros.OPMP = 0;
    EXPECT_TRUE(CheckCephTyped(zeros).Passes());
    zeros.SNMP = 0;
    EXPECT_FALSE(CheckCephTyped(zeros).Passes());
}

TEST(CephInputs, WorkedExampleDerivesAllTwelve) {
    CephRecord current;
    current.MsgCephalo = "kept";
    const auto next = ApplyCephInputs(current, ValidTyped());
    ASSERT_TRUE(next.has_value());
    const CephRecord& r = *next;
    EXPECT_EQ(r.Sum, 392);
    EXPECT_EQ(r.ODI, 70);
    EXPECT_DOUBLE_EQ(r.PFHAFH, 200.0 / 3);
    EXPECT_EQ(r.ANB, 3);
    EXPECT_EQ(r.SNPg, 81);
    EXPECT_EQ(r.ABA, -3);
    EXPECT_EQ(r.APDI, 85);
    EXPECT_EQ(r.UIPP, 112);
    EXPECT_EQ(r.FMIA, 60);
    EXPECT_EQ(r.IIA, 128);
    EXPECT_EQ(r.UIOP, 58);
    EXPECT_EQ(r.LIOP, 70);
    // Typed values land in the record; the comment is the evaluation's.
    EXPECT_EQ(r.Wits, -1);
    EXPECT_EQ(r.UL, 0);
    EXPECT_EQ(r.LL, 1);
    EXPECT_EQ(r.MsgCephalo, "kept");
}

TEST(CephInputs, AnbMayBeNegative) {
    CephTyped typed = ValidTyped();
    typed.SNA = 80;
    typed.SNB = 82;
    EXPECT_EQ(ApplyCephInputs(CephRecord{}, typed)->ANB, -2);
}

// The order of the operations is part of the result.
TEST(CephInputs, DerivedValuesKeepTheirOperandOrder) {
    CephTyped typed = ValidTyped();
    typed.PFH = 85.2;
    typed.AFH = 120;
    typed.ABMP = 68.1;
    typed.FMA = 23.1;
    typed.PPMP = 23.2;
    const auto r = ApplyCephInputs(CephRecord{}, typed);
    ASSERT_TRUE(r.has_value());
    EXPECT_GT(r->PFHAFH, 71.0);  // 85.2 * 100 / 120 would give exactly 71
    EXPECT_EQ(r->ODI, 68.0);     // 68.1 + 23.1 - 23.2 would fall just below 68
}

}  // namespace
}  // namespace vt
