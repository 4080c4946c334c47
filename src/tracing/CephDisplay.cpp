#include "tracing/CephDisplay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "platform/Palette.h"
#include "platform/Units.h"
#include "tracing/PictureScaling.h"

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
    if (!canvas_.isNull() && !clearPending_) {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = std::move(canvas);
    clearPending_ = false;
}

CephDisplay::~CephDisplay() { dropScaled(); }

void CephDisplay::setPicture(const QImage* picture) {
    picture_ = picture;
    dropScaled();
}

void CephDisplay::dropScaled() {
    for (Scaled& s : scaled_)
        if (s.making) s.making->abandon();
    scaled_ = {};
}

void CephDisplay::clear() {
    fitCanvas();
    clearPending_ = true;
    update();
}

const QImage& CephDisplay::drawing() const {
    applyClear();
    return canvas_;
}

void CephDisplay::applyClear() const {
    if (!clearPending_) return;
    clearPending_ = false;
    canvas_.fill(background());
}

QSize CephDisplay::scaledSize(double zoom) const {
    return {std::max(1, static_cast<int>(std::round(picture_->width() * zoom))),
            std::max(1, static_cast<int>(std::round(picture_->height() * zoom)))};
}

// The first drawing at a zoom makes the picture at that zoom, and the one at
// the other fit after the next paint, in the background, so that the
// magnify button finds it ready.
const QImage& CephDisplay::scaledFor(double zoom) {
    const QSize size = scaledSize(zoom);
    if (scaled_[1].size == size) std::swap(scaled_[0], scaled_[1]);
    if (scaled_[0].size != size) {
        const DisplaySizes sizes{
            outerWidth(), outerHeight(), PixelsToDisplay(picture_->width()), PixelsToDisplay(picture_->height())};
        const QSize other = scaledSize(ToggledZoom(zoom, sizes));
        const auto making = [this](QSize s) {
            // Too large to keep: scaled while drawing instead.
            const bool keepable = double(s.width()) * s.height() <= kMaxScaledPixels;
            return keepable ? std::make_shared<PictureScaling>(*picture_, s) : nullptr;
        };
        std::array<Scaled, 2> next;
        next[0] = {size, making(size)};
        if (other != size) {
            for (Scaled& s : scaled_)
                if (s.size == other) std::swap(next[1], s);
            if (next[1].size != other) next[1] = {other, making(other)};
        }
        dropScaled();
        scaled_ = std::move(next);
    }
    static const QImage none;
    return scaled_[0].making ? scaled_[0].making->result() : none;
}

void CephDisplay::draw(const View& view, const std::vector<DisplayLine>& lines) {
    if (!picture_ || picture_->isNull() || !(view.Zoom > 0)) return;
    fitCanvas();
    const QImage& scaled = scaledFor(view.Zoom);
    // Too large to keep (or to make): scaled while drawing.
    const bool direct = scaled.isNull();
    const float W = PixelsToDisplay(picture_->width());
    const float H = PixelsToDisplay(picture_->height());
    const PictureTarget t = PictureTargetOf(view, W, H);
    const QRectF target(
        DisplayToPixels(t.left), DisplayToPixels(t.top), DisplayToPixels(t.width), DisplayToPixels(t.height));

    const QRect drawn =
        direct
            ? target.toAlignedRect()
            : QRect(QPoint(static_cast<int>(std::lround(target.left())), static_cast<int>(std::lround(target.top()))),
                    scaled.size());
    // A kept copy covers its whole rectangle; a picture scaled while drawing
    // may leave its edge pixels as they were.
    if (direct) applyClear();
    clearPending_ = false;
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

    if (direct) {
        painter.drawImage(target, *picture_);
    } else {
        painter.drawImage(drawn.topLeft(), scaled);
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
    applyClear();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), canvas_);
    painter.end();
    // Once the view is on the screen, the picture at the other fit.
    if (!backgroundPosted_) {
        backgroundPosted_ = true;
        QTimer::singleShot(0, this, [this] {
            backgroundPosted_ = false;
            for (Scaled& s : scaled_)
                if (s.making) s.making->start(QThreadPool::globalInstance()->maxThreadCount());
        });
    }
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
