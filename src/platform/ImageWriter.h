#pragma once
// Writes a page picture as an image file whose format follows the ending of
// the file name. The callers start the image library before writing and shut
// it down afterwards; Qt needs no start-up, so the pair only keeps that
// contract (and lets tests make the start fail).

#include <functional>
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

// Starts the image library; true when it started. Only version 1 exists.
bool StartGdiPlus(int version);
// Shuts the library down when the last start succeeded; the started flag is
// left as it is, so only a new start changes it.
void ShutdownGdiPlus();

// Writes `picture` to `path` (UTF-8, a full path) in the format its ending
// selects, replacing a file of that name only when the new one is whole.
// False, with no new file and an earlier one untouched, for an unknown or
// encoder-less ending, a null picture, a missing or unwritable folder, a
// failed encoding or any failed write (a full disk).
bool SaveBitmapAs(const QImage& picture, const std::string& path);

// The fuzz driver sees every write and whether it succeeded; empty: nobody.
void SetSaveObserver(std::function<void(const std::string& path, bool written)> observer);

// Test seam: an unavailable library makes every start fail.
void SetImageLibraryAvailable(bool available);

struct ImageLibraryState {
    bool started = false;  // the last start succeeded
    int starts = 0;        // calls of StartGdiPlus since the program began
    int shutdowns = 0;     // shut-downs of a started library
};
ImageLibraryState CurrentImageLibraryState();

}  // namespace vt
