// The cephalometric page on the recording surface: every text at its place
// in its font, the rules, and the comment below the table.
#include "ceph/CephAxPage.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

// A different value in every row, so each row shows its own record value.
CephRecord Record() {
    CephRecord r;
    r.SNA = 84.3, r.SNB = 77.1, r.ANB = 7.2, r.SNPg = 77.9, r.FA = 83, r.ABA = -11.4, r.ABMP = 66.2;
    r.Sum = 403.5, r.PFH = 74.8, r.AFH = 128.4, r.PFHAFH = 58.25, r.SNMP = 43.5, r.FMA = 36, r.PPMP = 30.5;
    r.OPMP = 19.8, r.ODI = 64.1, r.APDI = 74.6, r.Wits = 5.1, r.UISN = 112.7, r.UIPP = 115, r.IMPA = 101.3;
    r.FMIA = 47.5, r.IIA = 108.8, r.UIOP = 50.2, r.LIOP = 63.9, r.UIFP = 11.4, r.LIFP = 9.7, r.UL = 2.25;
    r.LL = -0.04;
    r.MsgCephalo = "상하 입술이 돌출되어 있습니다. ";
    return r;
}

PatientRecord Patient(std::int16_t sex, double ageYear, std::int16_t ageMonth) {
    PatientRecord p;
    p.PatientName = "김민준";
    p.ChartNo = "2024";
    p.Sex = sex;
    p.AgeYear = ageYear;
    p.AgeMonth = ageMonth;
    return p;
}

// 2 mm per character: a comment line breaks at the first blank after 60.
RecordingSurface Draw(const CephRecord& r, const PatientRecord& p) {
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    CephAx(s, r, p);
    return s;
}

// Rows 1 to 28 for a boy of 12 years and 6 months: label, norm, SD, value, mark.
const char* const kRows[28][5] = {
    {"SNA", "82.0", "±3", "84.3", ""},                    {"SNB", "78.5", "±3", "77.1", ""},
    {"ANB", "3.5", "±2", "7.2", "↑"},                     {"SNPg", "79.5", "±3", "77.9", ""},
    {"Facial Angle", "86.5", "±3", "83.0", "↓"},          {"AB Plane Angle", "-6.0", "±3", "-11.4", "↓"},
    {"AB/MP", "71.5", "±4", "66.2", "↓"},                 {"Sum", "395.0", "±4", "403.5", "↑↑"},
    {"Post Face Height", "82.0", "±5", "74.8", "↓"},      {"Ant Face Height", "124.0", "±6", "128.4", ""},
    {"Post/Ant Face Ht Ratio", "66.0", "±4", "58.3", "↓"}, {"SN/MP", "35.0", "±4", "43.5", "↑↑"},
    {"FH/MP (FMA)", "28.0", "±4", "36.0", "↑"},           {"PP/MP", "27.0", "±4", "30.5", ""},
    {"OP/MP", "15.0", "±4", "19.8", "↑"},                 {"ODI", "72.5", "±5", "64.1", "↓"},
    {"APDI", "81.5", "±4", "74.6", "↓"},                  {"Wits (AO/BO)", "-2.0", "±2", "5.1", "↑↑↑"},
    {"UI to SN", "106.0", "±5", "112.7", "↑"},            {"LI to MP (IMPA)", "95.0", "±5", "101.3", "↑"},
    {"LI to FH (FMIA)", "57.0", "±5", "47.5", "↓"},       {"Dent Convexity (IIA)", "124.0", "±7", "108.8", "↓↓"},
    {"UI to OP", "54.0", "±4", "50.2", ""},               {"LI to OP", "70.0", "±4", "63.9", "↓"},
    {"UI to FP (mm)", "9.0", "±3", "11.4", ""},           {"LI to FP (mm)", "6.0", "±3", "9.7", "↑"},
    {"Upper Lip", "0.5", "±2", "2.3", ""},                {"Lower Lip", "2.5", "±2", "0.0", "↓"},
};

TEST(CephAx, EveryTextAtItsPlaceInItsFontAndThreeBlueRules) {
    const RecordingSurface s = Draw(Record(), Patient(0, 12, 6));
    struct Text { double x, y; std::string text; };
    std::vector<Text> expected = {
        {30, 20, "이름: 김민준"}, {70, 20, "성별: 남"}, {100, 20, "나이: 12Y 6M"}, {140, 20, "Chart No.: 2024"},
        {80, 276, "Veltrane by TN Vask"}, {30, 33, "Cephalo Analysis"}, {90, 33, "Norm"}, {115, 33, "SD"},
        {140, 33, "Patient"},
    };
    const double columns[] = {30, 90, 115, 140, 160};
    for (int k = 0; k < 28; ++k)
        for (int c = 0; c < 5; ++c) expected.push_back({columns[c], 48.0 + 5 * k, kRows[k][c]});
    expected.push_back({30, 198, "Comments:"});
    expected.push_back({40, 208, "상하 입술이 돌출되어 있습니다. "});
    const auto printed = s.texts();
    ASSERT_EQ(printed.size(), expected.size());
    EXPECT_EQ(printed[144].y, 183);  // row 28
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("text " + std::to_string(i) + " \"" + expected[i].text + "\"");
        EXPECT_EQ(printed[i].text, expected[i].text);
        EXPECT_EQ(printed[i].x, expected[i].x);
        EXPECT_EQ(printed[i].y, expected[i].y);
        EXPECT_EQ(printed[i].fontName, "돋움체");
        EXPECT_EQ(printed[i].fontSize, expected[i].y == 276 ? 8 : 11);
        EXPECT_EQ(printed[i].color, 0);
    }
    const auto lines = s.lines();
    ASSERT_EQ(lines.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const double y = std::vector<double>{30, 40, 275}[i];
        EXPECT_TRUE(lines[i].x1 == 20 && lines[i].x2 == 190 && lines[i].y1 == y && lines[i].y2 == y) << y;
        EXPECT_EQ(lines[i].color, 9);
    }
    EXPECT_EQ(s.count(SurfaceOp::FillBox) + s.count(SurfaceOp::PaintPicture) + s.count(SurfaceOp::Line), 0);
}

TEST(CephAx, BandFollowsAgeYearAloneAndSexChangesOnlyFiveRows) {
    const RecordingSurface younger = Draw(Record(), Patient(0, 10.99, 11));
    EXPECT_EQ(younger.textsAtY(53)[1].text, "78.0");  // SNB, band below 11
    const auto girl = Draw(Record(), Patient(1, 15, 0)).texts();
    const auto boy = Draw(Record(), Patient(0, 15, 0)).texts();
    ASSERT_EQ(girl.size(), boy.size());
    std::vector<std::string> changes;
    for (std::size_t i = 0; i < girl.size(); ++i)
        if (girl[i].text != boy[i].text)
            changes.push_back(std::to_string(int(girl[i].x)) + " " + std::to_string(int(girl[i].y)) + " " +
                              girl[i].text + "|" + boy[i].text);
    const std::vector<std::string> expected = {
        "70 20 성별: 여|성별: 남", "90 88 87.0|96.0",  "160 88 ↓↓|↓↓↓", "90 93 129.0|139.0", "160 93 |↓",
        "90 98 67.0|69.0",        "90 178 -1.0|-0.5", "90 183 1.0|1.5",
    };
    EXPECT_EQ(changes, expected);
}

TEST(CephAx, ALongCommentRunsPastTheFooterAndAnEmptyOneLeavesTheAreaBlank) {
    CephRecord r = Record();
    const std::string word = std::string(60, 'x') + " ";  // 122 mm: one line each
    r.MsgCephalo.clear();
    for (int i = 0; i < 14; ++i) r.MsgCephalo += word;
    r.MsgCephalo += "끝";
    std::vector<PrintedText> comment;
    for (const PrintedText& t : Draw(r, Patient(0, 12, 0)).texts())
        if (t.x == 40) comment.push_back(t);
    ASSERT_EQ(comment.size(), 15u);
    EXPECT_EQ(comment[13].y, 273);
    EXPECT_EQ(comment[13].text, word);
    EXPECT_EQ(comment[14].y, 278);
    EXPECT_EQ(comment[14].text, "끝");
    r.MsgCephalo.clear();
    const auto empty = Draw(r, Patient(0, 12, 0)).texts();
    EXPECT_EQ(empty.back().text, "");
    EXPECT_EQ(empty.back().y, 208);
}

}  // namespace
}  // namespace vt
