#include "tracing/Radiograph.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <atomic>
#include <cstring>
#include <string_view>

#include "intake/Session.h"

namespace vt {

namespace {

struct OpenedRadiograph {
    QImage picture;
};

using Bytes = std::span<const std::uint8_t>;

std::uint16_t Le16(Bytes b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); }
std::uint32_t Le32(Bytes b, std::size_t at) { return Le16(b, at) | static_cast<std::uint32_t>(Le16(b, at + 2)) << 16; }

// JPEG markers that the walk needs by name.
constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStuffed = 0x00;  // 0xFF 0x00 is a data byte 0xFF
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr bool IsRestart(std::uint8_t code) { return code >= 0xD0 && code <= 0xD7; }
// Markers that stand alone, without a length: TEM, SOI and the restarts.
constexpr bool StandsAlone(std::uint8_t code) { return code == 0x01 || code == 0xD8 || IsRestart(code); }

bool JpegWhole(Bytes b) {
    const std::size_t n = b.size();
    std::size_t pos = 2;  // past the start-of-image marker
    while (true) {
        // A marker: 0xFF, any number of fill bytes 0xFF, its code. The
        // decoder skips other bytes between segments (and complains).
        while (pos < n && b[pos] != kMarker) ++pos;
        while (pos < n && b[pos] == kMarker) ++pos;
        if (pos >= n) return false;
        const std::uint8_t code = b[pos++];
        if (code == kEndOfImage) return true;
        if (code == kStuffed || StandsAlone(code)) continue;
        if (n - pos < 2) return false;
        const std::size_t length = static_cast<std::size_t>(b[pos] << 8 | b[pos + 1]);
        if (length < 2 || n - pos < length) return false;
        pos += length;
        if (code != kStartOfScan) continue;
        // The scan's coded data runs to the next marker: a 0xFF that is
        // neither a stuffed data byte nor a restart marker.
        while (true) {
            const void* found = std::memchr(b.data() + pos, kMarker, n - pos);
            if (!found) return false;
            pos = static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - b.data());
            if (pos + 1 >= n) return false;
            const std::uint8_t next = b[pos + 1];
            if (next != kStuffed && !IsRestart(next)) break;
            pos += 2;
        }
    }
}

// The size of a GIF colour table that a packed field announces.
std::size_t GifColourTable(std::uint8_t packed) { return (packed & 0x80) ? std::size_t{3} << ((packed & 7) + 1) : 0; }

// Skips a chain of GIF data sub-blocks; false when the file ends before its
// empty terminating block.
bool SkipSubBlocks(Bytes b, std::size_t& pos) {
    while (pos < b.size()) {
        const std::size_t size = b[pos++];
        if (size == 0) return true;
        if (b.size() - pos < size) return false;
        pos += size;
    }
    return false;
}

// The reader reads the first image; it is whole when its last data block is.
bool GifWhole(Bytes b) {
    constexpr std::size_t kScreen = 13;  // signature and logical screen descriptor
    constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C;
    constexpr std::size_t kImageDescriptor = 9;
    if (b.size() < kScreen) return false;
    std::size_t pos = kScreen + GifColourTable(b[10]);
    while (pos < b.size()) {
        const std::uint8_t block = b[pos++];
        if (block == kExtension) {
            if (pos++ >= b.size() || !SkipSubBlocks(b, pos)) return false;
        } else if (block == kImage) {
            if (b.size() - pos < kImageDescriptor) return false;
            pos += kImageDescriptor + GifColourTable(b[pos + kImageDescriptor - 1]);
            ++pos;  // the LZW code size
            return pos < b.size() && SkipSubBlocks(b, pos);
        } else {
            return false;  // the trailer before any image, or no block at all
        }
    }
    return false;
}

// Run-length coded rows from `pos`, of 8 or 4 bits a pixel: whole when the
// code reaches its end-of-bitmap, or, lacking one, the end of its last row.
bool RleWhole(Bytes b, std::uint64_t pos, std::uint64_t height, int bitsPerPixel) {
    std::uint64_t rows = 0;  // ended so far
    while (pos + 2 <= b.size()) {
        const std::uint8_t count = b[pos], code = b[pos + 1];
        pos += 2;
        if (count > 0) continue;  // `count` pixels of one value
        if (code == 0) {
            ++rows;  // end of row
        } else if (code == 1) {
            return true;  // end of bitmap
        } else if (code == 2) {
            if (pos + 2 > b.size()) return false;
            rows += b[pos + 1];  // a move right and down
            pos += 2;
        } else {
            // `code` pixels as they are, padded to a 16-bit boundary
            const std::uint64_t bytes = bitsPerPixel == 8 ? code : (code + 1u) / 2;
            pos += bytes + (bytes & 1);
        }
    }
    return rows >= height;
}

bool BmpWhole(Bytes b) {
    constexpr std::size_t kFileHeader = 14;
    constexpr std::size_t kCoreHeader = 12;  // 16-bit sizes, no compression
    enum : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    if (b.size() < kFileHeader + 4) return false;
    const std::uint64_t pixels = Le32(b, 10);  // where the pixel array starts
    const std::uint32_t header = Le32(b, kFileHeader);
    std::uint64_t width = 0, height = 0;
    std::uint32_t depth = 0, compression = Rgb;
    if (header == kCoreHeader) {
        if (b.size() < kFileHeader + kCoreHeader) return false;
        width = Le16(b, 18), height = Le16(b, 20), depth = Le16(b, 24);
    } else if (header >= 16) {
        const bool compressed = header >= 20;  // the shortest headers stop before the compression
        if (b.size() < kFileHeader + (compressed ? 20 : 16)) return false;
        const auto w = static_cast<std::int32_t>(Le32(b, 18));
        const auto h = static_cast<std::int64_t>(static_cast<std::int32_t>(Le32(b, 22)));
        if (w < 0) return true;  // no picture the decoder reads
        width = static_cast<std::uint64_t>(w);
        height = static_cast<std::uint64_t>(h < 0 ? -h : h);  // negative: rows stored top-down
        depth = Le16(b, 28);
        if (compressed) compression = Le32(b, 30);
    } else {
        return true;  // a header the decoder judges
    }
    switch (compression) {
        case Rgb:
        case BitFields:
        case AlphaBitFields: {
            const std::uint64_t stride = (width * depth + 31) / 32 * 4;  // rows padded to 32 bits
            if (pixels > b.size()) return false;
            return stride == 0 || height <= (b.size() - pixels) / stride;
        }
        case Rle8: return RleWhole(b, pixels, height, 8);
        case Rle4: return RleWhole(b, pixels, height, 4);
        default: return true;  // a compression the decoder judges
    }
}

// What a decoder complains of while it reads: libjpeg, for one, goes on
// after "Corrupt JPEG data: premature end of data segment" and returns a
// picture whose unread part is grey, and Qt only logs the complaint. For the
// read, the decoders' warnings are switched on whatever the logging rules
// say, and the reading thread's warnings are counted instead of logged.
std::atomic<QtMessageHandler> gPreviousHandler{nullptr};
std::atomic<QLoggingCategory::CategoryFilter> gPreviousFilter{nullptr};
thread_local int* tComplaints = nullptr;

bool IsDecoderCategory(const char* name) {
    return std::strncmp(name, "qt.gui.imageio", 14) == 0 || std::strncmp(name, "qt.imageformats", 15) == 0;
}

void KeepDecoderWarnings(QLoggingCategory* category) {
    // Null only while being installed: the other categories keep their state.
    if (const auto previous = gPreviousFilter.load()) previous(category);
    if (IsDecoderCategory(category->categoryName())) category->setEnabled(QtWarningMsg, true);
}

void CountComplaint(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (tComplaints && (type == QtWarningMsg || type == QtCriticalMsg)) {
        ++*tComplaints;
        return;
    }
    if (const QtMessageHandler previous = gPreviousHandler.load()) previous(type, context, text);
}

class DecoderComplaints {
public:
    DecoderComplaints() {
        gPreviousFilter = QLoggingCategory::installFilter(&KeepDecoderWarnings);
        gPreviousHandler = qInstallMessageHandler(&CountComplaint);
        tComplaints = &count_;
    }
    ~DecoderComplaints() {
        tComplaints = nullptr;
        qInstallMessageHandler(gPreviousHandler.load());
        gPreviousHandler = nullptr;
        QLoggingCategory::installFilter(gPreviousFilter.load());
        gPreviousFilter = nullptr;
    }
    DecoderComplaints(const DecoderComplaints&) = delete;
    DecoderComplaints& operator=(const DecoderComplaints&) = delete;
    int count() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace

QImage& Radiograph() { return CurrentSession().record<OpenedRadiograph>().picture; }

bool HoldsWholePicture(Bytes b) {
    auto startsWith = [b](std::string_view magic) {
        return b.size() >= magic.size() && std::memcmp(b.data(), magic.data(), magic.size()) == 0;
    };
    if (startsWith("\xFF\xD8")) return JpegWhole(b);
    if (startsWith("GIF87a") || startsWith("GIF89a")) return GifWhole(b);
    if (startsWith("BM")) return BmpWhole(b);
    return true;
}

QImage ReadRadiograph(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    // A file over twice the largest picture the reader decodes is none it
    // can read: refused unread rather than held in memory.
    const qint64 limit = qint64{QImageReader::allocationLimit()} * 2 * 1024 * 1024;
    if (limit > 0 && file.size() > limit) return {};
    // Read once: the decoder and the check of the file's structure share it.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The contents choose the decoder: film exports and renamed copies often
    // carry another format's ending. The ending is only a hint for contents
    // that no decoder recognises by themselves.
    QByteArray format = QImageReader::imageFormat(&buffer);
    if (format.isEmpty()) format = QFileInfo(fileName).suffix().toLatin1();
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    QImage picture;
    {
        DecoderComplaints complaints;
        picture = reader.read();
        if (complaints.count() > 0) return {};
    }
    const Bytes whole(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    if (picture.isNull() || !HoldsWholePicture(whole)) return {};
    return picture;
}

}  // namespace vt
