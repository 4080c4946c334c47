// The incisor ratio and the whole model analysis: range bounds of every
// width, the worked examples, single-precision storage, and what accepted
// and refused runs leave in the record.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/ModelAnalysis.h"

namespace vt {
namespace {

// The worked example: widths of a patient, upper then lower, and basal arches.
ModelEntries WorkedExample() {
    ModelEntries e;
    e.size = {"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"};
    e.UBAW = "46.5";
    e.LBAW = "40";
    return e;
}

TEST(ModelAnalysis, WorkedExampleGivesTheThreeResultLines) {
    const ModelRun run = RunModelAnalysis(ModelRecord{}, WorkedExample());
    ASSERT_TRUE(run.accepted);
    const ModelRecord& m = run.record;
    EXPECT_EQ(m.SoiText, " 15.3 : 11.4 = 4 : 2.98");
    EXPECT_EQ(m.BoltonText, " 6 : 79.3 (77%), 12 : 92.4 (91%)");
    EXPECT_EQ(m.HowesText, " PMUBAW/TM = 46.5/95.0 = 48.9");
    EXPECT_NEAR(m.SOI, 4 * 11.4 / 15.3, 1e-12);
    EXPECT_DOUBLE_EQ(*m.U6T, 46.4);
    EXPECT_DOUBLE_EQ(*m.L6T, 36.8);
    // The first molars are held in single precision: 10.3f lies above 10.3,
    // 11.2f below 11.2, and the sums carry the difference.
    EXPECT_GT(*m.U12T, 95.0);
    EXPECT_LT(*m.U12T, 95.0 + 1e-5);
    EXPECT_LT(*m.L12T, 87.8);
    EXPECT_GT(*m.L12T, 87.8 - 1e-5);
    EXPECT_EQ(*m.U12T, 2 * (8.5 + 6.8 + 7.9 + 7.2 + 6.8 + static_cast<double>(10.3f)));
    EXPECT_EQ(m.Howes, static_cast<float>(100 * (46.5 / *m.U12T)));
    EXPECT_EQ(*m.UBAW, 46.5);
    EXPECT_EQ(*m.LBAW, 40.0f);
}

TEST(ModelAnalysis, IncisorRatioWorkedExamples) {
    struct Case {
        const char *u1, *u2, *l1, *l2;
        std::string text;
        double soi;
    };
    const Case cases[] = {
        {"8.5", "6.8", "5.4", "6.0", " 15.3 : 11.4 = 4 : 2.98", 4 * (11.4 / 15.3)},
        // A ratio below 1 is written without a digit before the point.
        {"15", "13", "1.5", "1.5", " 28.0 : 3.0 = 4 : .43", 4 * (3.0 / 28.0)},
    };
    for (const Case& c : cases) {
        ModelEntries e;
        e.size[0] = c.u1, e.size[1] = c.u2, e.size[6] = c.l1, e.size[7] = c.l2;
        const ModelRun run = RunIncisorRatio(ModelRecord{}, e);
        ASSERT_TRUE(run.accepted) << c.text;
        EXPECT_EQ(run.record.SoiText, c.text);
        EXPECT_NEAR(run.record.SOI, c.soi, 1e-12);
    }
}

// Every width, at and just inside each bound: the bounds themselves fail.
TEST(ModelAnalysis, EveryToothWidthIsCheckedStrictlyAtBothEnds) {
    struct Bound {
        int box;
        double lower, upper;
    };
    const Bound bounds[] = {
        {0, 2, 16}, {1, 1, 14}, {2, 2, 16}, {3, 2, 16}, {4, 2, 16}, {5, 3, 20},
        {6, 1, 14}, {7, 1, 14}, {8, 2, 16}, {9, 2, 16}, {10, 2, 16}, {11, 3, 22},
    };
    for (const Bound& b : bounds) {
        struct Probe {
            double value;
            bool accepted;
        };
        const Probe probes[] = {{b.lower, false}, {b.lower + 0.1, true}, {b.upper - 0.1, true}, {b.upper, false}};
        for (const Probe& p : probes) {
            ModelEntries e = WorkedExample();
            e.size[b.box] = std::to_string(p.value);
            EXPECT_EQ(RunModelAnalysis(ModelRecord{}, e).accepted, p.accepted) << "box " << b.box << " = " << p.value;
            const bool incisor = b.box == 0 || b.box == 1 || b.box == 6 || b.box == 7;
            if (incisor)
                EXPECT_EQ(RunIncisorRatio(ModelRecord{}, e).accepted, p.accepted) << "box " << b.box << " = " << p.value;
        }
    }
}

TEST(ModelAnalysis, IncisorRatioIgnoresTheOtherBoxes) {
    ModelEntries e;
    e.size = {"8.5", "6.8", "", "", "", "", "5.4", "6.0", "", "", "", ""};
    EXPECT_TRUE(RunIncisorRatio(ModelRecord{}, e).accepted);
    EXPECT_FALSE(RunModelAnalysis(ModelRecord{}, e).accepted);
}

TEST(ModelAnalysis, LowerFirstMolarRangeIsWiderThanUpper) {
    ModelEntries e = WorkedExample();
    e.size[11] = "21";
    EXPECT_TRUE(RunModelAnalysis(ModelRecord{}, e).accepted);
    e = WorkedExample();
    e.size[5] = "21";
    EXPECT_FALSE(RunModelAnalysis(ModelRecord{}, e).accepted);
}

TEST(ModelAnalysis, UnreadableEntriesFailTheCheck) {
    for (const char* text : {"", "abc", "1e400", "-8.5"}) {
        ModelEntries e = WorkedExample();
        e.size[3] = text;
        EXPECT_FALSE(RunModelAnalysis(ModelRecord{}, e).accepted) << '"' << text << '"';
    }
    // A leading number is read and the rest ignored.
    ModelEntries e = WorkedExample();
    e.size[3] = "7.2mm";
    const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
    EXPECT_TRUE(run.accepted);
    EXPECT_EQ(run.record.U4, 7.2);
}

// The molars are stored in single precision and checked as stored.
TEST(ModelAnalysis, MolarsAreCheckedAfterRoundingToSinglePrecision) {
    struct Case {
        int box;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {5, "19.9999999", false},   // rounds to 20.0f
        {11, "21.9999999", false},  // rounds to 22.0f
        {4, "15.9999999", true},    // a double keeps it below 16
        {10, "15.9999999", true},
        {5, "3.0000001", false},    // rounds to 3.0f
        {11, "3.0000001", false},
    };
    for (const Case& c : cases) {
        ModelEntries e = WorkedExample();
        e.size[c.box] = c.text;
        const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
        EXPECT_EQ(run.accepted, c.accepted) << "box " << c.box << " " << c.text;
        EXPECT_EQ(ToothWidth(run.record, c.box),
                  c.box == 5 || c.box == 11 ? static_cast<double>(std::stof(c.text)) : std::stod(c.text));
    }
}

TEST(ModelAnalysis, BasalArchWidthsAreOptional) {
    struct Case {
        const char *ubaw, *lbaw;
        bool upperPresent, lowerPresent;
        std::string howesText;
    };
    const Case cases[] = {
        {"46.5", "40", true, true, " PMUBAW/TM = 46.5/95.0 = 48.9"},
        {"10", "80", false, false, ""},
        {"80", "10", false, false, ""},
        {"", "", false, false, ""},
        {"10.1", "79.9", true, true, " PMUBAW/TM = 10.1/95.0 = 10.6"},
        {"1e400", "abc", false, false, ""},
        {"46.5", "", true, false, " PMUBAW/TM = 46.5/95.0 = 48.9"},
    };
    for (const Case& c : cases) {
        ModelEntries e = WorkedExample();
        e.UBAW = c.ubaw;
        e.LBAW = c.lbaw;
        const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
        ASSERT_TRUE(run.accepted);
        EXPECT_EQ(run.record.UBAW.has_value(), c.upperPresent) << c.ubaw;
        EXPECT_EQ(run.record.LBAW.has_value(), c.lowerPresent) << c.lbaw;
        EXPECT_EQ(run.record.HowesText, c.howesText) << c.ubaw;
    }
}

// The lower basal width is checked as typed and then rounded: a width just
// below 80 passes the check and is stored as 80.0f.
TEST(ModelAnalysis, LowerBasalArchIsCheckedBeforeRounding) {
    ModelEntries e = WorkedExample();
    e.LBAW = "79.9999999";
    const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
    ASSERT_TRUE(run.record.LBAW.has_value());
    EXPECT_EQ(*run.record.LBAW, 80.0f);
}

// An accepted run, a refused one, the incisor ratio, and accepted again:
// what each leaves behind.
TEST(ModelAnalysis, RefusedRunsKeepTheResultsOfTheLastAcceptedOne) {
    ModelRecord m;
    ModelRun run = RunModelAnalysis(m, WorkedExample());
    ASSERT_TRUE(run.accepted);
    m = run.record;
    const ModelRecord accepted = m;

    ModelEntries refused = WorkedExample();
    refused.size[0] = "16";  // upper central incisor at its bound
    refused.size[9] = "3.3";
    refused.UBAW = "";
    run = RunModelAnalysis(m, refused);
    ASSERT_FALSE(run.accepted);
    m = run.record;
    // The typed widths are stored, results and basal arches are kept.
    EXPECT_EQ(m.U1, 16);
    EXPECT_EQ(m.L4, 3.3);
    EXPECT_EQ(m.SOI, accepted.SOI);
    EXPECT_EQ(m.U12T, accepted.U12T);
    EXPECT_EQ(m.L12T, accepted.L12T);
    EXPECT_EQ(m.UBAW, accepted.UBAW);
    EXPECT_EQ(m.LBAW, accepted.LBAW);
    EXPECT_EQ(m.Howes, accepted.Howes);
    EXPECT_EQ(m.SoiText, accepted.SoiText);
    EXPECT_EQ(m.BoltonText, accepted.BoltonText);
    EXPECT_EQ(m.HowesText, accepted.HowesText);

    // A refused incisor ratio empties only the ratio line; SOI stays.
    ModelEntries incisors = WorkedExample();
    incisors.size[1] = "14";
    run = RunIncisorRatio(m, incisors);
    ASSERT_FALSE(run.accepted);
    m = run.record;
    EXPECT_EQ(m.U1, 8.5);
    EXPECT_EQ(m.U2, 14);
    EXPECT_EQ(m.L4, 3.3);  // the other boxes are not read
    EXPECT_EQ(m.SoiText, "");
    EXPECT_EQ(m.SOI, accepted.SOI);
    EXPECT_EQ(m.BoltonText, accepted.BoltonText);

    // An accepted incisor ratio rewrites the ratio and nothing else.
    incisors.size[1] = "7.5";
    run = RunIncisorRatio(m, incisors);
    ASSERT_TRUE(run.accepted);
    m = run.record;
    EXPECT_EQ(m.SoiText, " 16.0 : 11.4 = 4 : 2.85");
    EXPECT_EQ(m.U12T, accepted.U12T);
    EXPECT_EQ(m.BoltonText, accepted.BoltonText);

    // An accepted run without basal widths clears them and the Howes line.
    ModelEntries noBasal = WorkedExample();
    noBasal.UBAW = "85";
    noBasal.LBAW = "";
    run = RunModelAnalysis(m, noBasal);
    ASSERT_TRUE(run.accepted);
    m = run.record;
    EXPECT_FALSE(m.UBAW.has_value());
    EXPECT_FALSE(m.LBAW.has_value());
    EXPECT_EQ(m.Howes, 0);
    EXPECT_EQ(m.HowesText, "");
    EXPECT_EQ(m.SoiText, accepted.SoiText);
    EXPECT_EQ(m.L4, 7.1);
}

TEST(ModelAnalysis, FreshRecordHoldsNoResults) {
    const ModelRecord m;
    EXPECT_EQ(m.SOI, 0);
    EXPECT_FALSE(m.U12T || m.L12T || m.U6T || m.L6T || m.UBAW || m.LBAW);
    EXPECT_TRUE(m.SoiText.empty() && m.BoltonText.empty() && m.HowesText.empty());
    EXPECT_EQ(m.ArchForm, 1);
    EXPECT_EQ(m.Overjet, 2.5f);
    EXPECT_EQ(m.ExtChoice, 0);
}

TEST(ModelAnalysis, SingleRoundingSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ToSingle(1e300), INFINITY);
    EXPECT_EQ(ToSingle(-1e300), -INFINITY);
    EXPECT_EQ(ToSingle(10.3), 10.3f);
    EXPECT_EQ(ToSingle(std::numeric_limits<float>::max() * 1.0000000001), std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace vt
