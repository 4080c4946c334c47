#pragma once
// The cephalogram display `picCeph`: a retained drawing (what was last
// drawn stays until the next drawing, through covering and uncovering),
// the radiograph scaled once for each of the two fits the magnify button
// toggles between and kept (the other fit made in the background once the
// first is painted), and the mouse reported in display units with the
// buttons numbered 1 left, 2 right, 4 middle.

#include <QFrame>
#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "tracing/ClickMode.h"
#include "tracing/RepaintItems.h"
#include "tracing/ViewTransform.h"

namespace vt {

class PictureScaling;

class CephDisplay : public QFrame {
    Q_OBJECT
public:
    explicit CephDisplay(QWidget* parent);
    ~CephDisplay() override;

    // Outer size (border included) in twips, as single-precision numbers.
    float outerWidth() const;
    float outerHeight() const;
    // The drawing area inside the border, in display units.
    DrawingArea drawingArea() const;

    // The picture that repaints show; drops the scaled copies of the last one.
    void setPicture(const QImage* picture);
    // Wipes the drawing to the background.
    void clear();
    // The picture at `view`, the display outside it cleared, then `lines`
    // over it in light red. Without a picture nothing is drawn.
    void draw(const View& view, const std::vector<DisplayLine>& lines);
    void setPointer(PointerShape shape);

    // The retained drawing, in device pixels of the drawing area.
    const QImage& drawing() const;

signals:
    void mouseDown(std::int16_t button, float X, float Y);
    void mouseMove(std::int16_t buttons, float X, float Y);
    void mouseUp(std::int16_t button, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The picture at one zoom, one device pixel per pixel.
    struct Scaled {
        QSize size;                              // empty: none
        std::shared_ptr<PictureScaling> making;  // null when too large to keep
    };

    void fitCanvas();
    void applyClear() const;
    QSize scaledSize(double zoom) const;
    const QImage& scaledFor(double zoom);
    void dropScaled();
    QColor background() const;

    // A clear is carried out when the drawing is next looked at or drawn
    // over in part: a drawing that covers it all makes it moot.
    mutable QImage canvas_;
    mutable bool clearPending_ = false;
    const QImage* picture_ = nullptr;
    // The zoom drawn last and the one the magnify button toggles to.
    std::array<Scaled, 2> scaled_;
    bool backgroundPosted_ = false;  // a start of the background making waits in the event queue
};

}  // namespace vt
