// The tooth outlines as pasted: opaque, filling their pictures so that the
// teeth of a set-up row touch, and with an outline that keeps its width at
// any stretch.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <tuple>

#include "model/ToothOutlines.h"
#include "model/VirtualSetup.h"
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

// Set-up [1] of the male mean widths in a normal arch, each row painted
// alone: no column along its crowns is empty, so every tooth touches its
// neighbours, the incisor too (its picture overlaps the canine's by about
// 0.5 mm above, 2.4 mm below).
TEST(ModelToothOutlines, TeethOfASetupRowTouchTheirNeighbours) {
    ModelRecord m;
    m.U1 = 8.6, m.U2 = 7.1, m.U3 = 8.1, m.U4 = 7.4, m.U5 = 6.9, m.U6 = 10.4f;
    m.L1 = 5.4, m.L2 = 6.1, m.L3 = 7.2, m.L4 = 7.2, m.L5 = 7.1, m.L6 = 11.4f;
    const VirtualSetups setups = PlanVirtualSetups(m);
    // Crown bands, sheet y 188..196.5 above and 195.5..204 below.
    for (const auto& [upper, firstRow, lastRow] : {std::tuple{true, 280, 365}, std::tuple{false, 355, 440}}) {
        QImage image(1000, 500, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface surface(painter, 30, 160, 10);
        for (const SetupPaste& p : setups.setups[0].pastes)
            if (IsUpper(p.picture) == upper) surface.paintPicture(ToothOutline(p.picture), p.rect, std::nullopt);
        painter.end();
        std::string columns;  // '#' where the column has ink
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = firstRow; y <= lastRow; ++y) ink = ink || qGray(image.pixel(x, y)) < 200;
            columns += ink ? '#' : ' ';
        }
        const std::string row = columns.substr(columns.find('#'), columns.rfind('#') - columns.find('#') + 1);
        EXPECT_GT(row.size(), 450u);  // molar to incisor
        EXPECT_EQ(row.find("   "), std::string::npos) << (upper ? "upper" : "lower");
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
