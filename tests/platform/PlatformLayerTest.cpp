// Fonts and text widths, mnemonic captions, the painter surface's placement and the printed sheet.
#include <gtest/gtest.h>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/PageImage.h"
#include "platform/Palette.h"
#include "platform/Picture.h"
#include "platform/Printer.h"
#include "platform/Seams.h"
#include "platform/TextMetrics.h"

namespace vt {
namespace {

constexpr double kPx = 96 / 25.4;  // screen pixels per millimetre

TEST(Fonts, ProgramFacesAreTheInstalledKoreanFontsMeasuredDeviceFree) {
    EXPECT_EQ(QFontInfo(FormFont(12)).family(), QStringLiteral("NanumGothic"));
    EXPECT_EQ(QFontInfo(QFont(MappedFamily("돋움체"))).family(), QStringLiteral("NanumGothicCoding"));
    const double a = TextWidthMm("돋움체", 11, "a");
    EXPECT_NEAR(a, 11 * 25.4 / 72 / 2, 0.2);  // half of 11 points in the coding face
    EXPECT_NEAR(TextWidthMm("돋움체", 22, "a") + TextWidthMm("돋움체", 11, "WWWW"), 6 * a, 1e-9);
    EXPECT_NEAR(TextWidthMm("돋움체", 11, "가"), 2 * a, 0.05);
}

TEST(FormControls, MnemonicCaptionsUnderlineAndEscape) {
    EXPECT_EQ(MnemonicRichText(QStringLiteral("&1 / SN")), QStringLiteral("<u>1</u> / SN"));
    EXPECT_EQ(MnemonicRichText(QStringLiteral("a && b<&")), QStringLiteral("a &amp; b&lt;&amp;"));
}

// The colours the pages name by index in the standard 16-colour palette.
TEST(Palette, ThePagesColoursByIndex) {
    const struct {
        int index;
        Rgb rgb;
    } rows[] = {{0, {0, 0, 0}}, {9, {0, 0, 255}}, {12, {255, 0, 0}}, {15, {255, 255, 255}}};
    for (const auto& row : rows) {
        const Rgb c = PaletteColor(row.index);
        EXPECT_EQ(std::tuple(int(c.r), int(c.g), int(c.b)), std::tuple(int(row.rgb.r), int(row.rgb.g), int(row.rgb.b)))
            << "colour " << row.index;
    }
}

struct RedPicture : Picture {  // 10 x 10 mm, remembers its source rectangles
    std::string name() const override { return "red"; }
    double widthMm() const override { return 10; }
    double heightMm() const override { return 10; }
    void draw(QPainter& p, const QRectF& target, const QRectF& source) const override {
        sources.push_back(source), p.fillRect(target, Qt::red);
    }
    mutable std::vector<QRectF> sources;
};

// The saved page shows the sheet from (15, 15) mm; text hangs below its position.
TEST(PainterSurface, SavedPagePlacesPicturesAndTextFromItsOrigin) {
    RedPicture picture;
    const QImage saved = DrawSavedPage([&](ResultSurface& s) {
        s.paintPicture(picture, {20, 40, 10, 10});
        s.paintPicture(picture, {20, 40, 10, 10}, SheetRect{15 + 2, 15 + 3, 4, 5});
        s.setFontName("돋움체"), s.setFontSize(11), s.setForeColor(12), s.printAt(115, 115, "HHHH");
    });
    // The second source is counted from the picture's own corner.
    EXPECT_EQ(picture.sources, std::vector<QRectF>({QRectF(0, 0, 10, 10), QRectF(2, 3, 4, 5)}));
    EXPECT_EQ(saved.size(), QSize(680, 1009));
    EXPECT_EQ(std::pair(saved.pixelColor(int(5 * kPx) + 2, int(25 * kPx) + 2),
                        saved.pixelColor(int(5 * kPx) - 2, int(25 * kPx) - 2)),
              std::pair(QColor(Qt::red), QColor(Qt::white)));
    QRect ink;  // the red text, below the picture
    for (int y = int(90 * kPx); y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            if (saved.pixelColor(x, y).red() > 200 && saved.pixelColor(x, y).green() < 100) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.left(), 100 * kPx, 3);
    EXPECT_NEAR(ink.top(), int(100 * kPx) + 4, 4);  // below the current position, within the line's ascent
}

struct LineMm {
    double x1, y1, x2, y2;
};

// The lines ("x y m x y l") of every page stream, through its "a b c d e f cm", in mm from the top `topPt` points high.
std::vector<LineMm> PrintedLines(const QByteArray& pdf, double topPt) {
    std::vector<LineMm> lines;
    const QString n = QStringLiteral(R"((-?[\d.]+))");
    const QRegularExpression cm(QStringList(6, n).join(u' ') + QStringLiteral(" cm"));
    const QRegularExpression segment(n + u' ' + n + QStringLiteral(" m\\s+") + n + u' ' + n + QStringLiteral(" l"));
    constexpr double kMmPerPt = 25.4 / 72;
    for (qsizetype at = 0; (at = pdf.indexOf("stream\n", at)) >= 0;) {
        const qsizetype end = pdf.indexOf("endstream", at);
        // Qt deflates each stream; qUncompress wants a size hint in front and grows past it.
        const QString content =
            QString::fromLatin1(qUncompress(QByteArray("\x00\x01\x00\x00", 4) + pdf.mid(at + 7, end - at - 7)));
        at = end;
        const auto m = cm.match(content);
        if (!m.hasMatch()) continue;
        const double a = m.captured(1).toDouble(), d = m.captured(4).toDouble(), e = m.captured(5).toDouble(),
                     f = m.captured(6).toDouble();
        for (auto it = segment.globalMatch(content, m.capturedEnd()); it.hasNext();) {
            const auto s = it.next();
            const auto x = [&](int i) { return (a * s.captured(i).toDouble() + e) * kMmPerPt; };
            const auto y = [&](int i) { return (topPt - (d * s.captured(i).toDouble() + f)) * kMmPerPt; };
            lines.push_back({x(1), y(2), x(3), y(4)});
        }
    }
    return lines;
}

// Printed to a file: one A4 portrait page, each line at its millimetres from the sheet's corner.
TEST(Printer, LinesLandAtTheirMillimetresOnOneA4Sheet) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    SeamsGuard seams;
    CurrentSeams().printToFile = pdf;
    const LineMm drawn[] = {{10, 275, 190, 275}, {190, 20, 190, 275}, {0.5, 1, 209.5, 296}};
    ASSERT_TRUE(PrintPage([&](ResultSurface& s) {
        for (const LineMm& l : drawn) s.line(l.x1, l.y1, l.x2, l.y2, 9);
    }));
    CurrentSeams().printToFile.clear();
    QFile file(pdf);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    const auto box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])")).match(QString::fromLatin1(bytes));
    ASSERT_TRUE(box.hasMatch()) << "no media box";
    ASSERT_LT(std::abs(box.captured(1).toDouble() - 595), 1) << "not A4 portrait: " << box.captured(0).toStdString();
    const std::vector<LineMm> printed = PrintedLines(bytes, box.captured(2).toDouble());
    ASSERT_EQ(printed.size(), std::size(drawn));
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const LineMm &p = printed[i], &d = drawn[i];
        EXPECT_LE(
            std::max({std::abs(p.x1 - d.x1), std::abs(p.y1 - d.y1), std::abs(p.x2 - d.x2), std::abs(p.y2 - d.y2)}),
            0.01)
            << i << ": (" << p.x1 << ", " << p.y1 << ") to (" << p.x2 << ", " << p.y2 << ")";
    }
}

}  // namespace
}  // namespace vt
