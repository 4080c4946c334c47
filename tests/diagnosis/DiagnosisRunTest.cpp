// The two presses without the form: the extraction analyses and the diagnosis run.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>

#include "DxWorld.h"
#include "diagnosis/ExtractionAnalysis.h"

namespace vt {
namespace {

using testing::DxWorld;
using testing::Has;

CephRecord Ceph(double odi, double apdi, double iia, double ul, double ll, double lifp = 100) {
    CephRecord c;
    c.ODI = odi, c.APDI = apdi, c.IIA = iia, c.UL = ul, c.LL = ll, c.LIFP = lifp;
    return c;
}

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

FindingsRecord WithOptions(std::int16_t molarRt, std::int16_t molarLt, std::int16_t crossRt, std::int16_t crossLt) {
    FindingsRecord r;
    r.optMolarRtIdx = molarRt, r.optMolarLtIdx = molarLt, r.optCrossRtIdx = crossRt, r.optCrossLtIdx = crossLt;
    return r;
}

TEST(ExtractionAnalysis, WorkedExamplesAndKimsIndexAsText) {
    FindingsRecord r;
    r.DxText = "an earlier comment ";
    const auto run = RunExtraction(r, {"", "-4", "2"}, Ceph(72, 81.5, 130, 1, 2, 3));
    ASSERT_TRUE(run);
    EXPECT_EQ((std::tuple{run->JarabakVal, run->JarabakText, run->KimEI, run->KimsText, run->DxText}),
              (std::tuple{-1.0,
                          " -4.0/2 + 2.0/2 + (5.0-5) = -1.0" + Blanks(10) + "(non-ext)",
                          std::string("151.5"),
                          " 72.0 + 81.5 - (125-130.0)/5 - (1.0+2.0) = 151.5" + Blanks(48) + "(border-line)",
                          std::string()}));
    // Just below 150 is held as "150" and judged as 150.
    const CephRecord c = Ceph(72.1, 79.3, 130, 1.7, 0.7);
    ASSERT_EQ(KimIndex(c), 149.99999999999997);
    ComputeExtraction(r, c);
    EXPECT_EQ(r.KimEI, "150") << "Kim's index held as text";
    EXPECT_TRUE(r.KimsText.ends_with("= 150.0" + Blanks(48) + "(border-line)")) << "Kim's line: " << r.KimsText;
}

TEST(ExtractionAnalysis, VerdictsAtTheirBounds) {
    const struct {
        double value;
        const char *jarabak, *kims;
    } rows[] = {{7, "(border-line)", "(ext)"},
                {5, "(border-line)", "(ext)"},
                {7.05, "(ext)", "(ext)"},
                {4.95, "(non-ext)", "(ext)"},
                {150, "(ext)", "(border-line)"},
                {155, "(ext)", "(border-line)"},
                {149.9, "(ext)", "(ext)"},
                {155.1, "(ext)", "(non-ext)"}};
    for (const auto& row : rows)
        EXPECT_EQ((std::pair<std::string, std::string>{JarabakVerdict(row.value), KimsVerdict(row.value)}),
                  (std::pair{Blanks(19 - std::strlen(row.jarabak)) + row.jarabak,
                             Blanks(61 - std::strlen(row.kims)) + row.kims}))
            << row.value;
}

TEST(ExtractionAnalysis, EntryRangesAndIncisorFloor) {
    const struct {
        FindingsEntries entries;
        bool accepted;
    } rows[] = {{{"29.9", "0", "0"}, true},
                {{"30", "", ""}, false},
                {{"-30", "", ""}, false},
                {{"", "30", ""}, false},
                {{"", "-30", ""}, false},
                {{"", "", "10"}, false},
                {{"", "", "-5"}, false},
                {{"", "", "-4.9"}, true},
                {{"", "", "9.9x"}, true},
                {{"1e999", "", ""}, false},
                {{"", "-1e999", ""}, false}};
    for (const auto& [e, accepted] : rows)
        EXPECT_EQ(RunExtraction({}, e, {}).has_value(), accepted) << e.ALDMx << "|" << e.ALDMn << "|" << e.COS;
    // The floor of 5 is the analysis's own; the record it reads is const.
    for (auto [lifp, jarabak, shown] :
         {std::tuple{4.9, 0.0, "(5.0-5)"}, {-17.0, 0.0, "(5.0-5)"}, {6.0, 1.0, "(6.0-5)"}}) {
        const auto run = RunExtraction({}, {}, Ceph(0, 0, 0, 0, 0, lifp));
        EXPECT_EQ(run->JarabakVal, jarabak) << "Jarabak value at LIFP " << lifp;
        EXPECT_TRUE(Has(run->JarabakText, shown)) << "Jarabak line at LIFP " << lifp << ": " << run->JarabakText;
    }
}

TEST(DiagnosisRun, CorrectedIndicesWorkedExample) {
    const DxWorld world(0, 20, 1, 3);
    const auto run = RunDiagnosis(WithOptions(1, 0, 0, 0), {"2", "4", "2", "3", "4", "2", "", "", ""}, world.sources());
    ASSERT_TRUE(run);
    EXPECT_EQ((std::array{run->OBc, run->OJc, run->OBv, run->APIdx}), (std::array{2.6, 2.8, 2.3000000000000003, 4.66}));
}

// Refused rows hand back nothing, so the caller's record stays whole. The
// left cross-bite is held in single precision.
TEST(DiagnosisRun, SignsAndRanges) {
    const struct {
        FindingsEntries e;
        std::int16_t opt[4];
        bool accepted;
        double sides[4] = {};
    } rows[] = {
        {{}, {}, true},
        {{.MolarRt = "99", .CrossRt = "25", .CrossLt = "1e39"}, {}, true},  // Class I and Normal give 0
        {{.MolarRt = "3", .MolarLt = "3", .CrossRt = "2", .CrossLt = "3"}, {1, 2, 1, 2}, true, {3, -3, 2, -3}},
        {{.OB = "19.9", .OJ = "-29.9", .MolarRt = "-3"}, {2, 0, 0, 0}, true, {3, 0, 0, 0}},
        {{.OB = "20"}, {}, false},
        {{.OB = "-20"}, {}, false},
        {{.OJ = "30"}, {}, false},
        {{.MolarRt = "30", .MolarLt = "-30"}, {1, 0, 0, 0}, false},
        {{.MolarLt = "30"}, {0, 2, 0, 0}, false},
        {{.CrossRt = "20"}, {0, 0, 1, 0}, false},
        {{.CrossLt = "20"}, {0, 0, 0, 2}, false},
        {{.CrossLt = "1e39"}, {0, 0, 0, 1}, false},                      // infinite in single precision
        {{.CrossLt = "-1.99999999"}, {0, 0, 0, 2}, true, {0, 0, 0, 2}},  // 2 in single precision
        {{.ALDMx = "30"}, {}, false},
        {{.COS = "10"}, {}, false},
        {{.MolarRt = "1e999"}, {}, false},  // beyond a double, whatever the option
    };
    const DxWorld world;
    for (const auto& row : rows) {
        const FindingsRecord options = WithOptions(row.opt[0], row.opt[1], row.opt[2], row.opt[3]);
        const auto run = RunDiagnosis(options, row.e, world.sources());
        ASSERT_EQ(run.has_value(), row.accepted)
            << row.e.OB << "|" << row.e.OJ << "|" << row.e.MolarRt << "|" << row.e.CrossRt << "|" << row.e.CrossLt;
        if (!run) continue;
        EXPECT_EQ((std::array{run->MolarRt, run->MolarLt, run->CrossRt, double(run->CrossLt)}),
                  (std::array{row.sides[0], row.sides[1], row.sides[2], row.sides[3]}));
    }
}

// Below 10 the comment ends on the growth timing; from 10 the extraction
// entry and the closing sentence follow.
TEST(DiagnosisRun, UnderTenNoExtractionNorClosing) {
    for (auto [age, last] : {std::pair{9.99, "영구치 맹출 후에 고정식 교정치료를 시행한다. "},
                             {10.0, "Finishing 과정에서 상하악 전치부 크기 부조화를 고려해야 한다. "}}) {
        DxWorld world(0, age);
        world.model.SOI = 2.5;
        const auto run = RunDiagnosis({}, {"", "9", "", "", "", "", "", "", ""}, world.sources());
        ASSERT_TRUE(run);
        EXPECT_TRUE(run->DxText.ends_with(last)) << age << ": " << run->DxText;
    }
}

// The incisor floor is applied by both presses alike, so pressing
// "발치 분석" first changes nothing; the formula line keeps the Jarabak
// value before its adjustment for sex and vertical pattern.
TEST(DiagnosisRun, SameDiagnosisInBothButtonOrders) {
    for (double lifp : {-3.0, 4.9, 5.0, 8.0}) {
        DxWorld world(1, 15, 2, -2);
        world.ceph.LIFP = lifp;
        const FindingsEntries e{"6", "7", "3", "1", "-1", "2", "1", "", ""};
        const auto direct = RunDiagnosis(WithOptions(2, 1, 0, 0), e, world.sources());
        const auto extFirst = RunExtraction(WithOptions(2, 1, 0, 0), e, world.ceph);
        ASSERT_TRUE(direct) << "diagnosis refused at LIFP " << lifp;
        ASSERT_TRUE(extFirst) << "extraction analysis refused at LIFP " << lifp;
        const auto after = RunDiagnosis(*extFirst, e, world.sources());
        ASSERT_TRUE(after);
        EXPECT_EQ(
            (std::tuple{after->DxText, after->JarabakText, extFirst->JarabakText, direct->JarabakVal, world.ceph.LIFP}),
            (std::tuple{
                direct->DxText, direct->JarabakText, direct->JarabakText, extFirst->JarabakVal + 0.5 + 0.5, lifp}))
            << lifp;
    }
}

}  // namespace
}  // namespace vt
