#include "tracing/RadiographPicture.h"

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

// Draws the picture millimetres `sourceMm` of `image` (`perMm` pixels per
// picture millimetre, counted from its corner) onto `target`.
// Only whole pixels are handed to the painter: the pixels that cover the
// source go into the rectangle they cover at the target's scale, and the
// caller's clip (the target) cuts off what lies beyond. A fractional source
// rectangle would be rounded to whole pixels by the PDF and printer output,
// shifting the picture by up to half a pixel.
void DrawPlaced(QPainter& painter, const QRectF& target, const QRectF& sourceMm, const QImage& image, double perMm) {
    // A calibration far out of range leaves nothing sensible to draw.
    if (!Finite(target) || !Finite(sourceMm) || !(sourceMm.width() > 0) || !(sourceMm.height() > 0)) return;
    const double scaleX = target.width() / sourceMm.width();  // device pixels per picture millimetre
    const double scaleY = target.height() / sourceMm.height();
    const int left = PixelBefore(sourceMm.left(), perMm, image.width());
    const int right = PixelAfter(sourceMm.right(), perMm, image.width());
    const int top = PixelBefore(sourceMm.top(), perMm, image.height());
    const int bottom = PixelAfter(sourceMm.bottom(), perMm, image.height());
    if (right <= left || bottom <= top) return;  // the source lies beside the picture
    const QRectF placed(target.x() + (left / perMm - sourceMm.x()) * scaleX,
                        target.y() + (top / perMm - sourceMm.y()) * scaleY,
                        (right - left) / perMm * scaleX,
                        (bottom - top) / perMm * scaleY);
    if (!Finite(placed)) return;
    painter.drawImage(placed, image, QRect(left, top, right - left, bottom - top));
}

}  // namespace

double RadiographPicture::widthMm() const { return radiograph_.width() / kPixelsPerPictureMm; }
double RadiographPicture::heightMm() const { return radiograph_.height() / kPixelsPerPictureMm; }

void RadiographPicture::draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const {
    if (!radiograph_.isNull()) DrawPlaced(painter, target, sourceMm, radiograph_, kPixelsPerPictureMm);
}

}  // namespace vt
