#include "platform/ImageWriter.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <array>

#include "platform/GifWriter.h"
#include "platform/PngWriter.h"
#include "platform/Seams.h"
#include "platform/WholeFile.h"

namespace vt {
namespace {

constexpr std::array<ImageEnding, 9> kEndings{{
    {".png", "image/png"},
    {".gif", "image/gif"},
    {".jpg", "image/jpeg"},
    {".jpeg", "image/jpeg"},
    {".tif", "image/tiff"},
    {".tiff", "image/tiff"},
    {".bmp", "image/bmp"},
    {".emf", "image/x-emf"},
    {".wmf", "image/x-wmf"},
}};

// The encoders there are. EMF and WMF are vector formats nobody encodes.
enum class Coder { Png, Gif, Qt };
struct Encoder {
    std::string_view mimeType;
    Coder coder;
    const char* qtFormat;  // the Qt format that writes it, or that writes deep PNG
    bool keepsAlpha;
};

constexpr std::array<Encoder, 5> kEncoders{{
    {"image/png", Coder::Png, "png", true},
    {"image/gif", Coder::Gif, nullptr, false},
    {"image/jpeg", Coder::Qt, "jpeg", false},
    {"image/tiff", Coder::Qt, "tiff", true},
    {"image/bmp", Coder::Qt, "bmp", false},
}};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()), [](char a, char b) {
        return Lower(a) == Lower(b);
    });
}

const Encoder* FindEncoder(std::string_view mimeType) {
    for (const Encoder& encoder : kEncoders)
        if (encoder.mimeType == mimeType) return &encoder;
    return nullptr;
}

// Formats without alpha would show transparent parts in arbitrary colours;
// pages lie on white paper.
QImage OnWhite(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

// Pictures of 16 bits a channel.
bool IsDeep(const QImage& picture) { return picture.format() == QImage::Format_Grayscale16 || picture.depth() >= 64; }

bool Encode(const QImage& picture, const Encoder& encoder, QIODevice& file) {
    const QImage image = encoder.keepsAlpha ? picture : OnWhite(picture);
    if (encoder.coder == Coder::Gif) return WriteGif(image, file);
    // Pages are flat colours on white: compression level 1 with one fixed row
    // filter writes them in about a fifth of the time of Qt's writer, which
    // tries every filter on every row. Deep pictures keep Qt's 16-bit samples.
    if (encoder.coder == Coder::Png && !IsDeep(image)) return WritePng(image, file);
    QImageWriter writer(&file, encoder.qtFormat);
    return writer.write(image);
}

}  // namespace

std::span<const ImageEnding> ImageEndings() { return kEndings; }

std::optional<std::string> MimeTypeForPath(std::string_view path) {
    for (const ImageEnding& e : kEndings)
        if (EndsWithIgnoringCase(path, e.ending)) return std::string(e.mimeType);
    return std::nullopt;
}

namespace {

bool WriteBitmap(const QImage& picture, const std::string& path) {
    const std::optional<std::string> mimeType = MimeTypeForPath(path);
    if (!mimeType || picture.isNull() || CurrentSeams().imageEncodingFails) return false;
    const Encoder* encoder = FindEncoder(*mimeType);
    if (!encoder) return false;
    if (encoder->coder == Coder::Qt && !QImageWriter::supportedImageFormats().contains(encoder->qtFormat)) return false;

    // Encoded straight into a new file that replaces the target only when
    // it is whole: a failure leaves no file and never a half-written one.
    return WriteWholeFile(QString::fromStdString(path),
                          [&](QIODevice& file) { return Encode(picture, *encoder, file); });
}

}  // namespace

bool SaveBitmapAs(const QImage& picture, const std::string& path) {
    const bool written = WriteBitmap(picture, path);
    if (CurrentSeams().imageWritten) CurrentSeams().imageWritten(path, written);
    return written;
}

}  // namespace vt
