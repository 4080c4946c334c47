// Every score ladder of the evaluation at and beside each threshold, for both
// sexes and the edges of the three age bands. The expected score is counted
// from the normal band and the step of each measurement, not read from the
// ladder tables.

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "ceph/CephEvalSections.h"

namespace vt {
namespace {

using Section = void (*)(const CephRecord&, EvalGroup, EvalWork&);
using Six = std::array<double, 6>;

constexpr Six Same(double v) { return {v, v, v, v, v, v}; }

struct LadderCase {
    const char* name;
    double CephRecord::*field;
    Section section;
    int EvalWork::*score;
    int steps;     // grades on either side of the normal band
    double width;  // of one grade
    int sign;      // +1 when values above the band score positive
    Six low, high;  // normal band by group, both ends included
};

const LadderCase kLadders[] = {
    {"SNMP", &CephRecord::SNMP, EvalVertical, &EvalWork::EvalScore1, 2, 4, +1,
     {32, 31, 30, 32, 31, 30}, {40, 39, 38, 40, 39, 38}},
    {"PFHAFH", &CephRecord::PFHAFH, EvalVertical, &EvalWork::EvalScore2, 1, 1, -1,
     {59, 62, 65, 59, 61, 63}, {67, 70, 73, 67, 69, 71}},
    {"FMA", &CephRecord::FMA, EvalVertical, &EvalWork::EvalScore3, 1, 1, +1,
     {25, 24, 23, 25, 24, 23}, {33, 32, 31, 33, 32, 31}},
    {"ODI", &CephRecord::ODI, EvalVertical, &EvalWork::EvalScore4, 1, 1, -1,
     {68, 67.5, 67, 68, 67.5, 67}, {78, 77.5, 77, 78, 77.5, 77}},
    {"ANB", &CephRecord::ANB, EvalSagittal, &EvalWork::EvalScore1, 6, 1, +1,
     {3, 2.5, 2, 3, 2.5, 2}, {5, 4.5, 4, 5, 4.5, 4}},
    {"APDI", &CephRecord::APDI, EvalSagittal, &EvalWork::EvalScore2, 2, 4, -1,
     {76, 77.5, 79, 76, 77.5, 79}, {84, 85.5, 87, 84, 85.5, 87}},
    {"Wits", &CephRecord::Wits, EvalSagittal, &EvalWork::EvalScore3, 2, 2, +1, Same(-4), Same(0)},
    {"UISN", &CephRecord::UISN, EvalInclination, &EvalWork::EvalScore1, 2, 5, +1,
     {100, 101, 102, 100, 101, 102}, {110, 111, 112, 110, 111, 112}},
    {"UIOP", &CephRecord::UIOP, EvalInclination, &EvalWork::EvalScore2, 3, 4, -1, Same(50), Same(58)},
    {"IMPA", &CephRecord::IMPA, EvalInclination, &EvalWork::EvalScore3, 2, 5, +1, Same(90), Same(100)},
    {"LIOP", &CephRecord::LIOP, EvalInclination, &EvalWork::EvalScore4, 3, 4, -1, Same(66), Same(74)},
    {"UIFP", &CephRecord::UIFP, EvalPosition, &EvalWork::EvalScore1, 3, 3, +1, Same(6), Same(12)},
    {"LIFP", &CephRecord::LIFP, EvalPosition, &EvalWork::EvalScore2, 3, 3, +1, Same(3), Same(9)},
    {"UL", &CephRecord::UL, EvalLips, &EvalWork::EvalScore1, 3, 2, +1,
     {-0.5, -1.5, -2.5, -1, -2, -3}, {3.5, 2.5, 1.5, 3, 2, 1}},
    {"LL", &CephRecord::LL, EvalLips, &EvalWork::EvalScore2, 3, 2, +1,
     {1.5, 0.5, -0.5, 1, 0, -1}, {5.5, 4.5, 3.5, 5, 4, 3}},
};

const LadderCase& Ladder(std::string_view name) {
    for (const LadderCase& c : kLadders)
        if (name == c.name) return c;
    throw std::invalid_argument("no ladder");
}

int ExpectedScore(const LadderCase& s, double v, int column) {
    int grades = 0;
    for (int j = 0; j < s.steps; ++j) {
        if (v > s.high[column] + j * s.width) ++grades;
        if (v < s.low[column] - j * s.width) --grades;
    }
    return s.sign * grades;
}

int ScoreOf(const LadderCase& s, std::int16_t sex, double age, double value) {
    CephRecord record;
    record.*s.field = value;
    EvalWork work;
    s.section(record, EvalGroupOf(sex, age), work);
    return work.*s.score;
}

struct AgeProbe {
    double age;
    int band;
};
constexpr AgeProbe kAges[] = {{10.99, 0}, {11, 1}, {13.99, 1}, {14, 2}};

TEST(CephEvalLadder, EveryThresholdForEveryGroup) {
    for (const LadderCase& s : kLadders) {
        for (std::int16_t sex : {0, 1}) {
            for (const AgeProbe& a : kAges) {
                const int column = sex * 3 + a.band;
                std::vector<double> values{-1000, 1000, (s.low[column] + s.high[column]) / 2};
                for (int j = 0; j < s.steps; ++j) {
                    for (double edge : {s.low[column] - j * s.width, s.high[column] + j * s.width})
                        for (double nudge : {-0.01, 0.0, 0.01}) values.push_back(edge + nudge);
                }
                for (double v : values) {
                    EXPECT_EQ(ScoreOf(s, sex, a.age, v), ExpectedScore(s, v, column))
                        << s.name << " sex " << sex << " age " << a.age << " value " << v;
                }
            }
        }
    }
}

TEST(CephEvalLadder, OtherSexLetsNoRungHold) {
    for (const LadderCase& s : kLadders)
        for (std::int16_t sex : {-1, 2})
            for (double v : {-1000.0, 1000.0}) EXPECT_EQ(ScoreOf(s, sex, 30, v), 0) << s.name << " sex " << sex;
}

struct EdgeRow {
    const char* ladder;
    std::int16_t sex;
    double age, value;
    int score;
};

// The cases the clinicians wrote down with their expected grades.
constexpr EdgeRow kEdgeRows[] = {
    {"SNMP", 0, 12, 31, 0},     {"SNMP", 0, 12, 30.9, -1},   {"PFHAFH", 1, 20, 63, 0},
    {"ODI", 1, 12, 67.5, 0},    {"ODI", 1, 12, 67.4, 1},     {"ANB", 0, 10, 5, 0},
    {"ANB", 0, 10, 5.1, 1},     {"ANB", 0, 10, -2, -5},      {"ANB", 0, 10, -2.1, -6},
    {"APDI", 1, 12, 73.5, 1},   {"APDI", 1, 12, 89.5, -1},   {"APDI", 1, 12, 89.6, -2},
    {"Wits", 0, 30, 0, 0},      {"Wits", 0, 30, -4, 0},      {"Wits", 0, 30, -4.1, -1},
    {"Wits", 0, 30, -6, -1},    {"Wits", 0, 30, 2, 1},       {"Wits", 0, 30, 2.1, 2},
    {"UISN", 0, 10, 95, -1},    {"UISN", 0, 11, 95, -2},     {"UIOP", 1, 30, 42, 2},
    {"UIOP", 1, 30, 58, 0},     {"LIOP", 1, 30, 74, 0},      {"LIOP", 1, 30, 74.1, -1},
    {"UIFP", 0, 30, 0, -2},     {"UIFP", 0, 30, 6, 0},       {"UIFP", 0, 30, 12, 0},
    {"UIFP", 0, 30, 12.1, 1},   {"LIFP", 0, 30, -3, -2},     {"LIFP", 0, 30, 9, 0},
    {"LIFP", 0, 30, 15, 2},     {"UL", 0, 10, -4.5, -2},     {"UL", 1, 10, -4.5, -2},
    {"UL", 1, 10, -5, -2},      {"UL", 1, 10, -5.1, -3},     {"LL", 0, 14, 7.6, 3},
    {"LL", 0, 13.9, 7.6, 2},    {"LL", 1, 12, 0, 0},
};

TEST(CephEvalLadder, WrittenCases) {
    for (const EdgeRow& row : kEdgeRows) {
        EXPECT_EQ(ScoreOf(Ladder(row.ladder), row.sex, row.age, row.value), row.score)
            << row.ladder << " sex " << row.sex << " age " << row.age << " value " << row.value;
    }
}

}  // namespace
}  // namespace vt
