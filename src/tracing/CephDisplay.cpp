#include "tracing/CephDisplay.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/Palette.h"
#include "platform/Units.h"

namespace vt {

namespace {

// A scaled copy larger than this (pixels) is not kept; such a picture is
// scaled while drawing instead, slower but within memory.
constexpr double kMaxScaledPixels = 64.0 * 1024 * 1024;

std::int16_t ButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}

std::int16_t ButtonSum(Qt::MouseButtons buttons) {
    std::int16_t sum = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b) sum = static_cast<std::int16_t>(sum + ButtonNumber(b));
    return sum;
}

// A mouse position in display units from the drawing area's corner; a
// position on the border falls outside the drawing area (ClickMode.h).
QPointF DisplayPosition(const QMouseEvent* event, const QRect& contents) {
    return (event->position() - QPointF(contents.topLeft())) * kTwipsPerPixel;
}

}  // namespace

CephDisplay::CephDisplay(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("picCeph"));
    // The platform's picture box: a two-pixel sunken border.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

float CephDisplay::outerWidth() const { return PixelsToDisplay(width()); }
float CephDisplay::outerHeight() const { return PixelsToDisplay(height()); }

DrawingArea CephDisplay::drawingArea() const {
    const QRect area = contentsRect();
    return {PixelsToDisplay(area.width()), PixelsToDisplay(area.height())};
}

QColor CephDisplay::background() const { return palette().color(QPalette::Button); }

void CephDisplay::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitCanvas();
}

// The drawing follows the drawing area's size, keeping what it shows. A
// hidden widget learns of its size late, so drawing checks it too.
void CephDisplay::fitCanvas() {
    const QSize size = contentsRect().size();
    if (canvas_.size() == size) return;
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(background());
    if (!canvas_.isNull()) {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = std::move(canvas);
}

void CephDisplay::setPicture(const QImage* picture) {
    picture_ = picture;
    scaled_ = QImage();
    scaledZoom_ = 0;
    scaleDirect_ = false;
}

void CephDisplay::clear() {
    fitCanvas();
    canvas_.fill(background());
    update();
}

void CephDisplay::prepareScaled(double zoom) {
    if (scaledZoom_ == zoom) return;
    scaledZoom_ = zoom;
    scaled_ = QImage();
    const double width = std::round(picture_->width() * zoom);
    const double height = std::round(picture_->height() * zoom);
    scaleDirect_ = width * height > kMaxScaledPixels;
    if (scaleDirect_) return;
    scaled_ = picture_->convertToFormat(QImage::Format_RGB32)
                  .scaled(std::max(1, static_cast<int>(width)),
                          std::max(1, static_cast<int>(height)),
                          Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
    scaleDirect_ = scaled_.isNull();
}

void CephDisplay::draw(const View& view, const std::vector<DisplayLine>& lines) {
    if (!picture_ || picture_->isNull() || !(view.Zoom > 0)) return;
    fitCanvas();
    prepareScaled(view.Zoom);
    const float W = PixelsToDisplay(picture_->width());
    const float H = PixelsToDisplay(picture_->height());
    const PictureTarget t = PictureTargetOf(view, W, H);
    const QRectF target(
        DisplayToPixels(t.left), DisplayToPixels(t.top), DisplayToPixels(t.width), DisplayToPixels(t.height));

    const QRect drawn =
        scaleDirect_
            ? target.toAlignedRect()
            : QRect(QPoint(static_cast<int>(std::lround(target.left())), static_cast<int>(std::lround(target.top()))),
                    scaled_.size());
    QPainter painter(&canvas_);
    // Clear what the picture does not cover, so nothing drawn there before
    // (a mark past the picture's edge) stays behind.
    const QRect covered = drawn.intersected(canvas_.rect());
    const QColor back = background();
    if (covered.isEmpty()) painter.fillRect(canvas_.rect(), back);
    painter.fillRect(QRect(covered.right() + 1, 0, canvas_.width(), canvas_.height()), back);
    painter.fillRect(QRect(0, covered.bottom() + 1, canvas_.width(), canvas_.height()), back);
    painter.fillRect(QRect(0, 0, covered.left(), canvas_.height()), back);
    painter.fillRect(QRect(0, 0, canvas_.width(), covered.top()), back);

    if (scaleDirect_) {
        painter.drawImage(target, *picture_);
    } else {
        painter.drawImage(drawn.topLeft(), scaled_);
    }

    const Rgb red = PaletteColor(12);
    QPen pen(QColor(red.r, red.g, red.b));
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (const DisplayLine& l : lines)
        painter.drawLine(
            QLineF(DisplayToPixels(l.x1), DisplayToPixels(l.y1), DisplayToPixels(l.x2), DisplayToPixels(l.y2)));
    painter.end();
    update();
}

void CephDisplay::setPointer(PointerShape shape) {
    switch (shape) {
        case PointerShape::Arrow: setCursor(Qt::ArrowCursor); break;
        case PointerShape::Crosshair: setCursor(Qt::CrossCursor); break;
        case PointerShape::FourWay: setCursor(Qt::SizeAllCursor); break;
    }
}

void CephDisplay::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), canvas_);
}

void CephDisplay::mousePressEvent(QMouseEvent* event) {
    const QPointF p = DisplayPosition(event, contentsRect());
    emit mouseDown(ButtonNumber(event->button()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CephDisplay::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = DisplayPosition(event, contentsRect());
    emit mouseMove(ButtonSum(event->buttons()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CephDisplay::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = DisplayPosition(event, contentsRect());
    emit mouseUp(ButtonNumber(event->button()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

}  // namespace vt
