// The tooth outlines as pasted: opaque, and with an outline that keeps its
// width at any stretch.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "model/ToothOutlines.h"
#include "platform/PainterSurface.h"

namespace vt {
namespace {

// One outline pasted on a red sheet, 10 pixels to the millimetre.
QImage Paint(ToothPic id, const SheetRect& rect) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    PainterSurface surface(painter, 0, 0, 10);
    surface.paintPicture(ToothOutline(id), rect, std::nullopt);
    return image;
}

bool Dark(QRgb c) { return qGray(c) < 128; }

TEST(ModelToothOutlines, PasteIsOpaqueWithABlackOutline) {
    for (ToothPic id : kAllToothPics) {
        const QImage image = Paint(id, {5, 5, 9, 18});
        int dark = 0, uncovered = 0;
        for (int y = 51; y < 229; ++y)
            for (int x = 51; x < 139; ++x) {
                dark += Dark(image.pixel(x, y));
                uncovered += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 100;
            }
        EXPECT_EQ(uncovered, 0) << ToothPicName(id);
        EXPECT_GT(dark, 100) << ToothPicName(id);
        EXPECT_EQ(image.pixel(45, 100), qRgb(255, 0, 0));  // nothing outside is touched
        EXPECT_EQ(image.pixel(145, 100), qRgb(255, 0, 0));
    }
}

// The outline's width where a row through the roots crosses it.
TEST(ModelToothOutlines, OutlineWidthDoesNotGrowWithTheStretch) {
    for (double width : {6.0, 36.0}) {
        const QImage image = Paint(ToothPic::Mx6, {2, 5, width, 18});
        int longest = 0, run = 0;
        for (int x = 21; x < 20 + int(width * 10) - 1; ++x)
            longest = std::max(longest, run = Dark(image.pixel(x, 90)) ? run + 1 : 0);
        EXPECT_GT(longest, 0) << width;
        EXPECT_LE(longest, 3) << width;
    }
}

}  // namespace
}  // namespace vt
