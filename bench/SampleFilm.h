#pragma once
// Radiographs as the clinician opens them: grey JPEGs of 4000 x 3000 pixels
// (12 megapixels) that Qt decodes into 8-bit grey pictures. The grained film
// has the contrast of a lateral head film (dark air, soft tissue, a bright
// cranial rim and jaw) and a film's grain, about 2 MB at quality 90; the
// flat film is the same shading without grain, which decodes fastest and so
// leaves the least room for the work around the decode.

#include <QImage>
#include <QString>

namespace bench {

enum class Film { Grained, Flat };

// The file, written once per process into a temporary folder.
const QString& FilmJpeg(Film film);
inline const QString& GreyFilmJpeg() { return FilmJpeg(Film::Grained); }

// The grained file as the program reads it (Format_Grayscale8).
QImage GreyFilm();

}  // namespace bench
