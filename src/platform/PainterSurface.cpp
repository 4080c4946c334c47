#include "platform/PainterSurface.h"

#include <QColor>
#include <QFontMetricsF>
#include <algorithm>

#include "platform/Palette.h"
#include "platform/Picture.h"
#include "platform/TextMetrics.h"

namespace vt {

namespace {

QColor ToQColor(int paletteIndex) {
    const Rgb c = PaletteColor(paletteIndex);
    return QColor(c.r, c.g, c.b);
}

// One pixel of a 96 dpi screen, so lines look alike on screen and paper.
constexpr double kLineWidthMm = kMmPerScreenPixel;

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, double originX, double originY, double pixelsPerMm)
    : painter_(painter), originX_(originX), originY_(originY), pixelsPerMm_(pixelsPerMm) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPointF PainterSurface::sheetToDevice(double x, double y) const {
    return {(x - originX_) * pixelsPerMm_, (y - originY_) * pixelsPerMm_};
}

void PainterSurface::print(std::string_view text) {
    if (text.empty()) return;
    const QFont font = DesignFont(fontName_);
    const double scale = DesignScaleMm(fontSize_) * pixelsPerMm_;
    painter_.save();
    painter_.translate(sheetToDevice(x_, y_));
    painter_.scale(scale, scale);
    painter_.setFont(font);
    painter_.setPen(ToQColor(foreColor_));
    const QFontMetricsF metrics(font);
    painter_.drawText(QPointF(0, metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    painter_.restore();
}

double PainterSurface::textWidth(std::string_view text) const { return TextWidthMm(fontName_, fontSize_, text); }

void PainterSurface::line(double x1, double y1, double x2, double y2, int paletteIndex) {
    QPen pen(ToQColor(paletteIndex));
    pen.setWidthF(std::max(1.0, kLineWidthMm * pixelsPerMm_));
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(sheetToDevice(x1, y1), sheetToDevice(x2, y2));
}

void PainterSurface::fillBox(double x1, double y1, double x2, double y2, int paletteIndex) {
    painter_.fillRect(QRectF(sheetToDevice(x1, y1), sheetToDevice(x2, y2)).normalized(), ToQColor(paletteIndex));
}

void PainterSurface::paintPicture(const Picture& picture,
                                  const SheetRect& dest,
                                  const std::optional<SheetRect>& source) {
    if (picture.isEmpty()) return;
    const QRectF target(sheetToDevice(dest.left, dest.top),
                        QSizeF(dest.width * pixelsPerMm_, dest.height * pixelsPerMm_));
    // Source positions count from this surface's origin, like destinations.
    const QRectF sourceMm = source
                                ? QRectF(source->left - originX_, source->top - originY_, source->width, source->height)
                                : QRectF(0, 0, picture.widthMm(), picture.heightMm());
    painter_.save();
    painter_.setClipRect(target, Qt::IntersectClip);
    picture.draw(painter_, target, sourceMm);
    painter_.restore();
}

}  // namespace vt
