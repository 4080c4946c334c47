// The cephalometric page on the recording surface: its 28 rows, norms by sex and age, the comment.
#include <gtest/gtest.h>
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

}  // namespace
}  // namespace vt
