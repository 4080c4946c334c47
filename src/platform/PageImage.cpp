#include "platform/PageImage.h"

#include <QPainter>

#include "platform/PainterSurface.h"
#include "platform/Units.h"

namespace vt {

namespace {

QImage DrawPage(const PageProcedure& page, int widthPx, int heightPx, double originX, double originY) {
    QImage image(widthPx, heightPx, QImage::Format_RGB32);
    image.setDotsPerMeterX(kScreenDotsPerMetre);
    image.setDotsPerMeterY(kScreenDotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, originX, originY, kScreenPixelsPerMm);
    FillSheetWhite(surface);
    if (page) page(surface);
    return image;
}

}  // namespace

QImage DrawSavedPage(const PageProcedure& page) {
    return DrawPage(page, kSaveWidthPx, kSaveHeightPx, kSaveOriginMm, kSaveOriginMm);
}

QImage DrawScreenPage(const PageProcedure& page, int widthPx, int heightPx, double scrollTopMm) {
    return DrawPage(page, widthPx, heightPx, 0, scrollTopMm);
}

}  // namespace vt
