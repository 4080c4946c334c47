// The cephalometric page on the recording surface: every text at its place,
// the rules, fonts and colours, and the comment below the table.
#include "ceph/CephAxPage.h"
#include "platform/RecordingSurface.h"
#include "platform/TextMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

// A boy with a Class II tendency, a steep mandibular plane and proclined
// incisors.
CephRecord Record() {
    CephRecord r;
    r.SNA = 84.3;
    r.SNB = 77.1;
    r.ANB = 7.2;
    r.SNPg = 77.9;
    r.FA = 83;
    r.ABA = -11.4;
    r.ABMP = 66.2;
    r.Sum = 403.5;
    r.PFH = 74.8;
    r.AFH = 128.4;
    r.PFHAFH = 58.25;
    r.SNMP = 43.5;
    r.FMA = 36;
    r.PPMP = 30.5;
    r.OPMP = 19.8;
    r.ODI = 64.1;
    r.APDI = 74.6;
    r.Wits = 5.1;
    r.UISN = 112.7;
    r.UIPP = 115;
    r.IMPA = 101.3;
    r.FMIA = 47.5;
    r.IIA = 108.8;
    r.UIOP = 50.2;
    r.LIOP = 63.9;
    r.UIFP = 11.4;
    r.LIFP = 9.7;
    r.UL = 2.25;
    r.LL = -0.04;
    r.MsgCephalo =
        "전후방적으로 골격성 II급 경향을 보이며 하악이 후방에 위치합니다. "
        "수직적으로는 장안모 경향이 있고 하악평면각이 큽니다. "
        "상악 전치는 순측경사 되어 있으며 하악 전치도 순측경사 되어 있습니다. "
        "상하 입술이 돌출되어 있습니다. ";
    return r;
}

PatientRecord Patient(std::int16_t sex, double ageYear, std::int16_t ageMonth) {
    PatientRecord p;
    p.PatientName = "김민준";
    p.ChartNo = "20240117";
    p.Sex = sex;
    p.AgeYear = ageYear;
    p.AgeMonth = ageMonth;
    return p;
}

// Draws the page with 2 mm per character, so a comment line breaks at the
// first blank after 60 characters whatever fonts are installed.
RecordingSurface Draw(const CephRecord& r, const PatientRecord& p) {
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    CephAx(s, r, p);
    return s;
}

struct Expected {
    double x, y;
    const char* text;
};

// One table row: y, label, norm, SD, patient value, mark.
struct RowText {
    double y;
    const char* label;
    const char* norm;
    const char* sd;
    const char* value;
    const char* mark;
};

// The record above for a boy of 12.5 years (band 11 to below 14).
const RowText kBoyRows[] = {
    {48, "SNA", "82.0", "±3", "84.3", ""},
    {53, "SNB", "78.5", "±3", "77.1", ""},
    {58, "ANB", "3.5", "±2", "7.2", "↑"},
    {63, "SNPg", "79.5", "±3", "77.9", ""},
    {68, "Facial Angle", "86.5", "±3", "83.0", "↓"},
    {73, "AB Plane Angle", "-6.0", "±3", "-11.4", "↓"},
    {78, "AB/MP", "71.5", "±4", "66.2", "↓"},
    {83, "Sum", "395.0", "±4", "403.5", "↑↑"},
    {88, "Post Face Height", "82.0", "±5", "74.8", "↓"},
    {93, "Ant Face Height", "124.0", "±6", "128.4", ""},
    {98, "Post/Ant Face Ht Ratio", "66.0", "±4", "58.3", "↓"},
    {103, "SN/MP", "35.0", "±4", "43.5", "↑↑"},
    {108, "FH/MP (FMA)", "28.0", "±4", "36.0", "↑"},  // exactly 2 SD
    {113, "PP/MP", "27.0", "±4", "30.5", ""},
    {118, "OP/MP", "15.0", "±4", "19.8", "↑"},
    {123, "ODI", "72.5", "±5", "64.1", "↓"},
    {128, "APDI", "81.5", "±4", "74.6", "↓"},
    {133, "Wits (AO/BO)", "-2.0", "±2", "5.1", "↑↑↑"},
    {138, "UI to SN", "106.0", "±5", "112.7", "↑"},
    {143, "LI to MP (IMPA)", "95.0", "±5", "101.3", "↑"},
    {148, "LI to FH (FMIA)", "57.0", "±5", "47.5", "↓"},
    {153, "Dent Convexity (IIA)", "124.0", "±7", "108.8", "↓↓"},
    {158, "UI to OP", "54.0", "±4", "50.2", ""},
    {163, "LI to OP", "70.0", "±4", "63.9", "↓"},
    {168, "UI to FP (mm)", "9.0", "±3", "11.4", ""},
    {173, "LI to FP (mm)", "6.0", "±3", "9.7", "↑"},
    {178, "Upper Lip", "0.5", "±2", "2.3", ""},
    {183, "Lower Lip", "2.5", "±2", "0.0", "↓"},
};

std::vector<Expected> WholePage() {
    std::vector<Expected> page = {
        {30, 20, "이름: 김민준"},
        {70, 20, "성별: 남"},
        {100, 20, "나이: 12.5Y 6M"},
        {140, 20, "Chart No.: 20240117"},
        {80, 276, "Veltrane by TN Vask"},
        {30, 33, "Cephalo Analysis"},
        {90, 33, "Norm"},
        {115, 33, "SD"},
        {140, 33, "Patient"},
    };
    for (const RowText& row : kBoyRows) {
        page.push_back({30, row.y, row.label});
        page.push_back({90, row.y, row.norm});
        page.push_back({115, row.y, row.sd});
        page.push_back({140, row.y, row.value});
        page.push_back({160, row.y, row.mark});
    }
    page.push_back({30, 198, "Comments:"});
    // 63 characters each: the blank before them stands at 57 and 61
    // characters, the first beyond 60 ends the line.
    page.push_back({40, 208,
                    "전후방적으로 골격성 II급 경향을 보이며 하악이 후방에 위치합니다. "
                    "수직적으로는 장안모 경향이 있고 하악평면각이 "});
    page.push_back({40, 213,
                    "큽니다. 상악 전치는 순측경사 되어 있으며 하악 전치도 순측경사 되어 "
                    "있습니다. 상하 입술이 돌출되어 있습니다. "});
    // The comment ends with a blank beyond the width: an empty last line.
    page.push_back({40, 218, ""});
    return page;
}

TEST(CephAx, EveryTextAtItsPlaceInOrder) {
    const RecordingSurface s = Draw(Record(), Patient(0, 12.5, 6));
    const auto printed = s.texts();
    const auto expected = WholePage();
    ASSERT_EQ(printed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("text " + std::to_string(i) + " \"" + expected[i].text + "\"");
        EXPECT_EQ(printed[i].text, expected[i].text);
        EXPECT_EQ(printed[i].x, expected[i].x);
        EXPECT_EQ(printed[i].y, expected[i].y);
        EXPECT_EQ(printed[i].fontName, "돋움체");
        EXPECT_EQ(printed[i].color, 0);
        const bool footer = expected[i].y == 276;
        EXPECT_EQ(printed[i].fontSize, footer ? 8 : 11);
    }
}

TEST(CephAx, ThreeBlueRulesAndNothingElseDrawn) {
    const RecordingSurface s = Draw(Record(), Patient(0, 12.5, 6));
    const auto lines = s.lines();
    ASSERT_EQ(lines.size(), 3u);
    const double ys[] = {30, 40, 275};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].x1, 20);
        EXPECT_EQ(lines[i].x2, 190);
        EXPECT_EQ(lines[i].y1, ys[i]);
        EXPECT_EQ(lines[i].y2, ys[i]);
        EXPECT_EQ(lines[i].color, 9);
    }
    EXPECT_EQ(s.count(SurfaceOp::FillBox), 0);
    EXPECT_EQ(s.count(SurfaceOp::PaintPicture), 0);
    EXPECT_EQ(s.count(SurfaceOp::Line), 0);
    // The frame sets the font once; the page changes nothing after it.
    EXPECT_EQ(s.count(SurfaceOp::SetFontName), 1);
    EXPECT_EQ(s.count(SurfaceOp::SetForeColor), 1);
    EXPECT_EQ(s.count(SurfaceOp::SetFontSize), 3);
    // The rules come before every text.
    EXPECT_EQ(s.ops()[2].kind, SurfaceOp::ColoredLine);
    EXPECT_EQ(s.ops()[2].y, 275);
}

TEST(CephAx, HeaderForFemaleAndMale) {
    struct HeaderCase {
        std::int16_t sex;
        double ageYear;
        std::int16_t ageMonth;
        const char* sexText;
        const char* ageText;
    };
    const HeaderCase cases[] = {
        {0, 12, 6, "성별: 남", "나이: 12Y 6M"},
        {1, 12.5, 3, "성별: 여", "나이: 12.5Y 3M"},
    };
    for (const HeaderCase& c : cases) {
        const RecordingSurface s = Draw(Record(), Patient(c.sex, c.ageYear, c.ageMonth));
        const auto header = s.textsAtY(20);
        ASSERT_EQ(header.size(), 4u);
        EXPECT_EQ(header[1].text, c.sexText);
        EXPECT_EQ(header[1].x, 70);
        EXPECT_EQ(header[2].text, c.ageText);
        EXPECT_EQ(header[2].x, 100);
    }
}

// A boy of 12 years and 6 months takes the band 11 to below 14: the months
// do not move him.
TEST(CephAx, BandFollowsAgeYearOnly) {
    const RecordingSurface s = Draw(Record(), Patient(0, 12, 6));
    EXPECT_EQ(s.textsAtY(53)[1].text, "78.5");  // SNB
    EXPECT_EQ(s.textsAtY(88)[1].text, "82.0");  // PFH
    const RecordingSurface younger = Draw(Record(), Patient(0, 10.99, 11));
    EXPECT_EQ(younger.textsAtY(53)[1].text, "78.0");
    EXPECT_EQ(younger.textsAtY(88)[1].text, "76.0");
}

// Between a girl and a boy of 15 only the face heights, their ratio and the
// lips change (and the sex in the header).
TEST(CephAx, FemaleDiffersFromMaleOnlyInFiveRows) {
    const auto girl = Draw(Record(), Patient(1, 15, 0)).texts();
    const auto boy = Draw(Record(), Patient(0, 15, 0)).texts();
    ASSERT_EQ(girl.size(), boy.size());
    struct Change {
        double y;
        double x;
        const char* girl;
        const char* boy;
    };
    const Change changes[] = {
        {20, 70, "성별: 여", "성별: 남"},
        {88, 90, "87.0", "96.0"},   {88, 160, "↓↓", "↓↓↓"},  // PFH 74.8
        {93, 90, "129.0", "139.0"}, {93, 160, "", "↓"},      // AFH 128.4
        {98, 90, "67.0", "69.0"},   {98, 160, "↓↓", "↓↓"},   // ratio 58.25
        {178, 90, "-1.0", "-0.5"},  {178, 160, "↑", "↑"},    // UL 2.25
        {183, 90, "1.0", "1.5"},    {183, 160, "", ""},      // LL -0.04
    };
    for (std::size_t i = 0; i < girl.size(); ++i) {
        const Change* change = nullptr;
        for (const Change& c : changes)
            if (c.y == girl[i].y && c.x == girl[i].x) change = &c;
        SCOPED_TRACE("at " + std::to_string(girl[i].x) + ", " + std::to_string(girl[i].y));
        if (change) {
            EXPECT_EQ(girl[i].text, change->girl);
            EXPECT_EQ(boy[i].text, change->boy);
        } else {
            EXPECT_EQ(girl[i].text, boy[i].text);
        }
    }
}

// The comment runs on past the footer rule: line 14 at 273, line 15 at 278.
TEST(CephAx, LongCommentRunsPastTheFooter) {
    CephRecord r = Record();
    r.MsgCephalo.clear();
    const std::string word = [] {
        std::string w;
        for (int i = 0; i < 60; ++i) w += "가";
        return w + " ";  // 61 characters, 122 mm: each word is one line
    }();
    for (int i = 0; i < 14; ++i) r.MsgCephalo += word;
    r.MsgCephalo += "끝";
    const RecordingSurface s = Draw(r, Patient(0, 12, 0));
    std::vector<PrintedText> comment;
    for (const PrintedText& t : s.texts())
        if (t.y >= 208 && t.x == 40) comment.push_back(t);
    ASSERT_EQ(comment.size(), 15u);
    EXPECT_EQ(comment[0].y, 208);
    EXPECT_EQ(comment[13].y, 273);
    EXPECT_EQ(comment[13].text, word);
    EXPECT_EQ(comment[14].y, 278);
    EXPECT_EQ(comment[14].text, "끝");
}

TEST(CephAx, EmptyCommentLeavesTheAreaBlank) {
    CephRecord r = Record();
    r.MsgCephalo.clear();
    const RecordingSurface s = Draw(r, Patient(0, 12, 0));
    const auto comments = s.findText("Comments:");
    ASSERT_TRUE(comments.has_value());
    EXPECT_EQ(comments->x, 30);
    EXPECT_EQ(comments->y, 198);
    const auto texts = s.texts();
    ASSERT_EQ(texts.back().text, "");
    EXPECT_EQ(texts.back().x, 40);
    EXPECT_EQ(texts.back().y, 208);
    for (const PrintedText& t : texts) {
        if (t.y > 198 && t.y != 276) {
            EXPECT_EQ(t.text, "") << "at y " << t.y;
        }
    }
}

// With the real font metrics every comment line but the last is wider
// than 120 mm and ends at a blank, and no text is lost.
TEST(CephAx, CommentWrapsWithTheFontMetrics) {
    RecordingSurface s;
    const CephRecord r = Record();
    CephAx(s, r, Patient(0, 12, 0));
    std::vector<PrintedText> comment;
    for (const PrintedText& t : s.texts())
        if (t.y >= 208 && t.x == 40) comment.push_back(t);
    ASSERT_GE(comment.size(), 2u);
    std::string joined;
    for (std::size_t j = 0; j < comment.size(); ++j) {
        joined += comment[j].text;
        EXPECT_EQ(comment[j].y, 208 + 5.0 * static_cast<double>(j));
        if (j + 1 < comment.size()) {
            EXPECT_EQ(comment[j].text.back(), ' ');
            EXPECT_GT(TextWidthMm("돋움체", 11, comment[j].text), 120.0);
        }
    }
    EXPECT_EQ(joined, r.MsgCephalo);
}

TEST(CephAx, RowY) {
    EXPECT_EQ(CephRowY(1), 48);
    EXPECT_EQ(CephRowY(2), 53);
    EXPECT_EQ(CephRowY(28), 183);
}

}  // namespace
}  // namespace vt
