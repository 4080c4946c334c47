#pragma once
// The radiograph opened on the digitizing form, kept in memory from the
// moment it is opened: the tracing pages paint it from here and nothing
// reads its file again. Empty until an image is opened for the session's
// patient.

#include <QImage>
#include <cstdint>
#include <span>

namespace vt {

// The picture at full size, as read from its file (stored orientation).
// Its size in picture units is its pixel size times kTwipsPerPixel (15).
QImage& Radiograph();

// Reads a picture file at its stored orientation (no EXIF rotation), with
// the decoder its contents call for whatever its name's ending, in the
// format that decoder gives; null when the file is not a picture, cannot be
// read, is too large to hold, or was read only in part: a decoder that
// complained while reading (corrupt data, a premature end), or a file that
// holds less than its own structure promises (HoldsWholePicture).
QImage ReadRadiograph(const QString& fileName);

// Whether a file's bytes hold all that their structure promises, for the
// formats whose decoders return a partial picture without failing:
// - JPEG: the markers, segment by segment and scan by scan, up to the
//   end-of-image marker;
// - GIF: the blocks up to the end of the first image's data;
// - BMP: the whole pixel array that the header's size and depth promise,
//   or the run-length code up to its end (or its last row).
// Other contents are left to their decoder (true).
bool HoldsWholePicture(std::span<const std::uint8_t> bytes);

}  // namespace vt
