#pragma once
// Writes a page picture as an image file whose format follows the ending of
// the file name.

#include <optional>
#include <span>
#include <string>
#include <string_view>

class QImage;

namespace vt {

struct ImageEnding {
    std::string_view ending;    // ".png", lower case
    std::string_view mimeType;  // "image/png"
};

// The known endings in the order they are tried: .png .gif .jpg .jpeg .tif
// .tiff .bmp .emf .wmf. The last two have no encoder and never write.
std::span<const ImageEnding> ImageEndings();

// The MIME type of the first ending that `path` ends with, in any letter case.
std::optional<std::string> MimeTypeForPath(std::string_view path);

// Writes `picture` to `path` (UTF-8, a full path) in the format its ending
// selects, replacing a file of that name only when the new one is whole.
// False, with no new file and an earlier one untouched, for an unknown or
// encoder-less ending, a null picture, a missing or unwritable folder, a
// failed encoding or any failed write (a full disk). The image-writing seams
// (Seams.h) can make every encoding fail and see every write.
bool SaveBitmapAs(const QImage& picture, const std::string& path);

}  // namespace vt
