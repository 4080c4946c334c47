// The cephalometric page on the recording surface: its 28 rows, norms by sex and age, the comment.
#include <gtest/gtest.h>
#include <array>
#include <sstream>
#include <string>
#include <vector>
#include "ceph/CephAxPage.h"
#include "pages/PageText.h"

namespace vt {
namespace {

// A different value in every row; the comment breaks at the first blank after 60 characters of 2 mm.
RecordingSurface Draw(std::int16_t sex, double ageYear) {
    CephRecord r;
    r.SNA = 84.3, r.SNB = 77.1, r.ANB = 7.2, r.SNPg = 77.9, r.FA = 83, r.ABA = -11.4, r.ABMP = 66.2, r.Sum = 403.5;
    r.PFH = 74.8, r.AFH = 128.4, r.PFHAFH = 58.25, r.SNMP = 43.5, r.FMA = 36, r.PPMP = 30.5, r.OPMP = 19.8,
    r.ODI = 64.1;
    r.APDI = 74.6, r.Wits = 5.1, r.UISN = 112.7, r.UIPP = 115, r.IMPA = 101.3, r.FMIA = 47.5, r.IIA = 108.8,
    r.UIOP = 50.2;
    r.LIOP = 63.9, r.UIFP = 11.4, r.LIFP = 9.7, r.UL = 2.25, r.LL = -0.04;
    r.MsgCephalo = std::string(60, 'x') + " 상하 입술이 돌출되어 있습니다. ";
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    CephAx(s, r, PatientRecord{"김민준", "2024", sex, ageYear, 6});
    return s;
}

TEST(CephAx, EveryRowShowsItsOwnValueAndMarkForABoyOfTwelve) {
    const RecordingSurface s = Draw(0, 12);
    std::vector<double> rows;  // y 48 to 183
    for (int k = 0; k < 28; ++k) rows.push_back(48 + 5 * k);
    EXPECT_EQ(ColumnAt(s, 140, rows),
              "84.3|77.1|7.2|77.9|83.0|-11.4|66.2|403.5|74.8|128.4|58.3|43.5|36.0|30.5|19.8|"
              "64.1|74.6|5.1|112.7|101.3|47.5|108.8|50.2|63.9|11.4|9.7|2.3|0.0");
    EXPECT_EQ(ColumnAt(s, 160, rows), "||↑||↓|↓|↓|↑↑|↓||↓|↑↑|↑||↑|↓|↓|↑↑↑|↑|↑|↓|↓↓||↓||↑||↓");
    const std::pair<double, std::string> lines[] = {{33, "30:Cephalo Analysis|90:Norm|115:SD|140:Patient"},
                                                    {48, "30:SNA|90:82.0|115:±3|140:84.3|160:"},
                                                    {198, "30:Comments:"},
                                                    {183, "30:Lower Lip|90:2.5|115:±2|140:0.0|160:↓"},
                                                    {208, "40:" + std::string(60, 'x') + " "},
                                                    {213, "40:상하 입술이 돌출되어 있습니다. "}};
    for (const auto& [y, line] : lines) EXPECT_EQ(LineAt(s, y), line) << y;
}

// SNB (row 2) and PFH (row 9) by AgeYear alone; any Sex but 0 takes the female norms, at 15 differing in five rows.
TEST(CephAx, NormsBySexAndAgeBand) {
    const struct {
        std::int16_t sex;
        double ageYear;
        const char* norms;
    } rows[] = {{0, 10.99, "78.0 76.0"},
                {0, 11, "78.5 82.0"},
                {0, 13.99, "78.5 82.0"},
                {0, 14, "79.0 96.0"},
                {1, 10.99, "78.0 74.0"},
                {1, 13.99, "78.5 79.0"},
                {2, 14, "79.0 87.0"}};
    for (const auto& row : rows) {
        const RecordingSurface s = Draw(row.sex, row.ageYear);
        EXPECT_EQ(s.textsAtY(53)[1].text + " " + s.textsAtY(88)[1].text, row.norms) << row.sex << " " << row.ageYear;
    }
    const auto girl = Draw(1, 15).texts(), boy = Draw(0, 15).texts();
    ASSERT_EQ(girl.size(), boy.size());
    std::string changes;  // "y:girl|boy" of the rows that differ
    for (std::size_t i = 0; i < girl.size(); ++i)
        if (girl[i].y > 20 && girl[i].text != boy[i].text)
            changes.append(std::to_string(int(girl[i].y))).append(":").append(girl[i].text + "|" + boy[i].text + " ");
    EXPECT_EQ(changes, "88:87.0|96.0 88:↓↓|↓↓↓ 93:129.0|139.0 93:|↓ 98:67.0|69.0 178:-1.0|-0.5 183:1.0|1.5 ");
}

// Every label, norm and SD of the table for both sexes and the three age bands, each row at its own y.
TEST(CephAx, EveryLabelNormAndSdOfTheTable) {
    const struct {
        const char* label;
        std::array<const char*, 6> norms;  // M <11, M 11-<14, M >=14, F <11, F 11-<14, F >=14
        const char* sd;
    } rows[] = {{"SNA", {"82.0", "82.0", "82.0", "82.0", "82.0", "82.0"}, "±3"},
                {"SNB", {"78.0", "78.5", "79.0", "78.0", "78.5", "79.0"}, "±3"},
                {"ANB", {"4.0", "3.5", "3.0", "4.0", "3.5", "3.0"}, "±2"},
                {"SNPg", {"79.0", "79.5", "80.0", "79.0", "79.5", "80.0"}, "±3"},
                {"Facial Angle", {"86.0", "86.5", "87.0", "86.0", "86.5", "87.0"}, "±3"},
                {"AB Plane Angle", {"-7.0", "-6.0", "-5.0", "-7.0", "-6.0", "-5.0"}, "±3"},
                {"AB/MP", {"72.0", "71.5", "71.0", "72.0", "71.5", "71.0"}, "±4"},
                {"Sum", {"396.0", "395.0", "394.0", "396.0", "395.0", "394.0"}, "±4"},
                {"Post Face Height", {"76.0", "82.0", "96.0", "74.0", "79.0", "87.0"}, "±5"},
                {"Ant Face Height", {"119.0", "124.0", "139.0", "117.0", "121.0", "129.0"}, "±6"},
                {"Post/Ant Face Ht Ratio", {"63.0", "66.0", "69.0", "63.0", "65.0", "67.0"}, "±4"},
                {"SN/MP", {"36.0", "35.0", "34.0", "36.0", "35.0", "34.0"}, "±4"},
                {"FH/MP (FMA)", {"29.0", "28.0", "27.0", "29.0", "28.0", "27.0"}, "±4"},
                {"PP/MP", {"28.0", "27.0", "26.0", "28.0", "27.0", "26.0"}, "±4"},
                {"OP/MP", {"15.0", "15.0", "15.0", "15.0", "15.0", "15.0"}, "±4"},
                {"ODI", {"73.0", "72.5", "72.0", "73.0", "72.5", "72.0"}, "±5"},
                {"APDI", {"80.0", "81.5", "83.0", "80.0", "81.5", "83.0"}, "±4"},
                {"Wits (AO/BO)", {"-2.0", "-2.0", "-2.0", "-2.0", "-2.0", "-2.0"}, "±2"},
                {"UI to SN", {"105.0", "106.0", "107.0", "105.0", "106.0", "107.0"}, "±5"},
                {"LI to MP (IMPA)", {"95.0", "95.0", "95.0", "95.0", "95.0", "95.0"}, "±5"},
                {"LI to FH (FMIA)", {"56.0", "57.0", "58.0", "56.0", "57.0", "58.0"}, "±5"},
                {"Dent Convexity (IIA)", {"124.0", "124.0", "124.0", "124.0", "124.0", "124.0"}, "±7"},
                {"UI to OP", {"54.0", "54.0", "54.0", "54.0", "54.0", "54.0"}, "±4"},
                {"LI to OP", {"70.0", "70.0", "70.0", "70.0", "70.0", "70.0"}, "±4"},
                {"UI to FP (mm)", {"9.0", "9.0", "9.0", "9.0", "9.0", "9.0"}, "±3"},
                {"LI to FP (mm)", {"6.0", "6.0", "6.0", "6.0", "6.0", "6.0"}, "±3"},
                {"Upper Lip", {"1.5", "0.5", "-0.5", "1.0", "0.0", "-1.0"}, "±2"},
                {"Lower Lip", {"3.5", "2.5", "1.5", "3.0", "2.0", "1.0"}, "±2"}};
    const struct {
        const char* name;
        std::int16_t sex;
        double ageYear;
    } groups[] = {{"M <11", 0, 10.5},
                  {"M 11-<14", 0, 12},
                  {"M >=14", 0, 30},
                  {"F <11", 1, 10.5},
                  {"F 11-<14", 1, 12},
                  {"F >=14", 1, 30}};
    for (std::size_t g = 0; g < std::size(groups); ++g) {
        const RecordingSurface s = Draw(groups[g].sex, groups[g].ageYear);
        for (std::size_t k = 0; k < std::size(rows); ++k) {
            const std::string line = LineAt(s, 48 + 5 * static_cast<double>(k));
            EXPECT_EQ(line.substr(0, line.find("|140:")),
                      std::string("30:") + rows[k].label + "|90:" + rows[k].norms[g] + "|115:" + rows[k].sd)
                << "row " << k + 1 << " " << groups[g].name;
        }
    }
}

// Three blue rules from the frame before anything is printed, one font and colour set by it, every text in it
// (the footer in its own size) and nothing else drawn: no box, no picture, no line in the text colour.
TEST(CephAx, ThreeBlueRulesFirstThenTextsInThePageFont) {
    const RecordingSurface s = Draw(0, 12);
    std::ostringstream rules;
    for (const DrawnLine& l : s.lines())
        rules << l.x1 << ' ' << l.y1 << ' ' << l.x2 << ' ' << l.y2 << " c" << l.color << '\n';
    EXPECT_EQ(rules.str(), "20 30 190 30 c9\n20 40 190 40 c9\n20 275 190 275 c9\n");
    EXPECT_EQ(s.ops()[2].kind, SurfaceOp::ColoredLine);
    const struct {
        const char* what;
        SurfaceOp kind;
        int count;
    } counts[] = {{"font names set", SurfaceOp::SetFontName, 1},
                  {"colours set", SurfaceOp::SetForeColor, 1},
                  {"sizes set", SurfaceOp::SetFontSize, 3},
                  {"texts: header 4, footer, heads 4, rows 28 x 5, caption, comment 2", SurfaceOp::Print, 152},
                  {"boxes", SurfaceOp::FillBox, 0},
                  {"pictures", SurfaceOp::PaintPicture, 0},
                  {"lines in the text colour", SurfaceOp::Line, 0}};
    for (const auto& c : counts) EXPECT_EQ(s.count(c.kind), c.count) << c.what;
    for (const PrintedText& t : s.texts())
        EXPECT_EQ(std::tuple(t.fontName, t.fontSize, t.color), std::tuple("돋움체", t.y == 276 ? 8.0 : 11.0, 0))
            << t.text << " at " << t.x << ", " << t.y;
}

}  // namespace
}  // namespace vt
