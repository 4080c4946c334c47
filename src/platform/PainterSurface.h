#pragma once
// The result-page surface on a QPainter: the preview's page on screen, the
// off-screen page that is saved as an image, and the printed sheet.

#include <QPainter>
#include <string>

#include "platform/FontNames.h"
#include "platform/ResultSurface.h"
#include "platform/Units.h"

namespace vt {

class PainterSurface : public ResultSurface {
public:
    // Sheet millimetre (x, y) lands on device pixel
    // ((x - originX) * pixelsPerMm, (y - originY) * pixelsPerMm); on screen
    // and in the saved image pixelsPerMm is kScreenPixelsPerMm.
    PainterSurface(QPainter& painter, double originX, double originY, double pixelsPerMm);

    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setFontName(const std::string& name) override { fontName_ = name; }
    void setFontSize(double points) override { fontSize_ = points; }
    void setForeColor(int paletteIndex) override { foreColor_ = paletteIndex; }
    std::string fontName() const override { return fontName_; }
    double fontSize() const override { return fontSize_; }
    int foreColor() const override { return foreColor_; }

    void print(std::string_view text) override;
    double textWidth(std::string_view text) const override;
    void line(double x1, double y1, double x2, double y2) override { line(x1, y1, x2, y2, foreColor_); }
    void line(double x1, double y1, double x2, double y2, int paletteIndex) override;
    void fillBox(double x1, double y1, double x2, double y2, int paletteIndex) override;
    void paintPicture(const Picture& picture, const SheetRect& dest, const std::optional<SheetRect>& source) override;
    double originX() const override { return originX_; }
    double originY() const override { return originY_; }

    // Sheet millimetres to device pixels on this surface.
    QPointF sheetToDevice(double x, double y) const;

private:
    QPainter& painter_;
    double originX_, originY_, pixelsPerMm_;
    double x_ = 0, y_ = 0;
    std::string fontName_ = kFormFace;
    double fontSize_ = 9;
    int foreColor_ = 0;
};

}  // namespace vt
