// The page frame: rules, header and footer in their order, places, fonts
// and colours, and the font state it leaves for the page.
#include "pages/PageFrame.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vt {
namespace {

PatientRecord Patient(std::int16_t sex, double ageYear, std::int16_t ageMonth) {
    PatientRecord p;
    p.PatientName = "홍길동";
    p.ChartNo = " A-1 ";
    p.Sex = sex;
    p.AgeYear = ageYear;
    p.AgeMonth = ageMonth;
    return p;
}

// Every operation but setting the position, one per line.
std::string Steps(const RecordingSurface& s) {
    std::ostringstream out;
    for (const RecordedOp& op : s.ops()) {
        if (op.kind == SurfaceOp::ColoredLine)
            out << "line " << op.x << ' ' << op.y << ' ' << op.x2 << ' ' << op.y2 << " c" << op.color << '\n';
        else if (op.kind == SurfaceOp::SetFontName) out << "font " << op.fontName << '\n';
        else if (op.kind == SurfaceOp::SetFontSize) out << "size " << op.fontSize << '\n';
        else if (op.kind == SurfaceOp::SetForeColor) out << "color " << op.color << '\n';
        else if (op.kind == SurfaceOp::Print)
            out << op.x << ' ' << op.y << ' ' << op.fontName << ' ' << op.fontSize << " c" << op.color << " \"" << op.text << "\"\n";
        else if (op.kind != SurfaceOp::SetX && op.kind != SurfaceOp::SetY) out << "other\n";
    }
    return out.str();
}

const char* const kHeaderAndFooter =
    "line 20 275 190 275 c9\n"
    "font 돋움체\nsize 11\ncolor 0\n"
    "30 20 돋움체 11 c0 \"이름: 홍길동\"\n"
    "70 20 돋움체 11 c0 \"성별: 남\"\n"
    "100 20 돋움체 11 c0 \"나이: 12.5Y 6M\"\n"
    "140 20 돋움체 11 c0 \"Chart No.:  A-1 \"\n"
    "size 8\n"
    "80 276 돋움체 8 c0 \"Veltrane by TN Vask\"\n"
    "size 11\n";

TEST(PageFrame, RulesThenHeaderThenFooterWithTheTableRuleOnlyOnTablePages) {
    for (bool tableRules : {true, false}) {
        RecordingSurface s;
        s.setFontName("돋움");
        s.setForeColor(12);  // whatever the page had before
        s.clear();
        PrintPageFrame(s, Patient(0, 12.5, 6), tableRules);
        const std::string rules = tableRules ? "line 20 30 190 30 c9\nline 20 40 190 40 c9\n" : "line 20 30 190 30 c9\n";
        EXPECT_EQ(Steps(s), rules + kHeaderAndFooter) << tableRules;
        EXPECT_EQ(s.fontName(), "돋움체");
        EXPECT_EQ(s.fontSize(), 11);
        EXPECT_EQ(s.foreColor(), 0);
    }
}

// Any Sex but 0 reads female; the age in the default number text.
TEST(PageFrame, HeaderSexAndAge) {
    for (const auto& [sex, ageYear, header] : {std::tuple<std::int16_t, double, const char*>{1, 8, "성별: 여|나이: 8Y 11M"},
                                               {2, 0.000001, "성별: 여|나이: 0.000001Y 11M"}}) {
        RecordingSurface s;
        PrintPageFrame(s, Patient(sex, ageYear, 11), true);
        const auto texts = s.textsAtY(20);
        ASSERT_EQ(texts.size(), 4u);
        EXPECT_EQ(texts[1].text + "|" + texts[2].text, header);
    }
}

}  // namespace
}  // namespace vt
