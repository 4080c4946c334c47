#include "platform/PngWriter.h"

#include <QIODevice>
#include <QImage>

#include <png.h>

#include <csetjmp>
#include <vector>

namespace vt {
namespace {

constexpr int kCompressionLevel = 1;

// libpng hands over a few bytes at a time (each chunk's length, type, data
// and check sum apart); they reach the device in large checked writes. After
// the first failed write nothing more is written.
class Sink {
public:
    explicit Sink(QIODevice& device) : device_(device) { buffer_.reserve(kCapacity); }

    void put(const unsigned char* data, std::size_t length) {
        if (failed_) return;
        if (buffer_.size() + length > kCapacity && !flush()) return;
        if (length >= kCapacity) {
            write(data, length);
            return;
        }
        buffer_.insert(buffer_.end(), data, data + length);
    }

    bool flush() {
        if (!buffer_.empty()) write(buffer_.data(), buffer_.size());
        buffer_.clear();
        return !failed_;
    }

    bool failed() const { return failed_; }

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    void write(const unsigned char* data, std::size_t length) {
        const auto size = static_cast<qint64>(length);
        if (device_.write(reinterpret_cast<const char*>(data), size) != size) failed_ = true;
    }

    QIODevice& device_;
    std::vector<unsigned char> buffer_;
    bool failed_ = false;
};

// The picture as PNG samples, row by row: R G B, or R G B A not premultiplied.
// Qt converts a whole page several times faster than a loop over its pixels.
QImage Samples(const QImage& picture) {
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
}

void WriteBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<Sink*>(png_get_io_ptr(png))->put(data, length);
}

void FlushNothing(png_structp) {}  // the sink writes its rest when the file is done

// libpng's own errors end the encoding at the setjmp in Encode; its warnings
// concern nothing we write.
[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

int FilterFlag(PngFilter filter) {
    switch (filter) {
        case PngFilter::Sub: return PNG_FILTER_SUB;
        case PngFilter::Up: return PNG_FILTER_UP;
        case PngFilter::None: break;
    }
    return PNG_FILTER_NONE;
}

// An error jumps back into this frame, across libpng's own frames only:
// everything that owns memory lives in the caller, and nothing set here is
// read after the jump.
bool Encode(png_structp png, png_infop info, const QImage& samples, Sink& sink, PngFilter filter) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &sink, &WriteBytes, &FlushNothing);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, FilterFlag(filter));
    png_set_IHDR(png,
                 info,
                 png_uint_32(samples.width()),
                 png_uint_32(samples.height()),
                 8,
                 samples.hasAlphaChannel() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE,
                 PNG_FILTER_TYPE_BASE);
    if (samples.dotsPerMeterX() > 0 || samples.dotsPerMeterY() > 0)
        png_set_pHYs(png,
                     info,
                     png_uint_32(samples.dotsPerMeterX()),
                     png_uint_32(samples.dotsPerMeterY()),
                     PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < samples.height(); ++y) {
        if (sink.failed()) return false;
        png_write_row(png, samples.constScanLine(y));
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

bool WritePng(const QImage& picture, QIODevice& device, PngFilter filter) {
    if (picture.isNull()) return false;
    const QImage samples = Samples(picture);
    if (samples.isNull()) return false;  // no memory for the conversion
    Sink sink(device);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &OnError, &OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    const bool encoded = info && Encode(png, info, samples, sink, filter);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return encoded && sink.flush();
}

}  // namespace vt
