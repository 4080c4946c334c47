// Range checks of the typed measurements and the derived values.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ceph/CephInputs.h"

namespace vt {
namespace {

// The worked example of the form, every value inside its range, in the order
// SNMP FMA PPMP PFH AFH SNA SNB FA ABMP Wits OPMP UISN IMPA UIFP LIFP UL LL.
constexpr CephTyped kValid{32, 25, 25, 80, 120, 82, 79, 88, 70, -1, 15, 105, 95, 9, 6, 0, 1};

TEST(CephInputs, EveryBoundIsExclusiveAndNonNumbersFail) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct { double CephTyped::*value; double low, high; bool angle; } rows[] = {
        {&CephTyped::SNMP, 2, 68, true},   {&CephTyped::FMA, -6, 60, true},    {&CephTyped::PPMP, -6, 60, true},
        {&CephTyped::SNA, 42, 121, true},  {&CephTyped::SNB, 39, 118, true},   {&CephTyped::FA, 49, 127, true},
        {&CephTyped::ABMP, 29, 113, true}, {&CephTyped::OPMP, -12, 52, true},  {&CephTyped::UISN, 55, 157, true},
        {&CephTyped::IMPA, 45, 145, true}, {&CephTyped::PFH, 13, 161, false},  {&CephTyped::AFH, 41, 206, false},
        {&CephTyped::Wits, -30, 26, false}, {&CephTyped::UIFP, -15, 39, false}, {&CephTyped::LIFP, -18, 36, false},
        {&CephTyped::UL, -14, 21, false},  {&CephTyped::LL, -13, 22, false},
    };
    for (const auto& row : rows) {
        const struct { double value; bool passes; } probes[] = {
            {row.low, false}, {std::nextafter(row.low, inf), true}, {std::nextafter(row.high, -inf), true},
            {row.high, false}, {std::nan(""), false}, {inf, false}, {-inf, false},
        };
        for (const auto& probe : probes) {
            CephTyped typed = kValid;
            typed.*row.value = probe.value;
            const CephValidity v = CheckCephTyped(typed);
            // A failure clears only the flag of the value's own group.
            EXPECT_EQ(v.ValidAngle, probe.passes || !row.angle) << row.low << " < " << probe.value;
            EXPECT_EQ(v.ValidOther, probe.passes || row.angle) << row.low << " < " << probe.value;
            EXPECT_EQ(ApplyCephInputs(CephRecord{}, typed).has_value(), probe.passes) << probe.value;
        }
    }
}

TEST(CephInputs, WorkedExampleDerivesAllTwelve) {
    CephRecord current;
    current.MsgCephalo = "kept";  // the comment is the evaluation's to write
    const CephRecord r = ApplyCephInputs(current, kValid).value();
    const struct { double CephRecord::*value; double expected; } rows[] = {
        {&CephRecord::Sum, 392}, {&CephRecord::ODI, 70},  {&CephRecord::ANB, 3},    {&CephRecord::SNPg, 81},
        {&CephRecord::ABA, -3},  {&CephRecord::APDI, 85}, {&CephRecord::UIPP, 112}, {&CephRecord::FMIA, 60},
        {&CephRecord::IIA, 128}, {&CephRecord::UIOP, 58}, {&CephRecord::LIOP, 70},  {&CephRecord::LL, 1},
    };
    for (const auto& row : rows) EXPECT_EQ(r.*row.value, row.expected) << row.expected;
    EXPECT_DOUBLE_EQ(r.PFHAFH, 200.0 / 3);
    EXPECT_EQ(r.MsgCephalo, "kept");
}

// The order of operations decides two grades: 85.2 / 120 * 100 lies just above
// 71, the rotation threshold of women from 14 (85.2 * 100 / 120 would be 71);
// 68.1 + (23.1 - 23.2) is exactly 68, the ODI threshold under 11 ((68.1 + 23.1)
// - 23.2 would fall below it).
TEST(CephInputs, DerivedValuesKeepTheirOperandOrder) {
    CephTyped typed = kValid;
    typed.PFH = 85.2, typed.ABMP = 68.1, typed.FMA = 23.1, typed.PPMP = 23.2;
    const CephRecord r = ApplyCephInputs(CephRecord{}, typed).value();
    EXPECT_GT(r.PFHAFH, 71.0);
    EXPECT_EQ(r.ODI, 68.0);
}

}  // namespace
}  // namespace vt
