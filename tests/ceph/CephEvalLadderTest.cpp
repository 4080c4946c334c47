// Every score ladder at and beside each threshold, for both sexes and the
// edges of the age bands; the expected score is counted from the normal band.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

using Six = std::array<double, 6>;  // M<11, M11-<14, M>=14, F<11, F11-<14, F>=14
constexpr Six Same(double v) { return {v, v, v, v, v, v}; }

// A ladder as a normal band (both ends included) with `steps` grades of
// `width` on either side; sign +1 when values above the band score positive.
struct LadderCase {
    const char* name;
    double CephRecord::*field;
    void (*section)(const CephRecord&, EvalGroup, EvalWork&);
    int EvalWork::*score;
    int steps, width, sign;
    Six low, high;
};

const LadderCase kLadders[] = {
    {"SNMP", &CephRecord::SNMP, EvalVertical, &EvalWork::EvalScore1, 2, 4, +1, {32, 31, 30, 32, 31, 30}, {40, 39, 38, 40, 39, 38}},
    {"PFHAFH", &CephRecord::PFHAFH, EvalVertical, &EvalWork::EvalScore2, 1, 1, -1, {59, 62, 65, 59, 61, 63}, {67, 70, 73, 67, 69, 71}},
    {"FMA", &CephRecord::FMA, EvalVertical, &EvalWork::EvalScore3, 1, 1, +1, {25, 24, 23, 25, 24, 23}, {33, 32, 31, 33, 32, 31}},
    {"ODI", &CephRecord::ODI, EvalVertical, &EvalWork::EvalScore4, 1, 1, -1, {68, 67.5, 67, 68, 67.5, 67}, {78, 77.5, 77, 78, 77.5, 77}},
    {"ANB", &CephRecord::ANB, EvalSagittal, &EvalWork::EvalScore1, 6, 1, +1, {3, 2.5, 2, 3, 2.5, 2}, {5, 4.5, 4, 5, 4.5, 4}},
    {"APDI", &CephRecord::APDI, EvalSagittal, &EvalWork::EvalScore2, 2, 4, -1, {76, 77.5, 79, 76, 77.5, 79}, {84, 85.5, 87, 84, 85.5, 87}},
    {"Wits", &CephRecord::Wits, EvalSagittal, &EvalWork::EvalScore3, 2, 2, +1, Same(-4), Same(0)},
    {"UISN", &CephRecord::UISN, EvalInclination, &EvalWork::EvalScore1, 2, 5, +1, {100, 101, 102, 100, 101, 102}, {110, 111, 112, 110, 111, 112}},
    {"UIOP", &CephRecord::UIOP, EvalInclination, &EvalWork::EvalScore2, 3, 4, -1, Same(50), Same(58)},
    {"IMPA", &CephRecord::IMPA, EvalInclination, &EvalWork::EvalScore3, 2, 5, +1, Same(90), Same(100)},
    {"LIOP", &CephRecord::LIOP, EvalInclination, &EvalWork::EvalScore4, 3, 4, -1, Same(66), Same(74)},
    {"UIFP", &CephRecord::UIFP, EvalPosition, &EvalWork::EvalScore1, 3, 3, +1, Same(6), Same(12)},
    {"LIFP", &CephRecord::LIFP, EvalPosition, &EvalWork::EvalScore2, 3, 3, +1, Same(3), Same(9)},
    {"UL", &CephRecord::UL, EvalLips, &EvalWork::EvalScore1, 3, 2, +1, {-0.5, -1.5, -2.5, -1, -2, -3}, {3.5, 2.5, 1.5, 3, 2, 1}},
    {"LL", &CephRecord::LL, EvalLips, &EvalWork::EvalScore2, 3, 2, +1, {1.5, 0.5, -0.5, 1, 0, -1}, {5.5, 4.5, 3.5, 5, 4, 3}},
};

int ScoreOf(const LadderCase& s, std::int16_t sex, double age, double value) {
    CephRecord record;
    record.*s.field = value;
    EvalWork work;
    s.section(record, EvalGroupOf(sex, age), work);
    return work.*s.score;
}

TEST(CephEvalLadder, EveryThresholdForEveryGroup) {
    const struct { double age; int band; } ages[] = {{10.99, 0}, {11, 1}, {13.99, 1}, {14, 2}};
    for (const LadderCase& s : kLadders) {
        for (std::int16_t sex : {0, 1}) {
            for (const auto& a : ages) {
                const double low = s.low[sex * 3 + a.band], high = s.high[sex * 3 + a.band];
                std::vector<double> values{-1000, 1000, (low + high) / 2};
                for (int j = 0; j < s.steps; ++j)
                    for (double edge : {low - j * s.width, high + j * s.width})
                        for (double nudge : {-0.01, 0.0, 0.01}) values.push_back(edge + nudge);
                for (double v : values) {
                    int grades = 0;  // thresholds passed, strictly, on either side
                    for (int j = 0; j < s.steps; ++j) grades += (v > high + j * s.width) - (v < low - j * s.width);
                    EXPECT_EQ(ScoreOf(s, sex, a.age, v), s.sign * grades)
                        << s.name << " sex " << sex << " age " << a.age << " value " << v;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vt
