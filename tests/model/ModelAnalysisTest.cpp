// The incisor ratio and the whole model analysis: the bounds of every width,
// the worked examples, single-precision storage, and what a sequence of
// accepted and refused runs leaves in the record.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "model/ModelAnalysis.h"

namespace vt {
namespace {

ModelEntries WorkedExample() {
    return {{"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"}, "46.5", "40"};
}

TEST(ModelAnalysis, WorkedExamples) {
    // Its result lines are checked on the form's labels.
    const ModelRecord m = RunModelAnalysis(ModelRecord{}, WorkedExample()).record;
    // The molars held in single precision: 10.3f lies above 10.3, 11.2f below.
    EXPECT_GT(*m.U12T, 95.0);
    EXPECT_LT(*m.U12T, 95.0 + 1e-5);
    EXPECT_LT(*m.L12T, 87.8);
    EXPECT_GT(*m.L12T, 87.8 - 1e-5);
    EXPECT_EQ(m.Howes, 48.947369f);

    // The incisor ratio alone; below 1 it has no digit before the point.
    ModelEntries e;
    e.size[0] = "15", e.size[1] = "13", e.size[6] = "1.5", e.size[7] = "1.5";
    const ModelRun run = RunIncisorRatio(ModelRecord{}, e);
    EXPECT_TRUE(run.accepted);
    EXPECT_EQ(run.record.SoiText, " 28.0 : 3.0 = 4 : .43");
    EXPECT_EQ(run.record.SOI, 4 * (3.0 / 28.0));
}

// Every width at and just inside each bound; the incisor ratio checks its four.
TEST(ModelAnalysis, EveryToothWidthIsCheckedStrictlyAtBothEnds) {
    const double bounds[12][2] = {{2, 16}, {1, 14}, {2, 16}, {2, 16}, {2, 16}, {3, 20},
                                  {1, 14}, {1, 14}, {2, 16}, {2, 16}, {2, 16}, {3, 22}};
    for (int box = 0; box < 12; ++box) {
        const auto [lower, upper] = bounds[box];
        for (auto [value, accepted] :
             {std::pair{lower, false}, {lower + 0.1, true}, {upper - 0.1, true}, {upper, false}}) {
            ModelEntries e = WorkedExample();
            e.size[box] = std::to_string(value);
            EXPECT_EQ(RunModelAnalysis(ModelRecord{}, e).accepted, accepted) << box << " = " << value;
            const bool incisor = box == 0 || box == 1 || box == 6 || box == 7;
            EXPECT_EQ(RunIncisorRatio(ModelRecord{}, e).accepted, accepted || !incisor) << box << " = " << value;
        }
    }
}

// The molars are checked as stored, in single precision.
TEST(ModelAnalysis, EntriesAsReadAndStored) {
    const struct { int box; const char* text; bool accepted; double stored; } cases[] = {
        {5, "19.9999999", false, 20},  {11, "21.9999999", false, 22}, {11, "3.0000001", false, 3},
        {4, "15.9999999", true, 15.9999999}, {3, "7.2mm", true, 7.2}, {3, "-8.5", false, -8.5},
        {3, "1e400", false, 0},
    };
    for (const auto& c : cases) {
        ModelEntries e = WorkedExample();
        e.size[c.box] = c.text;
        const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
        EXPECT_EQ(run.accepted, c.accepted) << c.text;
        EXPECT_EQ(ToothWidth(run.record, c.box), c.stored) << c.text;
    }
}

TEST(ModelAnalysis, BasalArchWidthsAreOptional) {
    const struct { const char *ubaw, *lbaw; std::optional<double> upper; std::optional<float> lower; const char* howes; } cases[] = {
        {"10.1", "79.9", 10.1, 79.9f, " PMUBAW/TM = 10.1/95.0 = 10.6"},
        {"10", "80", {}, {}, ""}, {"80", "10", {}, {}, ""}, {"", "abc", {}, {}, ""}, {"1e400", "", {}, {}, ""},
        // Checked as typed, then rounded: just below 80 is kept as 80.0f.
        {"46.5", "79.9999999", 46.5, 80.0f, " PMUBAW/TM = 46.5/95.0 = 48.9"},
    };
    for (const auto& c : cases) {
        ModelEntries e = WorkedExample();
        e.UBAW = c.ubaw, e.LBAW = c.lbaw;
        const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
        ASSERT_TRUE(run.accepted);
        EXPECT_EQ(run.record.UBAW, c.upper) << c.ubaw;
        EXPECT_EQ(run.record.LBAW, c.lower) << c.lbaw;
        EXPECT_EQ(run.record.HowesText, c.howes) << c.ubaw;
    }
}

// What the runs leave behind that the form's labels do not show: a refused
// run stores the typed widths and keeps the results and basal widths; the
// incisor ratio reads its four boxes only; an accepted run without basal
// widths drops them and the Howes ratio.
TEST(ModelAnalysis, SequenceOfRuns) {
    const ModelRecord first = RunModelAnalysis(ModelRecord{}, WorkedExample()).record;
    ModelEntries e = WorkedExample();
    e.size[0] = "16", e.size[9] = "3.3", e.UBAW = "";
    ModelRecord m = RunModelAnalysis(first, e).record;
    EXPECT_EQ(std::tuple(m.U1, m.L4), std::tuple(16.0, 3.3));
    EXPECT_EQ(std::tuple(m.SOI, m.U12T, m.L12T, m.UBAW, m.LBAW, m.Howes, m.BoltonText, m.HowesText),
              std::tuple(first.SOI, first.U12T, first.L12T, first.UBAW, first.LBAW, first.Howes, first.BoltonText,
                         first.HowesText));
    e = WorkedExample();
    m = RunIncisorRatio(m, e).record;
    EXPECT_EQ(std::tuple(m.U1, m.L4), std::tuple(8.5, 3.3));
    e.UBAW = "85", e.LBAW = "";
    m = RunModelAnalysis(m, e).record;
    EXPECT_EQ(std::tuple(m.UBAW, m.LBAW, m.Howes, m.HowesText), std::tuple(std::nullopt, std::nullopt, 0, ""));
}

TEST(ModelAnalysis, SingleRoundingSaturates) {
    EXPECT_EQ(ToSingle(-1e300), -INFINITY);
    EXPECT_EQ(ToSingle(std::numeric_limits<float>::max() * 1.0000000001), std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace vt
