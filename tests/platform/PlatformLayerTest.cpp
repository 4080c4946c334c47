// The small platform layer: fonts and text widths, mnemonic captions and the
// painter surface's placement of text and pictures. The form runtime is
// exercised by every form test: one instance loaded on first use, deferred
// deletion (the next-patient order test sees it), a fresh load after unload.

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/PageImage.h"
#include "platform/Picture.h"
#include "platform/TextMetrics.h"

namespace vt {
namespace {

constexpr double kPx = 96 / 25.4;  // screen pixels per millimetre

TEST(Fonts, ProgramFacesAreTheInstalledKoreanFontsMeasuredDeviceFree) {
    EXPECT_EQ(QFontInfo(FormFont("돋움", 12)).family(), QStringLiteral("NanumGothic"));
    EXPECT_EQ(QFontInfo(FormFont("돋움체", 11)).family(), QStringLiteral("NanumGothicCoding"));
    const double a = TextWidthMm("돋움체", 11, "a");
    EXPECT_NEAR(a, 11 * 25.4 / 72 / 2, 0.2);  // half of 11 points in the coding face
    EXPECT_NEAR(TextWidthMm("돋움체", 22, "a"), 2 * a, 1e-9);
    EXPECT_NEAR(TextWidthMm("돋움체", 11, "WWWW"), 4 * a, 1e-9);
    EXPECT_NEAR(TextWidthMm("돋움체", 11, "가"), 2 * a, 0.05);
}

TEST(FormControls, MnemonicCaptionsUnderlineAndEscape) {
    EXPECT_EQ(MnemonicRichText(QStringLiteral("&1 / SN")), QStringLiteral("<u>1</u> / SN"));
    EXPECT_EQ(MnemonicRichText(QStringLiteral("a && b<&")), QStringLiteral("a &amp; b&lt;&amp;"));
}

// A 10 x 10 mm picture that paints red and remembers its source rectangles.
class RedPicture : public Picture {
public:
    std::string name() const override { return "red"; }
    double widthMm() const override { return 10; }
    double heightMm() const override { return 10; }
    void draw(QPainter& p, const QRectF& target, const QRectF& source) const override {
        sources.push_back(source);
        p.fillRect(target, Qt::red);
    }
    mutable std::vector<QRectF> sources;
};

TEST(PainterSurface, SavedPageStartsAt15mmAndCountsSourcesFromItsOrigin) {
    RedPicture picture;
    const QImage saved = DrawSavedPage([&](ResultSurface& s) {
        s.paintPicture(picture, {20, 40, 10, 10});
        s.paintPicture(picture, {20, 40, 10, 10}, SheetRect{15 + 2, 15 + 3, 4, 5});
    });
    ASSERT_EQ(picture.sources.size(), 2u);
    EXPECT_EQ(picture.sources[0], QRectF(0, 0, 10, 10));
    EXPECT_EQ(picture.sources[1], QRectF(2, 3, 4, 5));
    EXPECT_EQ(saved.size(), QSize(680, 1009));
    // Sheet (20, 40) lies 5 mm and 25 mm into the saved window.
    EXPECT_EQ(saved.pixelColor(int(5 * kPx) + 2, int(25 * kPx) + 2), QColor(Qt::red));
    EXPECT_EQ(saved.pixelColor(int(5 * kPx) - 2, int(25 * kPx) - 2), QColor(Qt::white));
}

TEST(PainterSurface, PrintsTextWithItsTopLeftCornerAtTheCurrentPosition) {
    const QImage page = DrawScreenPage(
        [](ResultSurface& s) {
            s.setFontName("돋움체");
            s.setFontSize(11);
            s.setForeColor(12);
            s.printAt(20, 30, "HHHH");
        },
        400, 400, 0);
    QRect ink;  // the red pixels
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).red() > 200 && page.pixelColor(x, y).green() < 100) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.left(), 20 * kPx, 3);
    EXPECT_GE(ink.top(), int(30 * kPx));      // below the current position
    EXPECT_LE(ink.top(), int(30 * kPx) + 8);  // within the line's ascent
}

}  // namespace
}  // namespace vt
