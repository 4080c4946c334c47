// The tooth outlines: one picture per tooth under its box name, shapes that
// fill their pictures so that neighbours touch, the cusps and roots that make
// each tooth recognisable, and an opaque paste with a thin outline.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "model/ToothOutlines.h"
#include "model/ToothShapes.h"
#include "platform/PainterSurface.h"

namespace vt {
namespace {

TEST(ModelToothOutlines, OnePicturePerToothUnderItsBoxName) {
    for (ToothPic id : kAllToothPics) {
        EXPECT_EQ(ToothOutline(id).name(), ToothPicName(id));
        EXPECT_EQ(ToothOutlineNamed(ToothPicName(id)), &ToothOutline(id));
        EXPECT_FALSE(ToothOutline(id).isEmpty());
        EXPECT_EQ(ToothOutline(id).widthMm(), ToothShapeOf(id).width);
    }
    EXPECT_EQ(ToothOutlineNamed("picMx2"), nullptr);
    EXPECT_EQ(ToothOutlineNamed("picTemp"), nullptr);
}

// Points of an outline that stand out from both neighbours along the closed
// outline: `below` counts local minima of v (cusp tips towards the occlusal
// line), otherwise local maxima (root apices).
int Extremes(const ToothShape& shape, bool below, double limit) {
    const auto& p = shape.outline;
    const int n = static_cast<int>(p.size());
    int count = 0;
    for (int i = 0; i < n; ++i) {
        const double v = p[i].v, a = p[(i + n - 1) % n].v, b = p[(i + 1) % n].v;
        if (below ? (v < a && v < b && v <= limit) : (v > a && v > b && v >= limit)) ++count;
    }
    return count;
}

TEST(ModelToothOutlines, ShapesFillTheirPictures) {
    for (ToothPic id : kAllToothPics) {
        const ToothShape& s = ToothShapeOf(id);
        SCOPED_TRACE(ToothPicName(id));
        double minX = 1e9, maxX = -1e9, minV = 1e9, maxV = -1e9;
        for (const OutlinePoint& p : s.outline) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minV = std::min(minV, p.v), maxV = std::max(maxV, p.v);
        }
        EXPECT_EQ(minV, 0);         // crown reaches the occlusal line
        EXPECT_EQ(maxV, s.height);  // root reaches the far edge
        EXPECT_EQ(maxX, s.width);   // mesial contact, or the incisor's labial face
        const bool incisor = id == ToothPic::Mx1 || id == ToothPic::Mn1;
        if (!incisor) EXPECT_EQ(minX, 0);  // distal contact
        EXPECT_GE(minX, 0);
        ASSERT_GE(s.cejStart, 0);
        ASSERT_LT(s.cejEnd, static_cast<int>(s.outline.size()));
        EXPECT_TRUE(s.outline[s.cejStart].sharp && s.outline[s.cejEnd].sharp);
    }
}

TEST(ModelToothOutlines, CuspsAndRootsOfEachTooth) {
    using P = ToothPic;
    struct Expect {
        P id;
        int cusps, roots;  // an incisor's chisel edge counts as its cusp
    };
    const Expect expects[] = {
        {P::Mx3, 1, 1}, {P::Mn3, 1, 1}, {P::Mx4, 1, 2}, {P::Mx5, 1, 1}, {P::Mn4, 1, 1}, {P::Mn5, 2, 1},
        {P::Mx6, 2, 2}, {P::Mx7, 2, 2}, {P::Mn6, 3, 2}, {P::Mn7, 2, 2}, {P::Mx1, 1, 1}, {P::Mn1, 1, 1},
    };
    for (const Expect& e : expects) {
        const ToothShape& s = ToothShapeOf(e.id);
        EXPECT_EQ(Extremes(s, true, 1.0), e.cusps) << ToothPicName(e.id);
        EXPECT_EQ(Extremes(s, false, s.height - 1.5), e.roots) << ToothPicName(e.id);
    }
    // The canines have the longest roots of their jaw.
    for (ToothPic id : kAllToothPics)
        EXPECT_LE(ToothShapeOf(id).height, ToothShapeOf(IsUpper(id) ? P::Mx3 : P::Mn3).height) << ToothPicName(id);
}

// Paints one outline on a red sheet and returns the image.
QImage Paint(ToothPic id, const SheetRect& rect, double pxPerMm) {
    QImage image(int(40 * pxPerMm), int(30 * pxPerMm), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    PainterSurface surface(painter, 0, 0, pxPerMm);
    surface.paintPicture(ToothOutline(id), rect, std::nullopt);
    return image;
}

bool Dark(QRgb c) { return qGray(c) < 128; }

TEST(ModelToothOutlines, PasteIsOpaqueWithABlackOutline) {
    const double px = 10;
    for (ToothPic id : kAllToothPics) {
        const QImage image = Paint(id, {5, 5, 9, 18}, px);
        int dark = 0, uncovered = 0;
        for (int y = 5 * px + 1; y < 23 * px - 1; ++y)
            for (int x = 5 * px + 1; x < 14 * px - 1; ++x) {
                const QRgb c = image.pixel(x, y);
                if (Dark(c)) ++dark;
                if (qRed(c) > 200 && qGreen(c) < 100) ++uncovered;
            }
        EXPECT_EQ(uncovered, 0) << ToothPicName(id);
        EXPECT_GT(dark, 100) << ToothPicName(id);
        // Nothing outside the rectangle is touched.
        EXPECT_EQ(image.pixel(int(4.5 * px), int(10 * px)), QColor(Qt::red).rgb());
        EXPECT_EQ(image.pixel(int(14.5 * px), int(10 * px)), QColor(Qt::red).rgb());
    }
}

// Longest run of dark pixels on a row between two columns: the outline's
// width where it crosses.
int LongestDarkRun(const QImage& image, int y, int fromX, int toX) {
    int best = 0, run = 0;
    for (int x = fromX; x < toX; ++x) {
        run = Dark(image.pixel(x, y)) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

TEST(ModelToothOutlines, OutlineWidthDoesNotGrowWithTheStretch) {
    const double px = 10;
    const QImage narrow = Paint(ToothPic::Mx6, {2, 5, 6, 18}, px);
    const QImage wide = Paint(ToothPic::Mx6, {2, 5, 36, 18}, px);
    // A row through the roots, where the outline crosses steeply.
    const int y = int(9 * px);
    EXPECT_GT(LongestDarkRun(narrow, y, int(2 * px) + 1, int(8 * px) - 1), 0);
    EXPECT_LE(LongestDarkRun(narrow, y, int(2 * px) + 1, int(8 * px) - 1), 3);
    EXPECT_GT(LongestDarkRun(wide, y, int(2 * px) + 1, int(38 * px) - 1), 0);
    EXPECT_LE(LongestDarkRun(wide, y, int(2 * px) + 1, int(38 * px) - 1), 3);
}

}  // namespace
}  // namespace vt
