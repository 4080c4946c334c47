#pragma once
// The radiograph as tracing page 1 paints it: the page asks for the window
// of 170 x 210 mm of anatomy from 50 mm left of and above Sella, life-size
// on the sheet. Every device (screen, saved page, printer) is drawn from the
// radiograph itself in whole film pixels, resampled once, so the film lands
// within a hundredth of a millimetre of its life-size place on each.

#include <QImage>

#include "platform/Picture.h"

namespace vt {

class RadiographPicture : public Picture {
public:
    // Shares the picture with the digitizing form; nothing is copied.
    explicit RadiographPicture(QImage radiograph) : radiograph_(std::move(radiograph)) {}

    std::string name() const override { return "picTemp"; }
    double widthMm() const override;
    double heightMm() const override;
    bool isEmpty() const override { return radiograph_.isNull(); }
    // Where the source reaches beyond the radiograph nothing is drawn: the
    // sheet stays white there.
    void draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const override;

private:
    QImage radiograph_;
};

}  // namespace vt
