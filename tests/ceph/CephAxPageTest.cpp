// The cephalometric page on the recording surface: the 28 norm rows in order,
// each with its own record value, the norms by sex and age band, the comment.
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
    r.MsgCephalo = std::string(60, 'x') + " 상하 입술이 돌출되어 있습니다. ";
    return r;
}

// 2 mm per character: a comment line breaks at the first blank after 60.
RecordingSurface Draw(const CephRecord& r, std::int16_t sex, double ageYear) {
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    CephAx(s, r, PatientRecord{"김민준", "2024", sex, ageYear, 6});
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

// One column of the 28 rows, y 48 to 183, joined by "|"; "-" where nothing is printed.
std::string Column(const RecordingSurface& s, double x) {
    std::string out;
    for (int k = 0; k < 28; ++k) {
        std::string cell = "-";
        for (const PrintedText& t : s.textsAtY(48 + 5 * k))
            if (t.x == x) cell = t.text;
        out += (k ? "|" : "") + cell;
    }
    return out;
}

TEST(CephAx, EveryRowShowsItsOwnValueAndMarkForABoyOfTwelve) {
    const RecordingSurface s = Draw(Record(), 0, 12);
    EXPECT_EQ(Column(s, 140), "84.3|77.1|7.2|77.9|83.0|-11.4|66.2|403.5|74.8|128.4|58.3|43.5|36.0|30.5|19.8|64.1|"
                              "74.6|5.1|112.7|101.3|47.5|108.8|50.2|63.9|11.4|9.7|2.3|0.0");
    EXPECT_EQ(Column(s, 160), "||↑||↓|↓|↓|↑↑|↓||↓|↑↑|↑||↑|↓|↓|↑↑↑|↑|↑|↓|↓↓||↓||↑||↓");
    const std::pair<double, std::string> lines[] = {
        {33, "30:Cephalo Analysis|90:Norm|115:SD|140:Patient"},
        {48, "30:SNA|90:82.0|115:±3|140:84.3|160:"},
        {98, "30:Post/Ant Face Ht Ratio|90:66.0|115:±4|140:58.3|160:↓"},
        {183, "30:Lower Lip|90:2.5|115:±2|140:0.0|160:↓"},
        {198, "30:Comments:"},
        {208, "40:" + std::string(60, 'x') + " "},
        {213, "40:상하 입술이 돌출되어 있습니다. "},
    };
    for (const auto& [y, line] : lines) EXPECT_EQ(Line(s, y), line) << y;
    EXPECT_EQ(s.texts().size(), 5u + 4 + 28 * 5 + 3);  // frame, heads, rows, comment
    EXPECT_TRUE(s.findText("이름: 김민준"));
    for (const PrintedText& t : s.texts())
        if (t.y != 276) {
            EXPECT_EQ(std::tie(t.fontName, t.fontSize, t.color), std::tuple("돋움체", 11, 0)) << t.text;
        }
    EXPECT_EQ(s.lines().size(), 3u);  // the frame's rules only
    EXPECT_EQ(s.count(SurfaceOp::FillBox) + s.count(SurfaceOp::PaintPicture), 0);
}

// SNB (row 2) and the posterior face height (row 9) by AgeYear alone, the
// months play no part; any Sex but 0 takes the female norms.
TEST(CephAx, NormsBySexAndAgeBand) {
    const struct { std::int16_t sex; double ageYear; const char *snb, *pfh; } rows[] = {
        {0, 10.99, "78.0", "76.0"}, {0, 11, "78.5", "82.0"}, {0, 13.99, "78.5", "82.0"}, {0, 14, "79.0", "96.0"},
        {1, 10.99, "78.0", "74.0"}, {1, 13.99, "78.5", "79.0"}, {2, 14, "79.0", "87.0"},
    };
    for (const auto& row : rows) {
        const RecordingSurface s = Draw(Record(), row.sex, row.ageYear);
        EXPECT_EQ(s.textsAtY(53)[1].text + " " + s.textsAtY(88)[1].text, std::string(row.snb) + " " + row.pfh)
            << row.sex << " " << row.ageYear;
    }
}

TEST(CephAx, SexChangesOnlyFiveRowsAndTheHeader) {
    const auto girl = Draw(Record(), 1, 15).texts();
    const auto boy = Draw(Record(), 0, 15).texts();
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

}  // namespace
}  // namespace vt
