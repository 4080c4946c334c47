#pragma once
// The part of the radiograph that tracing page 1 shows: 170 x 210 mm of
// anatomy from 50 mm left of and above Sella, life-size on the sheet.
// Cut once per accepted tracing, at the resolution of the saved and
// on-screen pages, so that drawing a page resamples this small cut rather
// than the film; a finer device (the printer) is served from the radiograph
// itself, in whole film pixels. Either way the film lands within a
// hundredth of a millimetre of its life-size place.

#include <QImage>

#include "platform/Picture.h"
#include "platform/ResultSurface.h"
#include "tracing/TracingDrawingPages.h"

namespace vt {

class RadiographWindow : public Picture {
public:
    // Cuts the window (RadiographWindowMm) out of `radiograph` at `pixelsPerMm`
    // of the sheet.
    // Where the window reaches beyond the radiograph it stays white.
    RadiographWindow(QImage radiograph, const SheetRect& windowMm, double pixelsPerMm);

    std::string name() const override { return "picTemp"; }
    double widthMm() const override;
    double heightMm() const override;
    bool isEmpty() const override { return radiograph_.isNull(); }
    void draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const override;

    const QImage& cut() const { return cut_; }

private:
    QImage radiograph_;  // shared with the digitizing form, never copied
    SheetRect windowMm_;
    QImage cut_;
};

}  // namespace vt
