#pragma once
// The radiograph opened on the digitizing form, kept in memory from the
// moment it is opened: the tracing pages paint it from here and nothing
// reads its file again. Empty until an image is opened for the session's
// patient.

#include <QImage>

namespace vt {

// The picture at full size, as read from its file (stored orientation).
// Its size in picture units is its pixel size times kTwipsPerPixel (15).
QImage& Radiograph();

// Reads a picture file at its stored orientation (no EXIF rotation); null
// when the file is not a picture, cannot be read or is too large to hold.
QImage ReadRadiograph(const QString& fileName);

}  // namespace vt
