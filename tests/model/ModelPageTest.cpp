// The model page on the recording surface: texts and their places, the
// deviation marks, the basal arch block and the set-up pastes.
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
    for (const PrintedText& t : s.textsAtY(y)) {
        if (!out.empty()) out += '|';
        out.append(std::to_string(int(t.x))).append(":").append(t.text);
    }
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
        {148, "30:하악 기저폭경|90:43.0|110:±2.0|140:40.0|160:↓"},
        {153, "30:Howes' Analysis|90:PMUBAW/TM = 46.5/95.0 = 48.9"},
        {163, "30:가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"},
    };
    for (const auto& [y, text] : lines) EXPECT_EQ(Line(s, y), text) << y;
    // Each tooth-size row (y 48 to 113) and basal row shows its own width; a girl has her own means.
    EXPECT_EQ(Column(s, 140), "8.5 6.8 7.9 7.2 6.8 10.3 95.0 5.4 6.0 7.0 7.1 7.2 11.2 87.8 46.5 40.0 ");
    EXPECT_EQ(Page(Analysed(), 1).textsAtY(48)[1].text, "8.2");
    EXPECT_TRUE(s.findText("이름: 홍길동"));
    // All in the page font the frame leaves, but the footer.
    for (const PrintedText& t : s.texts())
        if (t.y != 276) {
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

// Each set-up's caption at its place, then its outlines in paste order,
// whole pictures; the fourth follows the extraction pattern, and a pattern
// the form never sets leaves it out. The first outline stands where the
// set-up plan's worked example for the male means puts it.
TEST(ModelPage, SetupsPastedAfterTheirCaptions) {
    const std::string all = "Mx1 Mx7 Mx6 Mx5 Mx4 Mx3 Mn1 Mn7 Mn6 Mn5 Mn4 Mn3",
                      noFours = "Mx1 Mx7 Mx6 Mx5 Mx3 Mn1 Mn7 Mn6 Mn5 Mn3",
                      noUpperFours = "Mx1 Mx7 Mx6 Mx5 Mx3 Mn1 Mn7 Mn6 Mn5 Mn4 Mn3",
                      noLowerFours = "Mx1 Mx7 Mx6 Mx5 Mx4 Mx3 Mn1 Mn7 Mn6 Mn5 Mn3";
    const std::string fixed = "[1] 비발치 " + all + " [2] 44/44 발치 " + noFours + " [3] 44/ 발치 " + noUpperFours;
    const std::string fourth[] = {"[4] /44 발치", "[4] 44/1 발치", "[4] /1 발치"}, fourthPastes[] = {noLowerFours, noUpperFours, all};
    for (std::int16_t ext = 0; ext < 4; ++ext) {
        ModelRecord m = Analysed({"8.6", "7.1", "8.1", "7.4", "6.9", "10.4", "5.4", "6.1", "7.2", "7.2", "7.1", "11.4"});
        m.ExtChoice = ext;
        const RecordingSurface s = Page(m);
        std::string order;
        for (const RecordedOp& op : s.ops()) {
            if (op.kind == SurfaceOp::Print && op.text.starts_with("[")) order += (order.empty() ? "" : " ") + op.text;
            if (op.kind != SurfaceOp::PaintPicture) continue;
            EXPECT_FALSE(op.source) << op.pictureName;
            if (order == "[1] 비발치") {
                EXPECT_EQ(op.pictureName, "picMx1");
                EXPECT_NEAR(op.dest.left, 80.1076, 5e-5);
                EXPECT_EQ(std::tuple(op.dest.top, op.dest.width, op.dest.height), std::tuple(double(178.2f), 11.0, 17.8));
            }
            order.append(" ").append(op.pictureName, 3);
        }
        EXPECT_EQ(order, fixed + (ext < 3 ? " " + fourth[ext] + " " + fourthPastes[ext] : ""));
        EXPECT_EQ(Line(s, 170.5), "40:[1] 비발치|120:[2] 44/44 발치");
        EXPECT_EQ(Line(s, 223), "40:[3] 44/ 발치" + (ext < 3 ? "|120:" + fourth[ext] : "")) << ext;
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
