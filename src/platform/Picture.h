#pragma once
// A stored picture that a page can paint: a tooth outline or a radiograph.
// Pages only hand it to the surface; the Qt side knows how to draw it.

#include <string>

class QPainter;
class QRectF;

namespace vt {

class Picture {
public:
    virtual ~Picture() = default;
    // A short name for recordings and messages ("picMx1", "picTemp").
    virtual std::string name() const = 0;
    // Nominal size in millimetres; a source rectangle is taken from it.
    virtual double widthMm() const = 0;
    virtual double heightMm() const = 0;
    virtual bool isEmpty() const { return false; }
    // Draws the part `sourceMm` of the picture (millimetres from its top-left
    // corner) stretched into `target` (painter coordinates). The painter is
    // clipped to `target`, so a picture may draw whole pixels beyond it.
    virtual void draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const = 0;
};

}  // namespace vt
