#pragma once
// Pictures that hold a drawn page: the preview's page on screen and the
// off-screen page that result files are written from.

#include <QImage>

#include "platform/ResultSurface.h"
#include "platform/Units.h"

namespace vt {

// The saved window of the sheet: 15..195 x 15..282 millimetres, the size of
// 10205 x 15137 twips at 96 dots per inch.
inline constexpr double kSaveOriginMm = 15;
inline constexpr int kSaveWidthPx = TwipsToPixels(10205);
inline constexpr int kSaveHeightPx = TwipsToPixels(15137);

// Fills the sheet white and draws the page as the saved image shows it.
QImage DrawSavedPage(const PageProcedure& page);

// Fills the sheet white and draws the page on screen at its real size,
// `widthPx` x `heightPx` pixels, the sheet's y `scrollTopMm` at the top edge.
QImage DrawScreenPage(const PageProcedure& page, int widthPx, int heightPx, double scrollTopMm);

}  // namespace vt
