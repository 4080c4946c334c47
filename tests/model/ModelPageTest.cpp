// The model page on the recording surface: texts and their places, the
// norms by sex, the deviation marks, the basal arch block and the set-up
// pastes in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/ModelAnalysis.h"
#include "model/ModelPage.h"
#include "model/VirtualSetup.h"
#include "platform/RecordingSurface.h"

namespace vt {
namespace {

ModelRecord Analysed(std::array<std::string, 12> sizes, std::string ubaw = "46.5", std::string lbaw = "40") {
    ModelEntries e;
    e.size = std::move(sizes);
    e.UBAW = std::move(ubaw);
    e.LBAW = std::move(lbaw);
    const ModelRun run = RunModelAnalysis(ModelRecord{}, e);
    EXPECT_TRUE(run.accepted);
    return run.record;
}

ModelRecord WorkedExample() {
    return Analysed({"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"});
}

PatientRecord Patient(std::int16_t sex) { return PatientRecord{"홍길동", "A-17", sex, 12.5, 3}; }

// The texts printed on one line, left to right as printed: {x, text}.
std::vector<std::pair<double, std::string>> Line(const RecordingSurface& s, double y) {
    std::vector<std::pair<double, std::string>> out;
    for (const PrintedText& t : s.textsAtY(y)) out.emplace_back(t.x, t.text);
    return out;
}

using Cells = std::vector<std::pair<double, std::string>>;

TEST(ModelPage, ColumnHeadsTitleAndRowsOfAMalePatient) {
    RecordingSurface s;
    ModelAx(s, WorkedExample(), Patient(0));
    EXPECT_EQ(Line(s, 33), (Cells{{30, "Model Analysis"}, {90, "Mean"}, {110, "SD"}, {140, "Patient"}}));
    EXPECT_EQ(Line(s, 43), (Cells{{30, "Tooth Size Analysis"}}));
    const Cells rows[] = {
        {{30, "상악 중절치"}, {90, "8.6"}, {110, "±0.5"}, {140, "8.5"}, {160, ""}},
        {{30, "상악 측절치"}, {90, "7.1"}, {110, "±0.4"}, {140, "6.8"}, {160, ""}},
        {{30, "상악 견치"}, {90, "8.1"}, {110, "±0.4"}, {140, "7.9"}, {160, ""}},
        {{30, "상악 제1소구치"}, {90, "7.4"}, {110, "±0.4"}, {140, "7.2"}, {160, ""}},
        {{30, "상악 제2소구치"}, {90, "6.9"}, {110, "±0.4"}, {140, "6.8"}, {160, ""}},
        {{30, "상악 제1대구치"}, {90, "10.4"}, {110, "±0.6"}, {140, "10.3"}, {160, ""}},
        {{30, "상악 치관폭경총합"}, {90, "97.0"}, {110, "±4.1"}, {140, "95.0"}, {160, ""}},
        {{30, "하악 중절치"}, {90, "5.4"}, {110, "±0.4"}, {140, "5.4"}, {160, ""}},
        {{30, "하악 측절치"}, {90, "6.1"}, {110, "±0.4"}, {140, "6.0"}, {160, ""}},
        {{30, "하악 견치"}, {90, "7.2"}, {110, "±0.4"}, {140, "7.0"}, {160, ""}},
        {{30, "하악 제1소구치"}, {90, "7.2"}, {110, "±0.4"}, {140, "7.1"}, {160, ""}},
        {{30, "하악 제2소구치"}, {90, "7.1"}, {110, "±0.4"}, {140, "7.2"}, {160, ""}},
        {{30, "하악 제1대구치"}, {90, "11.4"}, {110, "±0.6"}, {140, "11.2"}, {160, ""}},
        {{30, "하악 치관폭경총합"}, {90, "88.8"}, {110, "±3.9"}, {140, "87.8"}, {160, ""}},
    };
    for (int k = 1; k <= 14; ++k) EXPECT_EQ(Line(s, 43 + 5 * k), rows[k - 1]) << "row " << k;
    EXPECT_EQ(Line(s, 123), (Cells{{30, "Sum of Incisor"}, {90, "15.3 : 11.4 = 4 : 2.98"}}));
    EXPECT_EQ(Line(s, 128), (Cells{{30, "Bolton Analysis"}, {90, "6 : 79.3 (77%), 12 : 92.4 (91%)"}}));
    EXPECT_EQ(Line(s, 138), (Cells{{30, "Basal Arch Analysis"}}));
    EXPECT_EQ(Line(s, 143), (Cells{{30, "상악 기저폭경"}, {90, "49.0"}, {110, "±2.0"}, {140, "46.5"}, {160, "↓"}}));
    EXPECT_EQ(Line(s, 148), (Cells{{30, "하악 기저폭경"}, {90, "43.0"}, {110, "±2.0"}, {140, "40.0"}, {160, "↓"}}));
    EXPECT_EQ(Line(s, 153), (Cells{{30, "Howes' Analysis"}, {90, "PMUBAW/TM = 46.5/95.0 = 48.9"}}));
    EXPECT_EQ(Line(s, 163), (Cells{{30, "가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"}}));
    ASSERT_TRUE(s.findText("성별: 남"));
}

TEST(ModelPage, FemaleNorms) {
    RecordingSurface s;
    ModelAx(s, WorkedExample(), Patient(1));
    ASSERT_TRUE(s.findText("성별: 여"));
    struct Row {
        double y;
        const char* mean;
    };
    const Row rows[] = {{48, "8.2"}, {73, "10.1"}, {78, "93.8"}, {98, "7.0"}, {108, "11.0"}, {113, "86.0"}, {143, "47.0"}, {148, "41.0"}};
    for (const Row& r : rows) {
        const auto line = Line(s, r.y);
        ASSERT_GE(line.size(), 2u) << r.y;
        EXPECT_EQ(line[1], (std::pair<double, std::string>{90, r.mean})) << r.y;
    }
}

// All page text is in the page font left by the frame, except the footer.
TEST(ModelPage, TextsInThePageFont) {
    RecordingSurface s;
    ModelAx(s, WorkedExample(), Patient(0));
    for (const PrintedText& t : s.texts()) {
        if (t.text == "Veltrane by TN Vask") continue;
        EXPECT_EQ(t.fontName, "돋움체") << t.text;
        EXPECT_EQ(t.fontSize, 11) << t.text;
        EXPECT_EQ(t.color, 0) << t.text;
    }
}

// Marks compare single-precision values strictly.
TEST(ModelPage, DeviationMarks) {
    struct Case {
        std::int16_t sex;
        int box;
        const char* width;
        double y;
        const char* mark;
    };
    const Case cases[] = {
        {0, 0, "9.1", 48, ""},   {0, 0, "9.2", 48, "↑"},   {0, 0, "10.1", 48, "↑↑"}, {0, 0, "10.2", 48, "↑↑↑"},
        {0, 0, "8.0", 48, "↓"},  {0, 0, "7.0", 48, "↓↓↓"}, {1, 7, "6.7", 88, "↑"},   {1, 7, "5.1", 88, "↓"},
        {1, 7, "5.0", 88, "↓↓"},
        // The first molars are stored in single precision: 11.6f lies just
        // above 11.6, enough to pass two SD of 0.6 (a double would not).
        {0, 5, "11.6", 73, "↑↑"}, {0, 11, "12.6", 108, "↑↑"}, {0, 5, "11.0", 73, ""},
    };
    for (const Case& c : cases) {
        std::array<std::string, 12> sizes{"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"};
        sizes[c.box] = c.width;
        RecordingSurface s;
        ModelAx(s, Analysed(sizes), Patient(c.sex));
        const auto line = Line(s, c.y);
        ASSERT_EQ(line.size(), 5u) << c.width;
        EXPECT_EQ(line[3].second, c.width) << c.width;
        EXPECT_EQ(line[4], (std::pair<double, std::string>{160, c.mark})) << "box " << c.box << " = " << c.width;
    }
}

TEST(ModelPage, BasalArchBlockOnlyWithBothWidthsInRange) {
    struct Case {
        std::optional<double> ubaw;
        std::optional<float> lbaw;
        bool drawn;
    };
    const Case cases[] = {
        {46.5, 40.0f, true},        {79.9, 10.1f, true},         {80.0, 40.0f, false},
        {10.0, 40.0f, false},       {46.5, 80.0f, false},        {46.5, 10.0f, false},
        {46.5, std::nullopt, false}, {std::nullopt, 40.0f, false}, {std::nullopt, std::nullopt, false},
    };
    for (const Case& c : cases) {
        ModelRecord m = WorkedExample();
        m.UBAW = c.ubaw;
        m.LBAW = c.lbaw;
        EXPECT_EQ(BasalArchBlockDrawn(m), c.drawn);
        RecordingSurface s;
        ModelAx(s, m, Patient(0));
        for (double y : {138.0, 143.0, 148.0, 153.0}) EXPECT_EQ(Line(s, y).empty(), !c.drawn) << y;
        EXPECT_EQ(Line(s, 163).size(), 1u);  // the set-up title stays in place
    }
}

// A lower basal width typed just under 80 is accepted but stored as 80.0f,
// which the page's strict test then leaves out.
TEST(ModelPage, LowerBasalWidthRoundedToTheBoundIsNotDrawn) {
    const ModelRecord m = Analysed({"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"},
                                   "46.5", "79.9999999");
    EXPECT_FALSE(BasalArchBlockDrawn(m));
}

// Before any analysis the page is still drawn whole: empty result lines,
// sums without value or mark, no basal block.
TEST(ModelPage, FreshRecordDrawsTheWholePage) {
    RecordingSurface s;
    ModelAx(s, ModelRecord{}, Patient(0));
    EXPECT_EQ(Line(s, 78), (Cells{{30, "상악 치관폭경총합"}, {90, "97.0"}, {110, "±4.1"}}));
    EXPECT_EQ(Line(s, 113), (Cells{{30, "하악 치관폭경총합"}, {90, "88.8"}, {110, "±3.9"}}));
    EXPECT_EQ(Line(s, 48), (Cells{{30, "상악 중절치"}, {90, "8.6"}, {110, "±0.5"}, {140, "0.0"}, {160, "↓↓↓"}}));
    EXPECT_EQ(Line(s, 123), (Cells{{30, "Sum of Incisor"}, {90, ""}}));
    EXPECT_EQ(Line(s, 128), (Cells{{30, "Bolton Analysis"}, {90, ""}}));
    EXPECT_TRUE(Line(s, 138).empty());
    EXPECT_TRUE(s.findText("Veltrane by TN Vask"));
    EXPECT_TRUE(s.findText("[4] /44 발치"));
}

TEST(ModelPage, ResultLinesLoseExactlyTheirFirstCharacter) {
    EXPECT_EQ(WithoutFirstCharacter(" 6 : 79.3"), "6 : 79.3");
    EXPECT_EQ(WithoutFirstCharacter(""), "");
    EXPECT_EQ(WithoutFirstCharacter(" "), "");
    EXPECT_EQ(WithoutFirstCharacter("가나"), "나");
}

// The pastes land on the surface in the planned order and rectangles, each
// set-up after its caption.
TEST(ModelPage, SetupsPastedInOrderAfterTheirCaptions) {
    for (std::int16_t ext = 0; ext < 3; ++ext) {
        ModelRecord m = WorkedExample();
        m.ExtChoice = ext;
        m.ArchForm = 2;
        m.Overjet = 3.0f;
        const VirtualSetups plan = PlanVirtualSetups(m);
        RecordingSurface s;
        ModelAx(s, m, Patient(0));

        std::vector<RecordedOp> relevant;
        for (const RecordedOp& op : s.ops())
            if (op.kind == SurfaceOp::PaintPicture || (op.kind == SurfaceOp::Print && op.text.rfind("[", 0) == 0))
                relevant.push_back(op);
        std::size_t i = 0;
        for (const SetupPlan& setup : plan.setups) {
            ASSERT_LT(i, relevant.size());
            EXPECT_EQ(relevant[i].kind, SurfaceOp::Print);
            EXPECT_EQ(relevant[i].text, setup.caption);
            EXPECT_EQ(relevant[i].x, setup.captionX);
            EXPECT_EQ(relevant[i].y, setup.captionY);
            ++i;
            for (const SetupPaste& paste : setup.pastes) {
                ASSERT_LT(i, relevant.size());
                const RecordedOp& op = relevant[i++];
                EXPECT_EQ(op.kind, SurfaceOp::PaintPicture);
                EXPECT_EQ(op.pictureName, ToothPicName(paste.picture));
                EXPECT_EQ(op.dest.left, paste.rect.left);
                EXPECT_EQ(op.dest.top, paste.rect.top);
                EXPECT_EQ(op.dest.width, paste.rect.width);
                EXPECT_EQ(op.dest.height, paste.rect.height);
                EXPECT_FALSE(op.source.has_value());
            }
        }
        EXPECT_EQ(i, relevant.size());
        const int expectedPastes[] = {44, 44, 45};  // 12 + 10 + 11 + (11, 11, 12)
        EXPECT_EQ(s.count(SurfaceOp::PaintPicture), expectedPastes[ext]);
    }
}

// Widths left from a refused entry can be beyond any sheet; such pastes are
// skipped and the rest of the page is drawn.
TEST(ModelPage, UnpaintableRectanglesAreSkipped) {
    struct Case {
        const char* what;
        void (*spoil)(ModelRecord&);
        int pastes;
    };
    const Case cases[] = {
        // An infinite upper molar moves both rows off the sheet; an infinite
        // lower one only the lower row behind its incisor.
        {"U6 infinite", [](ModelRecord& m) { m.U6 = INFINITY; }, 0},
        {"L6 infinite", [](ModelRecord& m) { m.L6 = INFINITY; }, 7 + 6 + 6 + 7},
        // A refused incisor ratio keeps its huge width; every row lies far off.
        {"U1 huge", [](ModelRecord& m) { m.U1 = 1e300; }, 0},
        {"fresh record", [](ModelRecord& m) { m = ModelRecord{}; }, 4 * 2},  // only the incisors have a width
    };
    for (const Case& c : cases) {
        ModelRecord m = WorkedExample();
        c.spoil(m);
        RecordingSurface s;
        ModelAx(s, m, Patient(0));
        for (const RecordedOp& op : s.ops())
            if (op.kind == SurfaceOp::PaintPicture) {
                EXPECT_TRUE(std::isfinite(op.dest.left) && std::isfinite(op.dest.width)) << c.what;
                EXPECT_GT(op.dest.width, 0) << c.what;
                EXPECT_LT(op.dest.left, 210) << c.what;
                EXPECT_GT(op.dest.left + op.dest.width, 0) << c.what;
            }
        EXPECT_EQ(s.count(SurfaceOp::PaintPicture), c.pastes) << c.what;
        EXPECT_TRUE(s.findText("[4] /44 발치")) << c.what;
    }
}

}  // namespace
}  // namespace vt
