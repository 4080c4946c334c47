#pragma once
// GIF output through giflib, since Qt reads GIF but cannot write it.

#include <QRgb>
#include <cstdint>
#include <vector>

class QImage;
class QIODevice;

namespace vt {

// A picture reduced to at most 256 colours: one palette index per pixel,
// row by row.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> indexes;
};

// Keeps every colour when there are 256 or fewer; otherwise cuts the colour
// space at pixel-weighted medians into 256 boxes, each shown by its mean.
// Alpha is ignored: the caller flattens transparent pictures first.
IndexedPicture IndexTo256Colors(const QImage& picture);

// Writes `picture` as a single-frame GIF to an open device. False when the
// picture is null, wider or taller than GIF allows, or a write fails.
bool WriteGif(const QImage& picture, QIODevice& device);

}  // namespace vt
