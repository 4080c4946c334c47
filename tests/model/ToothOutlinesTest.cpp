// The tooth outlines as pasted: opaque, filling their pictures so that the
// teeth of a set-up row touch, and with an outline that keeps its width at
// any stretch.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <tuple>
#include <vector>

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

// Outline ink, on the red sheet as on white: the red channel dims.
bool Drawn(QRgb c) { return qRed(c) < 200; }

TEST(ModelToothOutlines, EveryOutlineReachesAllFourSidesOfItsPicture) {
    for (ToothPic id : kAllToothPics) {
        // The rectangle spans pixels 50..139 across and 50..229 down.
        const QImage image = Paint(id, {5, 5, 9, 18});
        int left = 400, right = -1, top = 300, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Drawn(image.pixel(x, y)))
                    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
                    bottom = std::max(bottom, y);
        EXPECT_LE(left, 51) << ToothPicName(id);
        EXPECT_GE(right, 138) << ToothPicName(id);
        EXPECT_LE(top, 51) << ToothPicName(id);
        EXPECT_GE(bottom, 228) << ToothPicName(id);
    }
}

// Set-up [1] of the male mean widths in a normal arch, each row painted
// alone: along its crowns no column is empty, so neighbours touch, the
// incisor meeting the canine where their pictures overlap (about 0.5 mm
// above, 2.4 mm below).
TEST(ModelToothOutlines, TeethOfASetupRowTouchTheirNeighbours) {
    ModelRecord m;
    m.U1 = 8.6, m.U2 = 7.1, m.U3 = 8.1, m.U4 = 7.4, m.U5 = 6.9, m.U6 = 10.4f;
    m.L1 = 5.4, m.L2 = 6.1, m.L3 = 7.2, m.L4 = 7.2, m.L5 = 7.1, m.L6 = 11.4f;
    const VirtualSetups setups = PlanVirtualSetups(m);
    // Crown bands in sheet millimetres: upper 188..196.5, lower 195.5..204.
    for (const auto& [upper, firstRow, lastRow] : {std::tuple{true, 280, 365}, std::tuple{false, 355, 440}}) {
        QImage image(1000, 500, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface surface(painter, 30, 160, 10);  // sheet (30, 160) at the corner
        for (const SetupPaste& p : setups.setups[0].pastes)
            if (IsUpper(p.picture) == upper) surface.paintPicture(ToothOutline(p.picture), p.rect, std::nullopt);
        painter.end();

        std::vector<bool> column(image.width(), false);
        for (int x = 0; x < image.width(); ++x)
            for (int y = firstRow; y <= lastRow && !column[x]; ++y) column[x] = Drawn(image.pixel(x, y));
        const auto first = std::find(column.begin(), column.end(), true);
        const auto last = std::find(column.rbegin(), column.rend(), true).base();
        ASSERT_LT(first, last);
        EXPECT_GT(last - first, 450) << upper;  // the whole row, molar to incisor
        int longestGap = 0, gap = 0;
        for (auto it = first; it != last; ++it) longestGap = std::max(longestGap, gap = *it ? 0 : gap + 1);
        EXPECT_LE(longestGap, 2) << (upper ? "upper" : "lower");
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
