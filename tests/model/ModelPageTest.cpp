// The model page on the recording surface: texts and their places, the
// norms by sex, the deviation marks, the basal arch block and the set-up
// pastes in their order.
#include <gtest/gtest.h>

#include <cmath>

#include "model/ModelAnalysis.h"
#include "model/ModelPage.h"
#include "model/VirtualSetup.h"
#include "platform/RecordingSurface.h"

namespace vt {
namespace {

const std::array<std::string, 12> kWorkedWidths{"8.5", "6.8", "7.9", "7.2", "6.8", "10.3",
                                                "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"};

ModelRecord Analysed(std::array<std::string, 12> sizes = kWorkedWidths) {
    return RunModelAnalysis(ModelRecord{}, {sizes, "46.5", "40"}).record;
}

RecordingSurface Page(const ModelRecord& m, std::int16_t sex = 0) {
    RecordingSurface s;
    ModelAx(s, m, PatientRecord{"홍길동", "A-17", sex, 12.5, 3});
    return s;
}

// The texts printed on one line, as "x:text" joined by "|".
std::string Line(const RecordingSurface& s, double y) {
    std::string out;
    for (const PrintedText& t : s.textsAtY(y))
        out += (out.empty() ? "" : "|") + std::to_string(int(t.x)) + ":" + t.text;
    return out;
}

// One column of the tooth-size rows and the basal arch rows, joined by blanks.
std::string Column(const RecordingSurface& s, double x) {
    std::string out;
    for (double y : {48, 53, 58, 63, 68, 73, 78, 83, 88, 93, 98, 103, 108, 113, 143, 148})
        for (const PrintedText& t : s.textsAtY(y))
            if (t.x == x) out += t.text + " ";
    return out;
}

TEST(ModelPage, TextsAndPlacesOfTheWorkedExample) {
    const RecordingSurface s = Page(Analysed());
    const std::pair<double, const char*> lines[] = {
        {33, "30:Model Analysis|90:Mean|110:SD|140:Patient"},
        {43, "30:Tooth Size Analysis"},
        {48, "30:상악 중절치|90:8.6|110:±0.5|140:8.5|160:"},
        {123, "30:Sum of Incisor|90:15.3 : 11.4 = 4 : 2.98"},
        {128, "30:Bolton Analysis|90:6 : 79.3 (77%), 12 : 92.4 (91%)"},
        {138, "30:Basal Arch Analysis"},
        {148, "30:하악 기저폭경|90:43.0|110:±2.0|140:40.0|160:↓"},
        {153, "30:Howes' Analysis|90:PMUBAW/TM = 46.5/95.0 = 48.9"},
        {163, "30:가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"},
    };
    for (const auto& [y, text] : lines) EXPECT_EQ(Line(s, y), text) << y;
    // The 14 tooth-size rows (y 48 to 113) and the two basal rows, by column.
    EXPECT_EQ(Column(s, 30), "상악 중절치 상악 측절치 상악 견치 상악 제1소구치 상악 제2소구치 상악 제1대구치 "
                             "상악 치관폭경총합 하악 중절치 하악 측절치 하악 견치 하악 제1소구치 하악 제2소구치 "
                             "하악 제1대구치 하악 치관폭경총합 상악 기저폭경 하악 기저폭경 ");
    EXPECT_EQ(Column(s, 90), "8.6 7.1 8.1 7.4 6.9 10.4 97.0 5.4 6.1 7.2 7.2 7.1 11.4 88.8 49.0 43.0 ");
    EXPECT_EQ(Column(Page(Analysed(), 1), 90),
              "8.2 6.8 7.7 7.3 6.8 10.1 93.8 5.3 5.9 6.9 7.0 6.9 11.0 86.0 47.0 41.0 ");
    EXPECT_EQ(Column(s, 110), "±0.5 ±0.4 ±0.4 ±0.4 ±0.4 ±0.6 ±4.1 ±0.4 ±0.4 ±0.4 ±0.4 ±0.4 ±0.6 ±3.9 ±2.0 ±2.0 ");
    EXPECT_EQ(Column(s, 140), "8.5 6.8 7.9 7.2 6.8 10.3 95.0 5.4 6.0 7.0 7.1 7.2 11.2 87.8 46.5 40.0 ");
    EXPECT_TRUE(s.findText("성별: 남") && Page(Analysed(), 1).findText("성별: 여"));
    // All in the page font the frame leaves, but the footer.
    for (const PrintedText& t : s.texts())
        if (t.text != "Veltrane by TN Vask") {
            EXPECT_EQ(std::tie(t.fontName, t.fontSize, t.color), std::tuple("돋움체", 11, 0)) << t.text;
        }
}

// Marks compare single-precision values strictly.
TEST(ModelPage, DeviationMarks) {
    const std::tuple<std::int16_t, int, const char*, const char*> cases[] = {  // sex, box, width, mark
        {0, 0, "9.1", ""},  {0, 0, "9.2", "↑"},   {0, 0, "10.1", "↑↑"}, {0, 0, "10.2", "↑↑↑"}, {0, 0, "7.0", "↓↓↓"},
        {1, 7, "6.7", "↑"}, {1, 7, "5.1", "↓"},   {1, 7, "5.0", "↓↓"},
        // 11.6f lies just above 11.6: two SD of 0.6 are passed (a double would not).
        {0, 5, "11.6", "↑↑"}, {0, 11, "12.6", "↑↑"},
    };
    const double rowY[12] = {48, 53, 58, 63, 68, 73, 83, 88, 93, 98, 103, 108};
    for (const auto& [sex, box, width, mark] : cases) {
        std::array<std::string, 12> sizes = kWorkedWidths;
        sizes[box] = width;
        const std::vector<PrintedText> row = Page(Analysed(sizes), sex).textsAtY(rowY[box]);
        ASSERT_EQ(row.size(), 5u) << width;
        EXPECT_EQ(std::tie(row[3].text, row[4].text), std::tuple(width, mark)) << box;
    }
}

TEST(ModelPage, BasalArchBlockOnlyWithBothWidthsInRange) {
    const std::tuple<std::optional<double>, std::optional<float>, bool> cases[] = {
        {79.9, 10.1f, true}, {80.0, 40.0f, false}, {10.0, 40.0f, false}, {46.5, 80.0f, false},
        {46.5, 10.0f, false}, {46.5, {}, false},   {{}, 40.0f, false}};
    for (const auto& [ubaw, lbaw, drawn] : cases) {
        ModelRecord m = Analysed();
        m.UBAW = ubaw, m.LBAW = lbaw;
        const RecordingSurface s = Page(m);
        for (double y : {138, 143, 148, 153}) EXPECT_EQ(Line(s, y).empty(), !drawn) << y;
        EXPECT_EQ(Line(s, 163).substr(0, 3), "30:");  // the set-up title stays in place
    }
}

// Before any analysis the page is drawn whole: empty result lines, sums
// without value or mark, no basal block.
TEST(ModelPage, FreshRecordDrawsTheWholePage) {
    const RecordingSurface s = Page(ModelRecord{});
    EXPECT_EQ(Line(s, 48), "30:상악 중절치|90:8.6|110:±0.5|140:0.0|160:↓↓↓");
    EXPECT_EQ(Line(s, 78), "30:상악 치관폭경총합|90:97.0|110:±4.1");
    EXPECT_EQ(Line(s, 123), "30:Sum of Incisor|90:");
    EXPECT_EQ(Line(s, 138), "");
    EXPECT_TRUE(s.findText("[4] /44 발치"));
    EXPECT_TRUE(s.findText("Veltrane by TN Vask"));
}

// The page paints each set-up's plan right after its caption, whole pictures.
TEST(ModelPage, SetupsPastedInOrderAfterTheirCaptions) {
    auto text = [](const std::string& name, double x, double y, double w = 0, double h = 0) {
        return name + "@" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + "," +
               std::to_string(h);
    };
    for (std::int16_t ext = 0; ext < 3; ++ext) {
        ModelRecord m = Analysed();
        m.ExtChoice = ext, m.ArchForm = 2, m.Overjet = 3.0f;
        std::vector<std::string> planned, painted;
        for (const SetupPlan& setup : PlanVirtualSetups(m).setups) {
            planned.push_back(text(setup.caption, setup.captionX, setup.captionY));
            for (const auto& [pic, r] : setup.pastes)
                planned.push_back(text(ToothPicName(pic), r.left, r.top, r.width, r.height));
        }
        const RecordingSurface s = Page(m);
        for (const RecordedOp& op : s.ops()) {
            if (op.kind == SurfaceOp::Print && op.text.starts_with("[")) painted.push_back(text(op.text, op.x, op.y));
            if (op.kind == SurfaceOp::PaintPicture && !op.source)
                painted.push_back(text(op.pictureName, op.dest.left, op.dest.top, op.dest.width, op.dest.height));
        }
        EXPECT_EQ(painted, planned) << ext;
        EXPECT_EQ(s.count(SurfaceOp::PaintPicture), ext == 2 ? 45 : 44);
    }
}

// Widths left from a refused entry can lie beyond any sheet; such pastes are
// skipped and the rest of the page is drawn.
TEST(ModelPage, UnpaintableRectanglesAreSkipped) {
    const std::pair<void (*)(ModelRecord&), int> cases[] = {
        {[](ModelRecord& m) { m.U6 = INFINITY; }, 0},             // every row off the sheet
        {[](ModelRecord& m) { m.L6 = INFINITY; }, 7 + 6 + 6 + 7},  // the lower rows but their incisors
        {[](ModelRecord& m) { m.U1 = 1e300; }, 0},                 // kept by a refused incisor ratio
        {[](ModelRecord& m) { m = ModelRecord{}; }, 4 * 2},        // only the incisors have a width
    };
    for (const auto& [spoil, pastes] : cases) {
        ModelRecord m = Analysed();
        spoil(m);
        const RecordingSurface s = Page(m);
        EXPECT_EQ(s.count(SurfaceOp::PaintPicture), pastes);
        EXPECT_TRUE(s.findText("[4] /44 발치"));
    }
}

}  // namespace
}  // namespace vt
