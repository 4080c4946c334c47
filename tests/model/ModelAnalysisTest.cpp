// The model analysis: width ranges, the worked example, refused runs and the basal arch widths.
#include <gtest/gtest.h>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include "model/ModelAnalysis.h"

namespace vt {
namespace {

// Twelve widths written in one string, in box order.
std::array<std::string, 12> Sizes(const char* widths) {
    std::array<std::string, 12> size;
    std::istringstream in(widths);
    for (std::string& s : size) in >> s;
    return size;
}

// The worked example of the analysis; each case below changes some of it.
const ModelEntries kWorked{Sizes("8.5 6.8 7.9 7.2 6.8 10.3 5.4 6.0 7.0 7.1 7.2 11.2"), "46.5", "40"};

TEST(ModelRecord, StartsWithTheOptionsTheFormShowsSelected) {
    const ModelRecord m;
    EXPECT_EQ(m.ArchForm, 1);
    EXPECT_EQ(m.Overjet, 2.5f);
    EXPECT_EQ(m.ExtChoice, 0);
}

struct WidthCase {
    const char* name;
    int box;
    const char* text;
    bool analysis;  // the whole analysis accepts the widths
    bool incisor;   // the incisor ratio accepts them (it reads boxes 0, 1, 6 and 7 only)
};

// Each box at one of its bounds, refused (strict at both ends); the molars are checked as stored in single precision.
const WidthCase kWidthCases[] = {
    {.name = "U1 at 2", .box = 0, .text = "2", .analysis = false, .incisor = false},
    {.name = "U2 at 14", .box = 1, .text = "14", .analysis = false, .incisor = false},
    {.name = "U3 at 16", .box = 2, .text = "16", .analysis = false, .incisor = true},
    {.name = "U4 at 2", .box = 3, .text = "2", .analysis = false, .incisor = true},
    {.name = "U5 at 16", .box = 4, .text = "16", .analysis = false, .incisor = true},
    {.name = "U6 at 20", .box = 5, .text = "20", .analysis = false, .incisor = true},
    {.name = "U6 stored as 20", .box = 5, .text = "19.9999999", .analysis = false, .incisor = true},
    {.name = "L1 at 1", .box = 6, .text = "1", .analysis = false, .incisor = false},
    {.name = "L2 at 14", .box = 7, .text = "14", .analysis = false, .incisor = false},
    {.name = "L3 at 2", .box = 8, .text = "2", .analysis = false, .incisor = true},
    {.name = "L4 at 16", .box = 9, .text = "16", .analysis = false, .incisor = true},
    {.name = "L5 at 2", .box = 10, .text = "2", .analysis = false, .incisor = true},
    {.name = "L6 at 22", .box = 11, .text = "22", .analysis = false, .incisor = true},
    {.name = "L6 stored as 22", .box = 11, .text = "21.9999999", .analysis = false, .incisor = true},
    {.name = "L6 at 21", .box = 11, .text = "21", .analysis = true, .incisor = true},
};

TEST(ModelAnalysis, EachWidthIsRefusedAtItsBounds) {
    for (const WidthCase& c : kWidthCases) {
        ModelEntries e = kWorked;
        e.size[c.box] = c.text;
        EXPECT_EQ(RunModelAnalysis({}, e).accepted, c.analysis) << c.name;
        EXPECT_EQ(RunIncisorRatio({}, e).accepted, c.incisor) << c.name;
    }
}

// Each width just inside its lower bound, then just inside its upper bound.
TEST(ModelAnalysis, WidthsJustInsideTheirBoundsAreAccepted) {
    const struct {
        const char* name;
        const char* sizes;
    } cases[] = {
        {.name = "lower", .sizes = "2.01 1.01 2.01 2.01 2.01 3.01 1.01 1.01 2.01 2.01 2.01 3.01"},
        {.name = "upper", .sizes = "15.99 13.99 15.99 15.99 15.99 19.99 13.99 13.99 15.99 15.99 15.99 21.99"},
    };
    for (const auto& c : cases)
        for (int box = 0; box < 12; ++box) {
            ModelEntries e = kWorked;
            e.size[box] = Sizes(c.sizes)[box];
            EXPECT_EQ(RunModelAnalysis({}, e).accepted, true)
                << c.name << " bound, box " << box << " = " << e.size[box];
        }
}

TEST(ModelAnalysis, WorkedExample) {
    const ModelRun run = RunModelAnalysis({}, kWorked);
    const ModelRecord& m = run.record;
    EXPECT_EQ(run.accepted, true);
    EXPECT_EQ(m.SoiText, " 15.3 : 11.4 = 4 : 2.98");
    EXPECT_EQ(m.BoltonText, " 6 : 79.3 (77%), 12 : 92.4 (91%)");
    EXPECT_EQ(m.HowesText, " PMUBAW/TM = 46.5/95.0 = 48.9");
    EXPECT_DOUBLE_EQ(m.SOI, 2.9803921568627452);
    // The molars held in single precision: 10.3f lies above 10.3, 11.2f below.
    EXPECT_NEAR(m.U12T.value_or(0), 95.00000038147, 1e-10);
    EXPECT_NEAR(m.L12T.value_or(0), 87.79999961853, 1e-10);
    EXPECT_EQ(m.Howes, 48.9473686f);
    EXPECT_EQ(m.LBAW, 40.0f);
}

TEST(ModelAnalysis, IncisorRatioReadsTheFourIncisorsOnly) {
    const struct {
        const char* name;
        const char *U1, *U2, *L1, *L2;
        const char* soiText;
    } cases[] = {
        {.name = "worked", .U1 = "8.5", .U2 = "6.8", .L1 = "5.4", .L2 = "6.0", .soiText = " 15.3 : 11.4 = 4 : 2.98"},
        {.name = "below 1", .U1 = "15", .U2 = "13", .L1 = "1.5", .L2 = "1.5", .soiText = " 28.0 : 3.0 = 4 : .43"},
    };
    for (const auto& c : cases) {
        ModelEntries e;  // the other eight boxes empty
        e.size[0] = c.U1, e.size[1] = c.U2, e.size[6] = c.L1, e.size[7] = c.L2;
        const ModelRun run = RunIncisorRatio({}, e);
        EXPECT_EQ(run.accepted, true) << c.name;
        EXPECT_EQ(run.record.SoiText, c.soiText) << c.name;
    }
}

// A refused run stores every typed width, even after the refused box, and keeps the last results.
TEST(ModelAnalysis, RefusedAnalysisStoresEveryWidthAndKeepsTheResults) {
    const ModelRecord first = RunModelAnalysis({}, kWorked).record;
    ModelEntries e = kWorked;
    e.size[0] = "16";  // refused
    e.size[11] = "12.5";
    e.UBAW = "50";
    const ModelRun run = RunModelAnalysis(first, e);
    EXPECT_EQ(run.accepted, false);
    EXPECT_EQ(run.record.U1, 16.0);
    EXPECT_EQ(run.record.L6, 12.5f);
    EXPECT_EQ(run.record.SOI, first.SOI);
    EXPECT_EQ(run.record.U12T, first.U12T);
    EXPECT_EQ(run.record.SoiText, first.SoiText);
    EXPECT_EQ(run.record.BoltonText, first.BoltonText);
    EXPECT_EQ(run.record.UBAW, first.UBAW);
}

// A refused incisor ratio stores its four widths, empties its line and keeps the ratio and the rest.
TEST(ModelAnalysis, RefusedIncisorRatioKeepsTheRatioAndEmptiesItsLine) {
    const ModelRecord first = RunModelAnalysis({}, kWorked).record;
    ModelEntries e = kWorked;
    e.size[0] = "2";  // refused
    e.size[2] = "9";  // the canine is not read
    e.size[7] = "6.5";
    const ModelRun run = RunIncisorRatio(first, e);
    EXPECT_EQ(run.accepted, false);
    EXPECT_EQ(run.record.U1, 2.0);
    EXPECT_EQ(run.record.L2, 6.5);
    EXPECT_EQ(run.record.U3, 7.9);
    EXPECT_EQ(run.record.SoiText, "");
    EXPECT_EQ(run.record.SOI, first.SOI);
    EXPECT_EQ(run.record.BoltonText, first.BoltonText);
}

struct BasalCase {
    const char *ubaw, *lbaw;  // typed
    std::optional<double> UBAW;
    std::optional<float> LBAW;
    float howes;
    const char* text;  // HowesText
};

// After the worked example, a run with other basal arch widths: checked as typed, stored in their own precision;
// out of range or empty they are absent afterwards, and no Howes ratio of the earlier run stands.
const BasalCase kBasalCases[] = {
    {.ubaw = "50", .lbaw = "40", .UBAW = 50, .LBAW = 40, .howes = 52.63158f, .text = " PMUBAW/TM = 50.0/95.0 = 52.6"},
    {.ubaw = "50",
     .lbaw = "79.9999999",
     .UBAW = 50,
     .LBAW = 80,
     .howes = 52.63158f,
     .text = " PMUBAW/TM = 50.0/95.0 = 52.6"},
    {.ubaw = "10", .lbaw = "10", .UBAW = {}, .LBAW = {}, .howes = 0, .text = ""},
    {.ubaw = "80", .lbaw = "80", .UBAW = {}, .LBAW = {}, .howes = 0, .text = ""},
    {.ubaw = "", .lbaw = "", .UBAW = {}, .LBAW = {}, .howes = 0, .text = ""},
};

TEST(ModelAnalysis, BasalArchWidthsInsideTheirRangeOnly) {
    const ModelRecord first = RunModelAnalysis({}, kWorked).record;
    for (const BasalCase& c : kBasalCases) {
        SCOPED_TRACE(std::string("UBAW \"") + c.ubaw + "\", LBAW \"" + c.lbaw + "\"");
        const ModelRecord m = RunModelAnalysis(first, {kWorked.size, c.ubaw, c.lbaw}).record;
        EXPECT_EQ(m.UBAW, c.UBAW);
        EXPECT_EQ(m.LBAW, c.LBAW);
        EXPECT_EQ(m.Howes, c.howes);
        EXPECT_EQ(m.HowesText, c.text);
    }
}

}  // namespace
}  // namespace vt
