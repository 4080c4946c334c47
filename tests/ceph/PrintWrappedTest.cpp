// Comment wrapping: where lines break, at which y they stand, and that a
// UTF-8 character is never split. Widths here are fixed per character so
// that the breaks do not depend on installed fonts.
#include "ceph/PrintWrapped.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

std::string Repeat(std::string_view piece, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += piece;
    return out;
}

// Wraps on a surface where every character is 1 mm wide, so 120 characters
// are exactly the break width.
std::vector<PrintedText> Wrap(std::string_view text, double firstY = 208, double pitch = 5) {
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(1.0));
    s.setFontName("돋움체");
    s.setFontSize(11);
    PrintWrapped(s, text, kCommentX, firstY, pitch);
    return s.texts();
}

std::vector<std::string> Lines(const std::vector<PrintedText>& printed) {
    std::vector<std::string> out;
    for (const PrintedText& t : printed) out.push_back(t.text);
    return out;
}

struct WrapCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

TEST(PrintWrapped, BreaksOnlyAtTheFirstBlankBeyond120) {
    const std::string a119 = Repeat("a", 119);
    const std::string a120 = Repeat("a", 120);
    const std::string a300 = Repeat("a", 300);
    const WrapCase cases[] = {
        {"empty text prints one empty line", "", {""}},
        {"short text on one line", "짧은 문장 입니다.", {"짧은 문장 입니다."}},
        {"blank at width 120 is not beyond", a119 + " bb", {a119 + " bb"}},
        {"blank at width 121 breaks", a120 + " bb", {a120 + " ", "bb"}},
        {"only blank at the end: an empty last line follows", a120 + " ", {a120 + " ", ""}},
        {"only blank at the end within 120: one line", a119 + " ", {a119 + " "}},
        {"a blank after the break blank starts the next line", a120 + "  bb", {a120 + " ", " bb"}},
        {"a run without blanks is never broken", a300, {a300}},
        {"a long run before the first blank stays whole", a300 + " x", {a300 + " ", "x"}},
        {"the earlier blank within 120 does not break",
         Repeat("a", 100) + " " + Repeat("b", 30) + " c",
         {Repeat("a", 100) + " " + Repeat("b", 30) + " ", "c"}},
        {"three lines",
         a120 + " " + a120 + " end",
         {a120 + " ", a120 + " ", "end"}},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(Lines(Wrap(c.text)), c.lines) << c.name;
    }
}

TEST(PrintWrapped, LineYAndXForBothPitches) {
    const std::string a120 = Repeat("a", 120);
    const std::string text = a120 + " " + a120 + " " + a120 + " end";
    struct PitchCase {
        double firstY, pitch;
        double y[4];
    };
    const PitchCase cases[] = {
        {208, 5, {208, 213, 218, 223}},
        {236.5, 4.5, {236.5, 241, 245.5, 250}},
        {178, 5, {178, 183, 188, 193}},
    };
    for (const PitchCase& c : cases) {
        const auto printed = Wrap(text, c.firstY, c.pitch);
        ASSERT_EQ(printed.size(), 4u);
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(printed[j].x, 40);
            EXPECT_EQ(printed[j].y, c.y[j]) << "first y " << c.firstY << " line " << j;
        }
    }
}

TEST(PrintWrapped, EmptyTextStandsAtTheFirstY) {
    const auto printed = Wrap("", 236.5, 4.5);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].text, "");
    EXPECT_EQ(printed[0].x, 40);
    EXPECT_EQ(printed[0].y, 236.5);
}

TEST(PrintWrapped, HangulSyllablesAreOneCharacterEach) {
    // 120 syllables are 360 bytes but 120 mm wide.
    const std::string ga120 = Repeat("가", 120);
    const std::string ga119 = Repeat("가", 119);
    EXPECT_EQ(Lines(Wrap(ga119 + " 나다")), std::vector<std::string>{ga119 + " 나다"});
    EXPECT_EQ(Lines(Wrap(ga120 + " 나다")), (std::vector<std::string>{ga120 + " ", "나다"}));
}

// A width function that fails the test on any text that ends inside a
// UTF-8 sequence: the wrapping must only ever measure whole characters.
TEST(PrintWrapped, NeverMeasuresOrPrintsAPartOfACharacter) {
    RecordingSurface s;
    bool splitSeen = false;
    s.setWidthFunction([&splitSeen](const std::string&, double, std::string_view t) {
        int pending = 0;
        double width = 0;
        for (unsigned char c : t) {
            if ((c & 0xC0) == 0x80) {
                --pending;
                continue;
            }
            if (pending != 0) splitSeen = true;
            pending = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
            width += c < 0x80 ? 1.9 : 3.8;
        }
        if (pending != 0) splitSeen = true;
        return width;
    });
    const std::string text =
        "상악 전치가 순측경사 되어 있고 하악 전치도 순측경사 되어 있습니다. "
        "골격성 II급 부정교합의 경향이 있으며 하악의 후방 위치가 관찰됩니다. "
        "입술이 돌출되어 있어 발치 교정을 고려할 수 있습니다. ↑±";
    PrintWrapped(s, text, 40, 208, 5);
    EXPECT_FALSE(splitSeen);

    const auto printed = s.texts();
    ASSERT_GE(printed.size(), 2u);
    std::string joined;
    for (const PrintedText& t : printed) joined += t.text;
    EXPECT_EQ(joined, text);  // nothing lost, nothing added
    for (std::size_t j = 0; j + 1 < printed.size(); ++j) {
        // Every line but the last ends with its blank and is wider than 120.
        EXPECT_EQ(printed[j].text.back(), ' ');
        EXPECT_GT(s.textWidth(printed[j].text), 120.0);
    }
}

TEST(PrintWrapped, BrokenUtf8AtTheEndIsPrintedAsIs) {
    const std::string text = Repeat("a", 120) + " b\xEA\xB0";  // cut-off syllable
    EXPECT_EQ(Lines(Wrap(text)), (std::vector<std::string>{Repeat("a", 120) + " ", "b\xEA\xB0"}));
}

TEST(PrintWrapped, MeasuresInTheSurfacesCurrentFont) {
    RecordingSurface s;
    // Width grows with the point size: at 22 points a character is 2 mm.
    s.setWidthFunction([](const std::string&, double points, std::string_view t) {
        double n = 0;
        for (unsigned char c : t)
            if ((c & 0xC0) != 0x80) ++n;
        return n * points / 11.0;
    });
    s.setFontSize(22);
    PrintWrapped(s, Repeat("a", 60) + " " + Repeat("b", 60), 40, 208, 5);
    const auto printed = s.texts();
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].text, Repeat("a", 60) + " ");
    EXPECT_EQ(printed[1].text, Repeat("b", 60));
}

}  // namespace
}  // namespace vt
