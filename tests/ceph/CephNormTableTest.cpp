// The cephalometric norm rows: norms by sex and age band, and one printed
// row with its columns, formats and deviation mark.
#include "ceph/CephNormTable.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vt {
namespace {

const CephNormRow& Row(std::string_view valueName) {
    for (const CephNormRow& row : CephNormTable)
        if (row.valueName == valueName) return row;
    ADD_FAILURE() << "no row for " << valueName;
    return CephNormTable.front();
}

PatientRecord Patient(std::int16_t sex, double ageYear) {
    PatientRecord p;
    p.Sex = sex;
    p.AgeYear = ageYear;
    return p;
}

TEST(CephNormTable, NormBySexAndAgeBand) {
    const struct { const char* value; std::int16_t sex; double ageYear, norm; } cases[] = {
        {"SNB", 0, 10.99, 78},  {"SNB", 0, 11, 78.5},  {"SNB", 0, 13.99, 78.5}, {"SNB", 0, 14, 79},
        {"PFH", 0, 10.99, 76},  {"PFH", 0, 11, 82},    {"PFH", 0, 14, 96},      {"PFH", 1, 10.99, 74},
        {"PFH", 1, 13.99, 79},  {"PFH", 1, 14, 87},    {"UL", 0, 16, -0.5},     {"UL", 1, 12, 0},
        {"LL", 1, 99, 1},       {"AFH", 1, 15, 129},   {"PFHAFH", 1, 12, 65},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormOf(Row(c.value), c.sex, c.ageYear), c.norm) << c.value << " sex " << c.sex << " age " << c.ageYear;
}

TEST(PrintNormRow, PrintsFiveColumnsAtTheRowsY) {
    const struct {
        const char* value;
        std::int16_t sex;
        double ageYear, patientValue;
        const char* texts[4];  // norm, SD, value, mark
    } cases[] = {
        {"PFH", 1, 15, 97, {"87.0", "±5", "97.0", "↑"}},  // exactly 2 SD
        {"PFH", 0, 15, 97, {"96.0", "±5", "97.0", ""}},
        {"SNA", 0, 12, 91, {"82.0", "±3", "91.0", "↑↑"}},  // exactly 3 SD
        {"SNA", 0, 12, 91.5, {"82.0", "±3", "91.5", "↑↑↑"}},
        {"SNA", 0, 12, 85, {"82.0", "±3", "85.0", ""}},  // exactly 1 SD
        {"Wits", 0, 12, 4, {"-2.0", "±2", "4.0", "↑↑"}},
        {"Wits", 1, 9, -5, {"-2.0", "±2", "-5.0", "↓"}},
        {"UL", 0, 16, -0.5, {"-0.5", "±2", "-0.5", ""}},
        {"IIA", 0, 16, 108, {"124.0", "±7", "108.0", "↓↓"}},
        // 9.000000001 in double, 9 in single precision: not beyond 3 SD.
        {"SNA", 0, 12, 91.000000001, {"82.0", "±3", "91.0", "↑↑"}},
        // 3.000002 once rounded: beyond 1 SD (85.000002 in single precision is 85).
        {"SNA", 0, 12, 85.000002, {"82.0", "±3", "85.0", "↑"}},
        {"SNB", 0, 11, 69.5, {"78.5", "±3", "69.5", "↓↓"}},  // exactly -3 SD
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " " + std::to_string(c.patientValue));
        RecordingSurface s;
        PrintNormRow(s, kCephNormColumns, CephNormRowFor(Row(c.value), c.patientValue, Patient(c.sex, c.ageYear)), 93);
        EXPECT_EQ(s.count(SurfaceOp::SetFontName) + s.count(SurfaceOp::SetFontSize) + s.count(SurfaceOp::SetForeColor), 0);
        const auto printed = s.texts();
        ASSERT_EQ(printed.size(), 5u);
        const double xs[] = {30, 90, 115, 140, 160};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(printed[i].x, xs[i]) << "column " << i;
            EXPECT_EQ(printed[i].y, 93) << "column " << i;
            EXPECT_EQ(printed[i].text, i == 0 ? std::string(Row(c.value).label) : c.texts[i - 1]) << "column " << i;
        }
    }
}

}  // namespace
}  // namespace vt
