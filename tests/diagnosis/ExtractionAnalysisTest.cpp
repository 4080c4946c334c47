// The extraction analyses: formula lines, verdicts at their bounds, the
// entry ranges, Kim's index held as text, and the incisor floor.

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "diagnosis/ExtractionAnalysis.h"

namespace vt {
namespace {

CephRecord Ceph(double odi, double apdi, double iia, double ul, double ll, double lifp = 100) {
    CephRecord c;
    c.ODI = odi, c.APDI = apdi, c.IIA = iia, c.UL = ul, c.LL = ll, c.LIFP = lifp;
    return c;
}

std::string Blanks(int n) { return std::string(n, ' '); }

TEST(ExtractionAnalysis, WorkedExamplesAndKimsIndexAsText) {
    FindingsRecord r;
    r.DxText = "an earlier comment ";
    const auto run = RunExtraction(r, {"", "-4", "2"}, Ceph(72, 81.5, 130, 1, 2, 3));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->JarabakVal, -1);
    EXPECT_EQ(run->JarabakText, " -4.0/2 + 2.0/2 + (5.0-5) = -1.0" + Blanks(10) + "(non-ext)");
    EXPECT_EQ(run->KimEI, "151.5");
    EXPECT_EQ(run->KimsText, " 72.0 + 81.5 - (125-130.0)/5 - (1.0+2.0) = 151.5" + Blanks(48) + "(border-line)");
    EXPECT_EQ(run->DxText, "");

    // Just below 150 is held as "150" and judged as 150.
    const CephRecord c = Ceph(72.1, 79.3, 130, 1.7, 0.7);
    ASSERT_EQ(KimIndex(c), 149.99999999999997);
    ComputeExtraction(r, c);
    EXPECT_EQ(r.KimEI, "150");
    EXPECT_TRUE(r.KimsText.ends_with("= 150.0" + Blanks(48) + "(border-line)")) << r.KimsText;
}

TEST(ExtractionAnalysis, VerdictsAtTheirBounds) {
    const struct { double value; const char* jarabak; const char* kims; } rows[] = {
        {7, "(border-line)", "(ext)"}, {5, "(border-line)", "(ext)"}, {7.05, "(ext)", "(ext)"},
        {4.95, "(non-ext)", "(ext)"},  {150, "(ext)", "(border-line)"}, {155, "(ext)", "(border-line)"},
        {149.9, "(ext)", "(ext)"},     {155.1, "(ext)", "(non-ext)"},
    };
    for (const auto& row : rows) {
        const std::string jarabak = JarabakVerdict(row.value), kims = KimsVerdict(row.value);
        EXPECT_EQ(jarabak, Blanks(19 - std::strlen(row.jarabak)) + row.jarabak) << row.value;
        EXPECT_EQ(kims, Blanks(61 - std::strlen(row.kims)) + row.kims) << row.value;
    }
}

TEST(ExtractionAnalysis, EntryRangesAndIncisorFloor) {
    const struct { FindingsEntries entries; bool accepted; } rows[] = {
        {{"29.9", "0", "0"}, true}, {{"30", "", ""}, false},  {{"-30", "", ""}, false}, {{"", "30", ""}, false},
        {{"", "-30", ""}, false},   {{"", "", "10"}, false},  {{"", "", "-5"}, false},  {{"", "", "-4.9"}, true},
        {{"", "", "9.9x"}, true},   {{"1e999", "", ""}, false}, {{"", "-1e999", ""}, false},
    };
    for (const auto& row : rows) {
        const FindingsEntries& e = row.entries;
        EXPECT_EQ(RunExtraction({}, e, {}).has_value(), row.accepted) << e.ALDMx << "|" << e.ALDMn << "|" << e.COS;
    }
    // The floor of 5 is the analysis's own; the record it reads is const.
    for (auto [lifp, jarabak, shown] :
         {std::tuple{4.9, 0.0, "(5.0-5)"}, {-17.0, 0.0, "(5.0-5)"}, {6.0, 1.0, "(6.0-5)"}}) {
        const auto run = RunExtraction({}, {}, Ceph(0, 0, 0, 0, 0, lifp));
        EXPECT_EQ(run->JarabakVal, jarabak) << lifp;
        EXPECT_TRUE(run->JarabakText.find(shown) != std::string::npos) << run->JarabakText;
    }
}

}  // namespace
}  // namespace vt
