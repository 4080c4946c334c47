// The small platform layer: palette, twips, mnemonic captions, fonts, the
// form runtime and the painter surface's placement of text and pictures.

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/Forms.h"
#include "platform/PageImage.h"
#include "platform/PainterSurface.h"
#include "platform/Palette.h"
#include "platform/Picture.h"
#include "platform/TextMetrics.h"

namespace vt {
namespace {

TEST(Palette, NamesTheSixteenStandardColours) {
    EXPECT_EQ(PaletteColor(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(PaletteColor(7), (Rgb{192, 192, 192}));
    EXPECT_EQ(PaletteColor(9), (Rgb{0, 0, 255}));
    EXPECT_EQ(PaletteColor(12), (Rgb{255, 0, 0}));
    EXPECT_EQ(PaletteColor(15), (Rgb{255, 255, 255}));
    EXPECT_EQ(PaletteColor(16), (Rgb{0, 0, 0}));
    EXPECT_EQ(PaletteColor(-1), (Rgb{0, 0, 0}));
}

TEST(FormControls, PlacesControlsFromTwipsAndDrawsMnemonics) {
    QWidget parent;
    QWidget child(&parent);
    PlaceTwips(&child, {-600, 4800, 2415, 375});
    EXPECT_EQ(child.geometry(), QRect(-40, 320, 161, 25));
    EXPECT_EQ(MnemonicRichText(QStringLiteral("&1 / SN")), QStringLiteral("<u>1</u> / SN"));
    EXPECT_EQ(MnemonicRichText(QStringLiteral("Dental && Esthetic Ax")), QStringLiteral("Dental &amp; Esthetic Ax"));
    EXPECT_EQ(MnemonicRichText(QStringLiteral("a<b&")), QStringLiteral("a&lt;b&amp;"));
}

TEST(Fonts, ProgramFontNamesMapToTheInstalledKoreanFonts) {
    EXPECT_EQ(QFontInfo(FormFont("돋움", 12)).family(), QStringLiteral("NanumGothic"));
    EXPECT_EQ(QFontInfo(FormFont("돋움체", 11)).family(), QStringLiteral("NanumGothicCoding"));
    EXPECT_EQ(MappedFamily("Arial"), QStringLiteral("Arial"));
}

TEST(Fonts, TextWidthScalesWithSizeAndIsFixedPitchForTheCodingFace) {
    const double w11 = TextWidthMm("돋움체", 11, "SNA 82.0");
    EXPECT_NEAR(TextWidthMm("돋움체", 22, "SNA 82.0"), 2 * w11, 1e-9);
    EXPECT_NEAR(TextWidthMm("돋움체", 11, "abcd"), TextWidthMm("돋움체", 11, "WWWW"), 1e-9);
    // A Hangul syllable is twice as wide as a Latin letter in the coding face.
    EXPECT_NEAR(TextWidthMm("돋움체", 11, "가"), 2 * TextWidthMm("돋움체", 11, "a"), 0.05);
    EXPECT_EQ(TextWidthMm("돋움체", 11, ""), 0);
    // 11 points are 3.88 mm; a Latin letter of the coding face is half of that.
    EXPECT_NEAR(TextWidthMm("돋움체", 11, "a"), 11 * 25.4 / 72 / 2, 0.2);
}

class TestForm : public Form {
public:
    static constexpr const char* kName = "frmTest";
    TestForm() : Form(kName) { ++created; }
    void Form_Load() override { ++loads; }
    static inline int created = 0, loads = 0;
};

TEST(FormRuntime, CreatesOneInstanceOnFirstUseAndAgainAfterUnload) {
    TestForm::created = TestForm::loads = 0;
    Forms::Register(TestForm::kName, [] { return new TestForm; });
    EXPECT_FALSE(Forms::IsLoaded("frmTest"));
    TestForm& first = Forms::Get<TestForm>();
    EXPECT_EQ(&Forms::Get("frmTest"), &first);
    EXPECT_EQ(TestForm::loads, 1);
    EXPECT_EQ(first.objectName(), QStringLiteral("frmTest"));
    Forms::Show("frmTest");
    EXPECT_TRUE(first.isVisible());
    Forms::Hide("frmTest");
    EXPECT_FALSE(first.isVisible());

    // A handler may unload its own form: the widget outlives the call.
    auto* button = new QPushButton(&first);
    QObject::connect(button, &QPushButton::clicked, [] { Forms::Unload("frmTest"); });
    button->click();
    EXPECT_FALSE(Forms::IsLoaded("frmTest"));
    Forms::Show("frmTest");
    EXPECT_EQ(TestForm::created, 2);
    EXPECT_EQ(TestForm::loads, 2);
    Forms::Unload("never-loaded");  // nothing happens
    Forms::UnloadAll();
    EXPECT_FALSE(Forms::IsLoaded("frmTest"));
}

// A 10 x 10 mm picture: black left half, white right half.
class HalfPicture : public Picture {
public:
    std::string name() const override { return "half"; }
    double widthMm() const override { return 10; }
    double heightMm() const override { return 10; }
    void draw(QPainter& p, const QRectF& target, const QRectF& source) const override {
        sources.push_back(source);
        p.fillRect(target, Qt::red);
    }
    mutable std::vector<QRectF> sources;
};

TEST(PainterSurface, CountsSourcesFromTheSurfaceOriginLikeDestinations) {
    HalfPicture picture;
    QImage saved = DrawSavedPage([&](ResultSurface& s) {
        s.paintPicture(picture, {20, 40, 10, 10});
        s.paintPicture(picture, {20, 40, 10, 10}, SheetRect{15 + 2, 15 + 3, 4, 5});
    });
    ASSERT_EQ(picture.sources.size(), 2u);
    EXPECT_EQ(picture.sources[0], QRectF(0, 0, 10, 10));
    EXPECT_EQ(picture.sources[1], QRectF(2, 3, 4, 5));
    // Sheet (20, 40) lies 5 mm and 25 mm into the saved window.
    const double px = 96 / 25.4;
    EXPECT_EQ(saved.pixelColor(int(5 * px) + 2, int(25 * px) + 2), QColor(Qt::red));
    EXPECT_EQ(saved.pixelColor(int(5 * px) - 2, int(25 * px) - 2), QColor(Qt::white));
    EXPECT_EQ(saved.size(), QSize(680, 1009));
}

TEST(PainterSurface, PrintsTextWithItsTopLeftCornerAtTheCurrentPosition) {
    QImage page = DrawScreenPage(
        [](ResultSurface& s) {
            s.setFontName("돋움체");
            s.setFontSize(11);
            s.setForeColor(12);
            s.setCurrent(20, 30);
            s.print("HHHH");
        },
        400, 400, 0);
    const double px = 96 / 25.4;
    int top = page.height(), left = page.width();
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).red() > 200 && page.pixelColor(x, y).green() < 100) {
                top = std::min(top, y);
                left = std::min(left, x);
            }
    EXPECT_NEAR(left, 20 * px, 3);
    EXPECT_GE(top, int(30 * px));         // below the current position
    EXPECT_LE(top, int(30 * px) + 8);     // within the line's ascent
}

}  // namespace
}  // namespace vt
