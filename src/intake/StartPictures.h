#pragma once
// The start form's two pictures, drawn by the program itself.

#include <QPixmap>

namespace vt {

// The banner across the upper part of the start form, 900 x 283 pixels.
QPixmap StartBanner();
// The form's background, of the given size.
QPixmap StartBackground(const QSize& size);

}  // namespace vt
