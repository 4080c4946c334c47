// The model page on the recording surface: its lines, the basal arch block, the set-ups' captions and pastes.
#include <gtest/gtest.h>
#include <array>
#include <optional>
#include <string>
#include "model/ModelAnalysis.h"
#include "model/ModelPage.h"
#include "pages/PageText.h"

namespace vt {
namespace {

// The worked example of the analysis, accepted.
ModelRecord Worked() {
    ModelEntries e{
        {"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"}, "46.5", "40"};
    return RunModelAnalysis({}, e).record;
}

RecordingSurface Page(const ModelRecord& m, std::int16_t sex = 0) {
    RecordingSurface s;
    ModelAx(s, m, PatientRecord{"홍길동", "A-17", sex, 12.5, 3});
    return s;
}

struct LineCase {
    std::int16_t sex;  // 0 takes the male means, any other value the female ones
    double y;
    const char* want;  // "x:text" at that y, joined by "|"
};

// The worked example's page, line by line.
const LineCase kLines[] = {
    {.sex = 0, .y = 33, .want = "30:Model Analysis|90:Mean|110:SD|140:Patient"},
    {.sex = 0, .y = 43, .want = "30:Tooth Size Analysis"},
    {.sex = 0, .y = 48, .want = "30:상악 중절치|90:8.6|110:±0.5|140:8.5|160:"},
    {.sex = 0, .y = 78, .want = "30:상악 치관폭경총합|90:97.0|110:±4.1|140:95.0|160:"},
    {.sex = 0, .y = 93, .want = "30:하악 견치|90:7.2|110:±0.4|140:7.0|160:"},
    {.sex = 0, .y = 113, .want = "30:하악 치관폭경총합|90:88.8|110:±3.9|140:87.8|160:"},
    {.sex = 0, .y = 123, .want = "30:Sum of Incisor|90:15.3 : 11.4 = 4 : 2.98"},
    {.sex = 0, .y = 128, .want = "30:Bolton Analysis|90:6 : 79.3 (77%), 12 : 92.4 (91%)"},
    {.sex = 0, .y = 138, .want = "30:Basal Arch Analysis"},
    {.sex = 0, .y = 143, .want = "30:상악 기저폭경|90:49.0|110:±2.0|140:46.5|160:↓"},
    {.sex = 0, .y = 153, .want = "30:Howes' Analysis|90:PMUBAW/TM = 46.5/95.0 = 48.9"},
    {.sex = 0, .y = 163, .want = "30:가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"},
    {.sex = 2, .y = 48, .want = "30:상악 중절치|90:8.2|110:±0.5|140:8.5|160:"},
    {.sex = 2, .y = 148, .want = "30:하악 기저폭경|90:41.0|110:±2.0|140:40.0|160:"},
};

TEST(ModelPage, LinesOfTheWorkedExample) {
    const std::array<RecordingSurface, 3> pages{Page(Worked(), 0), Page(Worked(), 1), Page(Worked(), 2)};
    for (const LineCase& c : kLines) EXPECT_EQ(LineAt(pages[c.sex], c.y), c.want) << "Sex " << c.sex << ", y " << c.y;
}

// The blue rules of a table page: above and below the column heads, and above the footer.
TEST(ModelPage, Rules) {
    std::string rules;
    for (const DrawnLine& l : Page(Worked()).lines())
        rules += std::to_string(int(l.x1)) + "," + std::to_string(int(l.y1)) + "-" + std::to_string(int(l.x2)) + "," +
                 std::to_string(int(l.y2)) + " in " + std::to_string(l.color) + "; ";
    EXPECT_EQ(rules, "20,30-190,30 in 9; 20,40-190,40 in 9; 20,275-190,275 in 9; ");
}

// Every row of the norm table: its label, the mean of each sex and the SD, where the page prints them.
TEST(ModelPage, NormTable) {
    const struct {
        double y;
        const char* label;
        const char *male, *female, *sd;
    } rows[] = {
        {.y = 48, .label = "상악 중절치", .male = "8.6", .female = "8.2", .sd = "±0.5"},
        {.y = 53, .label = "상악 측절치", .male = "7.1", .female = "6.8", .sd = "±0.4"},
        {.y = 58, .label = "상악 견치", .male = "8.1", .female = "7.7", .sd = "±0.4"},
        {.y = 63, .label = "상악 제1소구치", .male = "7.4", .female = "7.3", .sd = "±0.4"},
        {.y = 68, .label = "상악 제2소구치", .male = "6.9", .female = "6.8", .sd = "±0.4"},
        {.y = 73, .label = "상악 제1대구치", .male = "10.4", .female = "10.1", .sd = "±0.6"},
        {.y = 78, .label = "상악 치관폭경총합", .male = "97.0", .female = "93.8", .sd = "±4.1"},
        {.y = 83, .label = "하악 중절치", .male = "5.4", .female = "5.3", .sd = "±0.4"},
        {.y = 88, .label = "하악 측절치", .male = "6.1", .female = "5.9", .sd = "±0.4"},
        {.y = 93, .label = "하악 견치", .male = "7.2", .female = "6.9", .sd = "±0.4"},
        {.y = 98, .label = "하악 제1소구치", .male = "7.2", .female = "7.0", .sd = "±0.4"},
        {.y = 103, .label = "하악 제2소구치", .male = "7.1", .female = "6.9", .sd = "±0.4"},
        {.y = 108, .label = "하악 제1대구치", .male = "11.4", .female = "11.0", .sd = "±0.6"},
        {.y = 113, .label = "하악 치관폭경총합", .male = "88.8", .female = "86.0", .sd = "±3.9"},
        {.y = 143, .label = "상악 기저폭경", .male = "49.0", .female = "47.0", .sd = "±2.0"},
        {.y = 148, .label = "하악 기저폭경", .male = "43.0", .female = "41.0", .sd = "±2.0"},
    };
    const RecordingSurface male = Page(Worked(), 0), female = Page(Worked(), 1);
    for (const auto& r : rows) {
        EXPECT_EQ(ColumnAt(male, 30, {r.y}), r.label) << "label at y " << r.y;
        EXPECT_EQ(ColumnAt(male, 90, {r.y}), r.male) << r.label << ", male mean";
        EXPECT_EQ(ColumnAt(female, 90, {r.y}), r.female) << r.label << ", female mean";
        EXPECT_EQ(ColumnAt(male, 110, {r.y}), r.sd) << r.label << ", SD";
        EXPECT_EQ(ColumnAt(female, 110, {r.y}), r.sd) << r.label << ", SD of the female row";
    }
}

// Marks compare the single-precision deviation with the single-precision SD, strictly.
TEST(ModelPage, MarksAtOneTwoAndThreeSD) {
    const struct {
        const char* name;
        std::int16_t sex;
        double ModelRecord::*tooth;
        double y, value;
        const char* mark;
    } cases[] = {
        {.name = "male U1 one SD", .sex = 0, .tooth = &ModelRecord::U1, .y = 48, .value = 9.1, .mark = ""},
        {.name = "male U1 past one SD", .sex = 0, .tooth = &ModelRecord::U1, .y = 48, .value = 9.2, .mark = "↑"},
        {.name = "male U1 three SD", .sex = 0, .tooth = &ModelRecord::U1, .y = 48, .value = 10.1, .mark = "↑↑"},
        {.name = "male U1 past three SD", .sex = 0, .tooth = &ModelRecord::U1, .y = 48, .value = 10.2, .mark = "↑↑↑"},
        {.name = "female L2 two SD", .sex = 1, .tooth = &ModelRecord::L2, .y = 88, .value = 6.7, .mark = "↑"},
        {.name = "female L2 below one SD", .sex = 1, .tooth = &ModelRecord::L2, .y = 88, .value = 5.1, .mark = "↓"},
        {.name = "female L2 below two SD", .sex = 1, .tooth = &ModelRecord::L2, .y = 88, .value = 5.0, .mark = "↓↓"},
    };
    for (const auto& c : cases) {
        ModelRecord m = Worked();
        m.*c.tooth = c.value;
        EXPECT_EQ(ColumnAt(Page(m, c.sex), 160, {c.y}), c.mark) << c.name;
    }
}

// Before any analysis the page is drawn whole: empty result lines, sums without a value, no basal arch block
// and the set-up title in its place.
TEST(ModelPage, BeforeAnyAnalysis) {
    const struct {
        double y;
        const char* want;
    } lines[] = {
        {.y = 78, .want = "30:상악 치관폭경총합|90:97.0|110:±4.1"},
        {.y = 123, .want = "30:Sum of Incisor|90:"},
        {.y = 138, .want = ""},
        {.y = 143, .want = ""},
        {.y = 148, .want = ""},
        {.y = 153, .want = ""},
        {.y = 163, .want = "30:가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"},
    };
    const RecordingSurface s = Page(ModelRecord{});
    for (const auto& l : lines) EXPECT_EQ(LineAt(s, l.y), l.want) << "y " << l.y;
}

TEST(ModelPage, BasalArchBlockOnlyWithBothWidthsStrictlyInside10To80) {
    const struct {
        double UBAW;
        float LBAW;
        bool drawn;
    } cases[] = {
        {.UBAW = 79.9, .LBAW = 10.1f, .drawn = true},
        {.UBAW = 10, .LBAW = 40, .drawn = false},
        {.UBAW = 80, .LBAW = 40, .drawn = false},
        {.UBAW = 46.5, .LBAW = 80, .drawn = false},
    };
    for (const auto& c : cases) {
        ModelRecord m;
        m.UBAW = c.UBAW, m.LBAW = c.LBAW;
        EXPECT_EQ(BasalArchBlockDrawn(m), c.drawn) << "UBAW " << c.UBAW << ", LBAW " << c.LBAW;
    }
}

// Captions and pastes in drawing order, by the extraction pattern; set-up [4] left out for a pattern the form
// never sets.
TEST(ModelPage, SetupCaptionsEachBeforeItsPastes) {
    const std::string fixed =
        "[1] 비발치 Mx1 Mx7 Mx6 Mx5 Mx4 Mx3 Mn1 Mn7 Mn6 Mn5 Mn4 Mn3 [2] 44/44 발치 Mx1 Mx7 Mx6 Mx5 Mx3 Mn1 Mn7 Mn6 "
        "Mn5 Mn3 [3] 44/ 발치 Mx1 Mx7 Mx6 Mx5 Mx3 Mn1 Mn7 Mn6 Mn5 Mn4 Mn3";
    const struct {
        std::int16_t ext;
        std::string fourth;
    } cases[] = {
        {.ext = 0, .fourth = " [4] /44 발치 Mx1 Mx7 Mx6 Mx5 Mx4 Mx3 Mn1 Mn7 Mn6 Mn5 Mn3"},
        {.ext = 1, .fourth = " [4] 44/1 발치 Mx1 Mx7 Mx6 Mx5 Mx3 Mn1 Mn7 Mn6 Mn5 Mn4 Mn3"},
        {.ext = 2, .fourth = " [4] /1 발치 Mx1 Mx7 Mx6 Mx5 Mx4 Mx3 Mn1 Mn7 Mn6 Mn5 Mn4 Mn3"},
        {.ext = 3, .fourth = ""},
    };
    for (const auto& c : cases) {
        ModelRecord m = Worked();
        m.ExtChoice = c.ext;
        const RecordingSurface page = Page(m);
        std::string order;
        for (const RecordedOp& op : page.ops()) {
            if (op.kind == SurfaceOp::Print && op.text.starts_with("[")) order += (order.empty() ? "" : " ") + op.text;
            if (op.kind == SurfaceOp::PaintPicture) order.append(" ").append(op.pictureName, 3);
        }
        EXPECT_EQ(order, fixed + c.fourth) << "ExtChoice " << c.ext;
    }
}

TEST(ModelPage, SetupCaptionPlaces) {
    ModelRecord m = Worked();
    m.ExtChoice = 1;
    const RecordingSurface s = Page(m);
    EXPECT_EQ(LineAt(s, 170.5), "40:[1] 비발치|120:[2] 44/44 발치");
    EXPECT_EQ(LineAt(s, 223), "40:[3] 44/ 발치|120:[4] 44/1 발치");
}

// Widths left from a refused entry can put a paste off the sheet or make it mirrored: such pastes are skipped.
TEST(ModelPage, PastesTheSheetCannotShowAreSkipped) {
    const struct {
        const char* name;
        double U1, U4;
        int pastes;
    } cases[] = {
        {.name = "negative first premolar", .U1 = 8.5, .U4 = -8.5, .pastes = 12 + 10 + 11 + 11 - 2},
        {.name = "incisor beyond any sheet", .U1 = 1e300, .U4 = 7.2, .pastes = 0},
    };
    for (const auto& c : cases) {
        ModelRecord m = Worked();
        m.U1 = c.U1, m.U4 = c.U4;
        EXPECT_EQ(Page(m).count(SurfaceOp::PaintPicture), c.pastes) << c.name;
    }
}

}  // namespace
}  // namespace vt
