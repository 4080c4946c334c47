#pragma once
// The cephalogram display `picCeph`: a retained drawing (what was last
// drawn stays until the next drawing, through covering and uncovering),
// the radiograph scaled once per zoom, and the mouse reported in display
// units with the buttons numbered 1 left, 2 right, 4 middle.

#include <QFrame>
#include <QImage>
#include <cstdint>
#include <vector>

#include "tracing/ClickMode.h"
#include "tracing/RepaintItems.h"
#include "tracing/ViewTransform.h"

namespace vt {

class CephDisplay : public QFrame {
    Q_OBJECT
public:
    explicit CephDisplay(QWidget* parent);

    // Outer size (border included) in twips, as single-precision numbers.
    float outerWidth() const;
    float outerHeight() const;
    // The drawing area inside the border, in display units.
    DrawingArea drawingArea() const;

    // The picture that repaints show; drops the scaled copy of the last one.
    void setPicture(const QImage* picture);
    // Wipes the drawing to the background.
    void clear();
    // The picture at `view`, the display outside it cleared, then `lines`
    // over it in light red. Without a picture nothing is drawn.
    void draw(const View& view, const std::vector<DisplayLine>& lines);
    void setPointer(PointerShape shape);

    // The retained drawing, in device pixels of the drawing area.
    const QImage& drawing() const { return canvas_; }

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
    void fitCanvas();
    void prepareScaled(double zoom);
    QColor background() const;

    QImage canvas_;
    const QImage* picture_ = nullptr;
    QImage scaled_;             // the picture at scaledZoom_, one device pixel per pixel
    double scaledZoom_ = 0;     // 0: no scaled copy
    bool scaleDirect_ = false;  // the copy would be too large: scale while drawing
};

}  // namespace vt
