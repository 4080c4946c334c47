// The kit every result page shares: deviation mark, norm row, page frame, comment wrapping.
#include <gtest/gtest.h>
#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>
#include "pages/DevMark.h"
#include "pages/NormRow.h"
#include "pages/PageFrame.h"
#include "pages/PageText.h"
#include "pages/PrintWrapped.h"

namespace vt {
namespace {

// Strict bounds, one row each side of every bound, the largest mark first.
TEST(DevMark, StrictBoundsLargestFirstInSinglePrecision) {
    const struct {
        float dev, sd;
        const char* mark;
    } cases[] = {{3, 3, ""},
                 {3.1f, 3, "↑"},
                 {6, 3, "↑"},
                 {9, 3, "↑↑"},
                 {9.01f, 3, "↑↑↑"},
                 {-3, 3, ""},
                 {-3.1f, 3, "↓"},
                 {-6, 3, "↓"},
                 {-6.01f, 3, "↓↓"},
                 {-9, 3, "↓↓"},
                 {-9.5f, 3, "↓↓↓"},
                 {std::nextafter(4.0f, 5.0f), 2, "↑↑"},
                 {std::nextafter(-6.0f, -7.0f), 2, "↓↓↓"},  // one float step beyond counts
                 {1e-30f, 0, "↑↑↑"},
                 {-1e-30f, 0, "↓↓↓"},   // SD 0: every bound is 0, the largest mark first
                 {0.3f, 0.1f, "↑↑"},    // 3 x 0.1f is 0.30000000447 in double, 0.3f in single
                 {-0.3f, 0.1f, "↓↓"}};  // and below the norm alike
    for (const auto& c : cases) EXPECT_EQ(DevMark(c.dev, c.sd), c.mark) << "dev " << c.dev << " sd " << c.sd;
}

TEST(NormRow, FiveColumnsAndTheMarkOfTheSinglePrecisionDeviation) {
    const struct {
        double sd;
        const char* pattern;
        std::optional<double> value;
        const char* line;
    } cases[] = {
        {3, "#0", 91.000000001, "30:SNA|90:82.0|115:±3|140:91.0|160:↑↑"},  // 9 in single precision: not beyond 3 SD
        {3, "#0", 85.000002, "30:SNA|90:82.0|115:±3|140:85.0|160:↑"},      // 3.000002 once rounded: beyond 1 SD
        {0.5, "#0.0", std::nullopt, "30:SNA|90:82.0|115:±0.5"}};           // no value yet: no value, no mark
    for (const auto& c : cases) {
        RecordingSurface s;
        PrintNormRow(s, {30, 90, 115, 140, 160}, {"SNA", 82, c.sd, c.pattern, c.value}, 93);
        EXPECT_EQ(LineAt(s, 93) + std::to_string(s.count(SurfaceOp::SetFontName) + s.count(SurfaceOp::SetFontSize) +
                                                 s.count(SurfaceOp::SetForeColor)),
                  c.line + std::string("0"));
    }
}

// Every operation but setting the position, one per line.
std::string Steps(const RecordingSurface& s) {
    std::ostringstream out;
    for (const RecordedOp& op : s.ops()) {
        if (op.kind == SurfaceOp::ColoredLine)
            out << "line " << op.x << ' ' << op.y << ' ' << op.x2 << ' ' << op.y2 << " c" << op.color << '\n';
        else if (op.kind == SurfaceOp::SetFontName)
            out << "font " << op.fontName << '\n';
        else if (op.kind == SurfaceOp::SetFontSize)
            out << "size " << op.fontSize << '\n';
        else if (op.kind == SurfaceOp::SetForeColor)
            out << "color " << op.color << '\n';
        else if (op.kind == SurfaceOp::Print)
            out << op.x << ' ' << op.y << ' ' << op.fontName << ' ' << op.fontSize << " c" << op.color << " \""
                << op.text << "\"\n";
        else if (op.kind != SurfaceOp::SetX && op.kind != SurfaceOp::SetY)
            out << "other\n";
    }
    return out.str();
}

// Places, fonts and colours, the page font left set; the table rule only on table pages; any Sex but 0 is female.
TEST(PageFrame, RulesThenHeaderThenFooter) {
    const struct {
        bool tableRules;
        std::int16_t sex;
        double ageYear;
        std::int16_t month;
        const char *sexText, *age;
    } cases[] = {{true, 0, 12.5, 6, "남", "12.5Y 6M"},
                 {false, 1, 8, 11, "여", "8Y 11M"},
                 {true, 2, 0.000001, 0, "여", "0.000001Y 0M"}};
    for (const auto& c : cases) {
        RecordingSurface s;
        s.setFontName("돋움"), s.setForeColor(12), s.clear();  // whatever the page had before
        PrintPageFrame(s, PatientRecord{"홍길동", " A-1 ", c.sex, c.ageYear, c.month}, c.tableRules);
        const std::string expected = std::string("line 20 30 190 30 c9\n") +
                                     (c.tableRules ? "line 20 40 190 40 c9\n" : "") +
                                     "line 20 275 190 275 c9\nfont 돋움체\nsize 11\ncolor 0\n30 20 돋움체 11 c0 "
                                     "\"이름: 홍길동\"\n70 20 돋움체 11 c0 \"성별: " +
                                     c.sexText + "\"\n100 20 돋움체 11 c0 \"나이: " + c.age +
                                     "\"\n140 20 돋움체 11 c0 \"Chart No.:  A-1 \"\nsize 8\n80 276 돋움체 8 c0 "
                                     "\"Veltrane by TN Vask\"\nsize 11\n";
        EXPECT_EQ(Steps(s), expected) << c.age;
        EXPECT_EQ(std::tuple(s.fontName(), s.fontSize(), s.foreColor()), std::tuple("돋움체", 11.0, 0));
    }
}

std::string Repeat(std::string_view piece, int n) {
    std::string out;
    while (n-- > 0) out += piece;
    return out;
}

// 1 mm a character at 11 points, in proportion to the current size: breaks not hanging on installed fonts.
std::vector<PrintedText> Wrap(std::string_view text, double firstY = 208, double pitch = 5, double points = 11) {
    RecordingSurface s;
    s.setWidthFunction([](const std::string&, double size, std::string_view t) {
        return RecordingSurface::FixedWidth(size / 11)("", size, t);
    });
    s.setFontSize(points);
    PrintWrapped(s, text, kCommentX, firstY, pitch);
    return s.texts();
}

TEST(PrintWrapped, BreaksOnlyAtTheFirstBlankBeyond120) {
    const std::string a119 = Repeat("a", 119), a120 = Repeat("a", 120), a300 = Repeat("a", 300);
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
        double points = 11;
    } cases[] = {{"empty text: one empty line", "", {""}},
                 {"blank at width 120 is not beyond", a119 + " bb", {a119 + " bb"}},
                 {"blank at width 121 breaks", a120 + " bb", {a120 + " ", "bb"}},
                 {"a blank only at the end, beyond 120: an empty last line", a120 + " ", {a120 + " ", ""}},
                 {"a second blank starts the next line", a120 + "  bb", {a120 + " ", " bb"}},
                 {"a long run before the first blank stays whole", a300 + " x", {a300 + " ", "x"}},
                 {"Hangul syllables count one each", Repeat("가", 120) + " 나다", {Repeat("가", 120) + " ", "나다"}},
                 {"measured in the current font", Repeat("a", 60) + " b", {Repeat("a", 60) + " ", "b"}, 22}};
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        for (const PrintedText& t : Wrap(c.text, 208, 5, c.points)) lines.push_back(t.text);
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

// A long comment is never cut: its lines run on past the footer at 276.
TEST(PrintWrapped, LinesStandAtX40FromTheFirstYAtThePitchPastTheFooter) {
    const std::string text = Repeat(Repeat("a", 120) + " ", 14) + "끝";
    for (const auto& [firstY, pitch, lastY] : {std::tuple{208.0, 5.0, 278.0}, std::tuple{236.5, 4.5, 299.5}}) {
        const auto printed = Wrap(text, firstY, pitch);
        ASSERT_EQ(printed.size(), 15u);
        EXPECT_EQ(std::tuple(printed[0].y, printed[14].y, printed[14].text), std::tuple(firstY, lastY, "끝"));
        for (const PrintedText& t : printed) EXPECT_EQ(t.x, 40);
    }
}

}  // namespace
}  // namespace vt
