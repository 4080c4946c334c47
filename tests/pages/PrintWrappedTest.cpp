// Comment wrapping: where lines break and at which y they stand. Widths are
// 1 mm per character so that the breaks do not depend on installed fonts.
#include "pages/PrintWrapped.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace vt {
namespace {

std::string Repeat(std::string_view piece, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += piece;
    return out;
}

std::vector<PrintedText> Wrap(std::string_view text, double firstY = 208, double pitch = 5) {
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(1.0));
    PrintWrapped(s, text, kCommentX, firstY, pitch);
    return s.texts();
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> out;
    for (const PrintedText& t : Wrap(text)) out.push_back(t.text);
    return out;
}

TEST(PrintWrapped, BreaksOnlyAtTheFirstBlankBeyond120) {
    const std::string a119 = Repeat("a", 119), a120 = Repeat("a", 120), a300 = Repeat("a", 300);
    const std::string ga120 = Repeat("가", 120);  // 360 bytes, 120 characters
    const struct { const char* name; std::string text; std::vector<std::string> lines; } cases[] = {
        {"empty text: one empty line", "", {""}},
        {"blank at width 120 is not beyond", a119 + " bb", {a119 + " bb"}},
        {"blank at width 121 breaks", a120 + " bb", {a120 + " ", "bb"}},
        {"blank only at the end: an empty last line", a120 + " ", {a120 + " ", ""}},
        {"a second blank starts the next line", a120 + "  bb", {a120 + " ", " bb"}},
        {"a run without blanks is never broken", a300, {a300}},
        {"a long run before the first blank stays whole", a300 + " x", {a300 + " ", "x"}},
        {"Hangul syllables count one each", ga120 + " 나다", {ga120 + " ", "나다"}},
        {"three lines", a120 + " " + a120 + " end", {a120 + " ", a120 + " ", "end"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(c.text), c.lines) << c.name;
}

// A long comment is never cut: its lines run on past the footer at 276.
TEST(PrintWrapped, LinesStandAtX40FromTheFirstYAtThePitchPastTheFooter) {
    const std::string text = Repeat(Repeat("a", 120) + " ", 14) + "끝";
    for (const auto& [firstY, pitch, lastY] : {std::tuple{208.0, 5.0, 278.0}, std::tuple{236.5, 4.5, 299.5}}) {
        const auto printed = Wrap(text, firstY, pitch);
        ASSERT_EQ(printed.size(), 15u);
        EXPECT_EQ(printed[0].y, firstY);
        EXPECT_EQ(printed[14].y, lastY);
        EXPECT_EQ(printed[14].text, "끝");
        for (const PrintedText& t : printed) EXPECT_EQ(t.x, 40);
    }
    EXPECT_EQ(Wrap("", 236.5, 4.5)[0].y, 236.5);
}

TEST(PrintWrapped, MeasuresInTheSurfacesCurrentFont) {
    RecordingSurface s;
    s.setWidthFunction([](const std::string&, double points, std::string_view t) {
        return static_cast<double>(t.size()) * points / 11.0;  // 2 mm a letter at 22 points
    });
    s.setFontSize(22);
    PrintWrapped(s, Repeat("a", 60) + " " + Repeat("b", 60), 40, 208, 5);
    const auto printed = s.texts();
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].text, Repeat("a", 60) + " ");
}

}  // namespace
}  // namespace vt
