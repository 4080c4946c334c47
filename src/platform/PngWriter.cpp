#include "platform/PngWriter.h"

#include <QIODevice>
#include <QImage>

#include <png.h>

#include <csetjmp>
#include <cstring>
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

// The picture's rows as PNG samples: R G B, or R G B A.
class Rows {
public:
    explicit Rows(const QImage& picture)
        : alpha_(picture.hasAlphaChannel()),
          source_(picture.convertToFormat(alpha_ ? QImage::Format_ARGB32 : QImage::Format_RGB32)),
          row_(std::size_t(source_.width()) * channels()) {}

    bool alpha() const { return alpha_; }
    int channels() const { return alpha_ ? 4 : 3; }
    const QImage& source() const { return source_; }

    png_bytep row(int y) {
        const auto* in = reinterpret_cast<const QRgb*>(source_.constScanLine(y));
        unsigned char* out = row_.data();
        const int width = source_.width();
        if (alpha_) {
            for (int x = 0; x < width; ++x, out += 4) {
                const QRgb p = in[x];
                out[0] = qRed(p), out[1] = qGreen(p), out[2] = qBlue(p), out[3] = qAlpha(p);
            }
        } else {
            for (int x = 0; x < width; ++x, out += 3) {
                const QRgb p = in[x];
                out[0] = qRed(p), out[1] = qGreen(p), out[2] = qBlue(p);
            }
        }
        return row_.data();
    }

private:
    bool alpha_;
    QImage source_;
    std::vector<unsigned char> row_;
};

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
bool Encode(png_structp png, png_infop info, Rows& rows, Sink& sink, PngFilter filter) {
    if (setjmp(png_jmpbuf(png))) return false;
    const QImage& source = rows.source();
    png_set_write_fn(png, &sink, &WriteBytes, &FlushNothing);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, FilterFlag(filter));
    png_set_IHDR(png,
                 info,
                 png_uint_32(source.width()),
                 png_uint_32(source.height()),
                 8,
                 rows.alpha() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE,
                 PNG_FILTER_TYPE_BASE);
    if (source.dotsPerMeterX() > 0 || source.dotsPerMeterY() > 0)
        png_set_pHYs(
            png, info, png_uint_32(source.dotsPerMeterX()), png_uint_32(source.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < source.height(); ++y) {
        if (sink.failed()) return false;
        png_write_row(png, rows.row(y));
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

bool WritePng(const QImage& picture, QIODevice& device, PngFilter filter) {
    if (picture.isNull()) return false;
    Rows rows(picture);
    if (rows.source().isNull()) return false;  // no memory for the conversion
    Sink sink(device);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &OnError, &OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    const bool encoded = info && Encode(png, info, rows, sink, filter);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return encoded && sink.flush();
}

}  // namespace vt
