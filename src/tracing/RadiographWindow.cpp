#include "tracing/RadiographWindow.h"

#include <QPainter>
#include <cmath>

#include "platform/Units.h"

namespace vt {

namespace {

// A radiograph pixel is 15 picture units (twips), as a screen pixel is.
constexpr double kPixelsPerPictureMm = kScreenPixelsPerMm;

QRectF PictureMmToPixels(const QRectF& mm) {
    return {mm.x() * kPixelsPerPictureMm,
            mm.y() * kPixelsPerPictureMm,
            mm.width() * kPixelsPerPictureMm,
            mm.height() * kPixelsPerPictureMm};
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
    p.drawImage(QRectF(0, 0, w, h),
                radiograph_,
                PictureMmToPixels({windowMm.left, windowMm.top, windowMm.width, windowMm.height}));
}

double RadiographWindow::widthMm() const { return radiograph_.width() / kPixelsPerPictureMm; }
double RadiographWindow::heightMm() const { return radiograph_.height() / kPixelsPerPictureMm; }

void RadiographWindow::draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const {
    if (radiograph_.isNull()) return;
    const double cutPerMm = cut_.width() / windowMm_.width;  // cut pixels per picture millimetre
    const double devicePerMm = target.width() / sourceMm.width();
    const QRectF inWindow(
        sourceMm.x() - windowMm_.left, sourceMm.y() - windowMm_.top, sourceMm.width(), sourceMm.height());
    const bool withinCut = inWindow.x() > -1e-6 && inWindow.y() > -1e-6 && inWindow.right() < windowMm_.width + 1e-6 &&
                           inWindow.bottom() < windowMm_.height + 1e-6;
    if (withinCut && devicePerMm < 1.5 * cutPerMm) {
        painter.drawImage(target,
                          cut_,
                          {inWindow.x() * cutPerMm,
                           inWindow.y() * cutPerMm,
                           inWindow.width() * cutPerMm,
                           inWindow.height() * cutPerMm});
        return;
    }
    // A finer device, or a source outside the window: from the radiograph.
    painter.drawImage(target, radiograph_, PictureMmToPixels(sourceMm));
}

}  // namespace vt
