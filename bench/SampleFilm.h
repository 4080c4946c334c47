#pragma once
// A radiograph as the clinician opens one: a grey JPEG of 4000 x 3000 pixels
// (12 megapixels) with soft bone-like shading and film grain, which Qt
// decodes into an 8-bit grey picture.

#include <QImage>
#include <QString>

namespace bench {

// The file, written once per process into a temporary folder.
const QString& GreyFilmJpeg();

// The file as the program reads it (Format_Grayscale8).
QImage GreyFilm();

}  // namespace bench
