#pragma once
// PNG output through libpng, so that we choose the row filter and the
// compression: Qt's writer tries every filter on every row, which is most of
// its time on a page.

class QImage;
class QIODevice;

namespace vt {

// The row filter every row is written with. Pages are flat colours on white,
// long runs that zlib finds on its own; see bench/PngFilterBench.cpp.
enum class PngFilter { None, Sub, Up };
inline constexpr PngFilter kPagePngFilter = PngFilter::None;

// Writes `picture` as a PNG to an open device at compression level 1: 8-bit
// RGB, or RGBA when the picture has alpha, with its resolution. Decodes to
// the same pixels as the picture. False when the picture is null, a write
// fails (nothing more is written after that) or libpng refuses.
bool WritePng(const QImage& picture, QIODevice& device, PngFilter filter = kPagePngFilter);

}  // namespace vt
