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

struct NormCase {
    const char* value;
    std::int16_t sex;
    double ageYear;
    double norm;
};

TEST(CephNormTable, NormBySexAndAgeBand) {
    const NormCase cases[] = {
        {"SNB", 0, 10.99, 78},   {"SNB", 0, 11, 78.5},  {"SNB", 0, 13.99, 78.5},
        {"SNB", 0, 14, 79},      {"SNB", 1, 10.99, 78}, {"SNB", 1, 14, 79},
        {"PFH", 0, 10.99, 76},   {"PFH", 0, 11, 82},    {"PFH", 0, 13.99, 82},
        {"PFH", 0, 14, 96},      {"PFH", 1, 10.99, 74}, {"PFH", 1, 11, 79},
        {"PFH", 1, 13.99, 79},   {"PFH", 1, 14, 87},    {"AFH", 1, 15, 129},
        {"PFHAFH", 1, 12, 65},   {"UL", 0, 10.99, 1.5}, {"UL", 0, 11, 0.5},
        {"UL", 0, 14, -0.5},     {"UL", 1, 10.99, 1},   {"UL", 1, 13.99, 0},
        {"UL", 1, 14, -1},       {"LL", 1, 99, 1},      {"ABA", 0, 0.5, -7},
        {"Wits", 1, 40, -2},     {"Sum", 0, 11, 395},   {"ODI", 1, 13.5, 72.5},
        // A sex other than 0 or 1 takes the female norms, as the header
        // calls it female.
        {"PFH", 2, 15, 87},
    };
    for (const NormCase& c : cases) {
        EXPECT_EQ(NormOf(Row(c.value), c.sex, c.ageYear), c.norm)
            << c.value << " sex " << c.sex << " age " << c.ageYear;
    }
}

TEST(CephNormTable, SumNormsAre360MoreThanSnMp) {
    const CephNormRow& sum = Row("Sum");
    const CephNormRow& snmp = Row("SNMP");
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(sum.norms[i], snmp.norms[i] + 360) << i;
}

TEST(CephNormTable, OnlyFaceHeightsAndLipsDifferBetweenTheSexes) {
    for (const CephNormRow& row : CephNormTable) {
        const bool differs = row.norms[0] != row.norms[3] || row.norms[1] != row.norms[4] ||
                             row.norms[2] != row.norms[5];
        const bool expected = row.valueName == "PFH" || row.valueName == "AFH" ||
                              row.valueName == "PFHAFH" || row.valueName == "UL" ||
                              row.valueName == "LL";
        EXPECT_EQ(differs, expected) << row.label;
        EXPECT_GE(row.sd, 2) << row.label;
        EXPECT_LE(row.sd, 7) << row.label;
    }
}

TEST(CephNormTable, EachRowReadsItsOwnRecordValue) {
    CephRecord r;
    r.FA = 123.25;
    r.UIPP = 555;
    EXPECT_EQ(r.*Row("FA").value, 123.25);
    EXPECT_EQ(Row("FA").label, "Facial Angle");
    int uippRows = 0;
    for (const CephNormRow& row : CephNormTable) uippRows += row.valueName == "UIPP";
    EXPECT_EQ(uippRows, 0);  // UIPP has no row
    for (const CephNormRow& row : CephNormTable) {
        int same = 0;
        for (const CephNormRow& other : CephNormTable) same += other.value == row.value;
        EXPECT_EQ(same, 1) << row.label;
    }
}

PatientRecord Patient(std::int16_t sex, double ageYear) {
    PatientRecord p;
    p.Sex = sex;
    p.AgeYear = ageYear;
    return p;
}

struct RowCase {
    const char* value;
    std::int16_t sex;
    double ageYear;
    double patientValue;
    const char* norm;
    const char* sd;
    const char* valueText;
    const char* mark;
};

TEST(PrintNormRow, PrintsFiveColumnsAtTheRowsY) {
    const RowCase cases[] = {
        {"PFH", 1, 15, 97, "87.0", "±5", "97.0", "↑"},      // exactly 2 SD
        {"PFH", 0, 15, 97, "96.0", "±5", "97.0", ""},
        {"SNA", 0, 12, 91, "82.0", "±3", "91.0", "↑↑"},     // exactly 3 SD
        {"SNA", 0, 12, 91.5, "82.0", "±3", "91.5", "↑↑↑"},
        {"SNA", 0, 12, 85, "82.0", "±3", "85.0", ""},       // exactly 1 SD
        {"Wits", 0, 12, 4, "-2.0", "±2", "4.0", "↑↑"},
        {"Wits", 1, 9, -5, "-2.0", "±2", "-5.0", "↓"},
        {"UL", 0, 16, -0.5, "-0.5", "±2", "-0.5", ""},
        {"IIA", 0, 16, 108, "124.0", "±7", "108.0", "↓↓"},
        {"Sum", 0, 10, 396, "396.0", "±4", "396.0", ""},
        {"ABA", 1, 10, -7, "-7.0", "±3", "-7.0", ""},
        // Formed in double (9.000000001), rounded to single precision (9):
        // not beyond 3 SD.
        {"SNA", 0, 12, 91.000000001, "82.0", "±3", "91.0", "↑↑"},
        {"SNB", 0, 10.9, 70.9, "78.0", "±3", "70.9", "↓↓"},
        {"SNB", 0, 11, 70.9, "78.5", "±3", "70.9", "↓↓"},
        {"SNB", 0, 11, 69.5, "78.5", "±3", "69.5", "↓↓"},   // exactly -3 SD
        {"SNB", 0, 11, 69.4, "78.5", "±3", "69.4", "↓↓↓"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " " + std::to_string(c.patientValue));
        RecordingSurface s;
        s.setFontName("돋움체");
        s.setFontSize(11);
        const CephNormRow& row = Row(c.value);
        PrintNormRow(s, row, 93, c.patientValue, Patient(c.sex, c.ageYear));
        const auto printed = s.texts();
        ASSERT_EQ(printed.size(), 5u);
        const double xs[] = {30, 90, 115, 140, 160};
        const std::string texts[] = {std::string(row.label), c.norm, c.sd, c.valueText, c.mark};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(printed[i].x, xs[i]) << "column " << i;
            EXPECT_EQ(printed[i].y, 93) << "column " << i;
            EXPECT_EQ(printed[i].text, texts[i]) << "column " << i;
        }
    }
}

TEST(PrintNormRow, KeepsTheFontAndColourItIsGiven) {
    RecordingSurface s;
    s.setFontName("돋움체");
    s.setFontSize(11);
    s.setForeColor(0);
    s.clear();
    PrintNormRow(s, CephNormTable[0], 48, 82, Patient(0, 12));
    EXPECT_EQ(s.count(SurfaceOp::SetFontName), 0);
    EXPECT_EQ(s.count(SurfaceOp::SetFontSize), 0);
    EXPECT_EQ(s.count(SurfaceOp::SetForeColor), 0);
}

}  // namespace
}  // namespace vt
