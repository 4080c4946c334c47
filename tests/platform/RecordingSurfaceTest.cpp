// The recording surface is what every page test reads: it must keep the
// operations in order with the font state of the moment.
#include "platform/RecordingSurface.h"
#include "platform/TextMetrics.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(RecordingSurface, PrintKeepsPositionAndFontStateOfTheMoment) {
    RecordingSurface s;
    s.setFontName("돋움체");
    s.setFontSize(11);
    s.setForeColor(4);
    s.setCurrent(30, 20);
    s.print("first");
    s.setFontSize(8);
    s.setForeColor(0);
    s.setCurrent(80, 276);
    s.print("second");

    const auto texts = s.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "first");
    EXPECT_EQ(texts[0].x, 30);
    EXPECT_EQ(texts[0].y, 20);
    EXPECT_EQ(texts[0].fontName, "돋움체");
    EXPECT_EQ(texts[0].fontSize, 11);
    EXPECT_EQ(texts[0].color, 4);
    EXPECT_EQ(texts[1].text, "second");
    EXPECT_EQ(texts[1].x, 80);
    EXPECT_EQ(texts[1].y, 276);
    EXPECT_EQ(texts[1].fontSize, 8);
    EXPECT_EQ(texts[1].color, 0);
    EXPECT_EQ(s.count(SurfaceOp::Print), 2);
    EXPECT_EQ(s.count(SurfaceOp::SetFontSize), 2);
}

TEST(RecordingSurface, LinesCarryTheirOwnOrTheCurrentColour) {
    RecordingSurface s;
    s.setForeColor(12);
    s.line(1, 2, 3, 4);
    s.line(20, 30, 190, 30, 9);
    s.fillBox(0, 0, 210, 297, 15);

    const auto lines = s.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].color, 12);
    EXPECT_EQ(lines[0].x2, 3);
    EXPECT_EQ(lines[0].y2, 4);
    EXPECT_EQ(lines[1].color, 9);
    EXPECT_EQ(lines[1].x1, 20);
    EXPECT_EQ(lines[1].x2, 190);
    ASSERT_EQ(s.ops().back().kind, SurfaceOp::FillBox);
    EXPECT_EQ(s.ops().back().color, 15);
    EXPECT_EQ(s.ops().back().y2, 297);
}

TEST(RecordingSurface, FixedWidthCountsCharactersNotBytes) {
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    EXPECT_EQ(s.textWidth(""), 0.0);
    EXPECT_EQ(s.textWidth("ab "), 6.0);
    EXPECT_EQ(s.textWidth("가나"), 4.0);   // two Hangul syllables, six bytes
    EXPECT_EQ(s.textWidth("↑±"), 4.0);
}

TEST(RecordingSurface, MeasuresWithTheFontMetricsByDefault) {
    RecordingSurface s;
    s.setFontName("돋움체");
    s.setFontSize(11);
    const std::string text = "골격성 II급 경향";
    EXPECT_EQ(s.textWidth(text), TextWidthMm("돋움체", 11, text));
    EXPECT_GT(s.textWidth(text), 0.0);
}

TEST(RecordingSurface, FindTextAndTextsAtY) {
    RecordingSurface s(15, 15);
    EXPECT_EQ(s.originX(), 15);
    EXPECT_EQ(s.originY(), 15);
    s.setCurrent(10, 48);
    s.print("a");
    s.setCurrent(90, 48);
    s.print("b");
    s.setCurrent(10, 53);
    s.print("a");
    const auto a = s.findText("a");
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->y, 48);
    EXPECT_FALSE(s.findText("c").has_value());
    EXPECT_EQ(s.textsAtY(48).size(), 2u);
    EXPECT_EQ(s.textsAtY(53).size(), 1u);
    s.clear();
    EXPECT_TRUE(s.ops().empty());
}

}  // namespace
}  // namespace vt
