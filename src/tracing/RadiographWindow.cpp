#include "tracing/RadiographWindow.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/Units.h"

namespace vt {

namespace {

// A radiograph pixel is 15 picture units (twips), as a screen pixel is.
constexpr double kPixelsPerPictureMm = kScreenPixelsPerMm;

bool Finite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

// The first pixel column (or row) at or before picture millimetre `mm`, one
// more for the smoothing's neighbours, within the image's `size`.
int PixelBefore(double mm, double pixelsPerMm, int size) {
    return static_cast<int>(std::clamp(std::floor(mm * pixelsPerMm) - 1, 0.0, static_cast<double>(size)));
}
int PixelAfter(double mm, double pixelsPerMm, int size) {
    return static_cast<int>(std::clamp(std::ceil(mm * pixelsPerMm) + 1, 0.0, static_cast<double>(size)));
}

// Draws the picture millimetres `sourceMm` of `image` (`perMmX` x `perMmY`
// pixels per picture millimetre, counted from its corner) onto `target`.
// Only whole pixels are handed to the painter: the pixels that cover the
// source go into the rectangle they cover at the target's scale, and the
// caller's clip (the target) cuts off what lies beyond. A fractional source
// rectangle would be rounded to whole pixels by the PDF and printer output,
// shifting the picture by up to half a pixel.
void DrawPlaced(QPainter& painter,
                const QRectF& target,
                const QRectF& sourceMm,
                const QImage& image,
                double perMmX,
                double perMmY) {
    // A calibration far out of range leaves nothing sensible to draw.
    if (!Finite(target) || !Finite(sourceMm) || !(sourceMm.width() > 0) || !(sourceMm.height() > 0)) return;
    if (!std::isfinite(perMmX) || !std::isfinite(perMmY) || !(perMmX > 0) || !(perMmY > 0)) return;
    const double scaleX = target.width() / sourceMm.width();  // device pixels per picture millimetre
    const double scaleY = target.height() / sourceMm.height();
    const int left = PixelBefore(sourceMm.left(), perMmX, image.width());
    const int right = PixelAfter(sourceMm.right(), perMmX, image.width());
    const int top = PixelBefore(sourceMm.top(), perMmY, image.height());
    const int bottom = PixelAfter(sourceMm.bottom(), perMmY, image.height());
    if (right <= left || bottom <= top) return;  // the source lies beside the picture
    const QRectF placed(target.x() + (left / perMmX - sourceMm.x()) * scaleX,
                        target.y() + (top / perMmY - sourceMm.y()) * scaleY,
                        (right - left) / perMmX * scaleX,
                        (bottom - top) / perMmY * scaleY);
    if (!Finite(placed)) return;
    painter.drawImage(placed, image, QRect(left, top, right - left, bottom - top));
}

}  // namespace

RadiographWindow::RadiographWindow(QImage radiograph, const SheetRect& windowMm, double pixelsPerMm)
    : radiograph_(std::move(radiograph)), windowMm_(windowMm) {
    if (radiograph_.isNull()) return;
    const int w = std::max(1, static_cast<int>(std::lround(kRadiographSheetRect.width * pixelsPerMm)));
    const int h = std::max(1, static_cast<int>(std::lround(kRadiographSheetRect.height * pixelsPerMm)));
    cut_ = QImage(w, h, QImage::Format_RGB32);
    cut_.fill(Qt::white);
    QPainter p(&cut_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    DrawPlaced(p,
               QRectF(0, 0, w, h),
               QRectF(windowMm.left, windowMm.top, windowMm.width, windowMm.height),
               radiograph_,
               kPixelsPerPictureMm,
               kPixelsPerPictureMm);
}

double RadiographWindow::widthMm() const { return radiograph_.width() / kPixelsPerPictureMm; }
double RadiographWindow::heightMm() const { return radiograph_.height() / kPixelsPerPictureMm; }

void RadiographWindow::draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const {
    if (radiograph_.isNull()) return;
    // The cut spans the window in whole pixels, so its pixels are a hair
    // apart from the screen's: drawing it is a smooth resample that lands
    // at the exact sub-pixel place, not a copy put to the nearest pixel.
    const double cutPerMmX = cut_.width() / windowMm_.width;  // cut pixels per picture millimetre
    const double cutPerMmY = cut_.height() / windowMm_.height;
    const double devicePerMm = target.width() / sourceMm.width();
    const QRectF inWindow = sourceMm.translated(-windowMm_.left, -windowMm_.top);
    const bool withinCut = inWindow.x() > -1e-6 && inWindow.y() > -1e-6 && inWindow.right() < windowMm_.width + 1e-6 &&
                           inWindow.bottom() < windowMm_.height + 1e-6;
    if (withinCut && devicePerMm < 1.5 * cutPerMmX) {
        DrawPlaced(painter, target, inWindow, cut_, cutPerMmX, cutPerMmY);
        return;
    }
    // A finer device, or a source outside the window: from the radiograph.
    DrawPlaced(painter, target, sourceMm, radiograph_, kPixelsPerPictureMm, kPixelsPerPictureMm);
}

}  // namespace vt
