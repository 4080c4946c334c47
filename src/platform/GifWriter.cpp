#include "platform/GifWriter.h"

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace vt {
namespace {

constexpr int kMaxColors = 256;
constexpr int kMaxGifSide = 65535;  // sizes are 16-bit in the file

struct ColorCount {
    QRgb color;
    std::uint32_t count;
};

int Channel(QRgb color, int channel) {
    return channel == 0 ? qRed(color) : channel == 1 ? qGreen(color) : qBlue(color);
}

// A run of `entries` that one palette colour stands for.
struct Box {
    std::size_t begin, end;
    int widestChannel = 0;
    int range = 0;
    std::uint64_t pixels = 0;
};

void Measure(Box& box, const std::vector<ColorCount>& entries) {
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    box.pixels = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], Channel(entries[i].color, c));
            high[c] = std::max(high[c], Channel(entries[i].color, c));
        }
        box.pixels += entries[i].count;
    }
    box.range = -1;
    for (int c = 0; c < 3; ++c)
        if (high[c] - low[c] > box.range) box.range = high[c] - low[c], box.widestChannel = c;
}

// Splits the box along its widest channel where half its pixels lie below.
std::pair<Box, Box> Split(const Box& box, std::vector<ColorCount>& entries) {
    const int c = box.widestChannel;
    std::sort(entries.begin() + box.begin, entries.begin() + box.end, [c](const ColorCount& a, const ColorCount& b) {
        return Channel(a.color, c) < Channel(b.color, c);
    });
    std::uint64_t below = 0;
    std::size_t median = box.begin;
    for (; median < box.end - 1; ++median) {
        below += entries[median].count;
        if (2 * below >= box.pixels) break;
    }
    // The median colour goes to the lower half unless it is the last one.
    const std::size_t cut = std::max(median + 1 < box.end ? median + 1 : median, box.begin + 1);
    Box lower{box.begin, cut}, upper{cut, box.end};
    Measure(lower, entries);
    Measure(upper, entries);
    return {lower, upper};
}

QRgb MeanColor(const Box& box, const std::vector<ColorCount>& entries) {
    std::array<std::uint64_t, 3> sum{};
    for (std::size_t i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c) sum[c] += std::uint64_t(Channel(entries[i].color, c)) * entries[i].count;
    const auto mean = [&](int c) { return int((sum[c] + box.pixels / 2) / box.pixels); };
    return qRgb(mean(0), mean(1), mean(2));
}

int WriteToDevice(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(bytes), length));
}

bool Encode(GifFileType* gif, const IndexedPicture& indexed) {
    // giflib wants a power-of-two palette of at least two entries.
    const int bits = GifBitSize(std::max(int(indexed.palette.size()), 2));
    std::vector<GifColorType> colors(std::size_t(1) << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < indexed.palette.size(); ++i)
        colors[i] = {GifByteType(qRed(indexed.palette[i])),
                     GifByteType(qGreen(indexed.palette[i])),
                     GifByteType(qBlue(indexed.palette[i]))};
    ColorMapObject* map = GifMakeMapObject(int(colors.size()), colors.data());
    if (!map) return false;
    bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    GifFreeMapObject(map);
    std::vector<GifPixelType> line(std::size_t(indexed.width));
    for (int y = 0; ok && y < indexed.height; ++y) {
        const auto row = indexed.indexes.begin() + std::ptrdiff_t(y) * indexed.width;
        std::copy(row, row + indexed.width, line.begin());
        ok = EGifPutLine(gif, line.data(), indexed.width) == GIF_OK;
    }
    return ok;
}

}  // namespace

IndexedPicture IndexTo256Colors(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    IndexedPicture indexed{rgb.width(), rgb.height(), {}, {}};

    std::unordered_map<QRgb, std::uint32_t> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++counts[row[x] | 0xff000000u];
    }
    std::vector<ColorCount> entries;
    entries.reserve(counts.size());
    for (const auto& [color, count] : counts) entries.push_back({color, count});
    // The most used colours come first, which also makes the result repeatable.
    std::sort(entries.begin(), entries.end(), [](const ColorCount& a, const ColorCount& b) {
        return a.count != b.count ? a.count > b.count : a.color < b.color;
    });

    std::vector<Box> boxes;
    if (entries.size() <= kMaxColors) {
        for (std::size_t i = 0; i < entries.size(); ++i) boxes.push_back({i, i + 1, 0, 0, entries[i].count});
    } else {
        boxes.push_back({0, entries.size()});
        Measure(boxes.front(), entries);
        while (boxes.size() < kMaxColors) {
            // Cut the box with the widest spread of colour; more pixels break a tie.
            const auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                return a.range != b.range ? a.range < b.range : a.pixels < b.pixels;
            });
            if (widest->range <= 0) break;
            const auto [lower, upper] = Split(*widest, entries);
            *widest = lower;
            boxes.push_back(upper);
        }
    }

    std::unordered_map<QRgb, std::uint8_t> indexOf;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        indexed.palette.push_back(MeanColor(boxes[b], entries));
        for (std::size_t i = boxes[b].begin; i < boxes[b].end; ++i) indexOf[entries[i].color] = std::uint8_t(b);
    }
    indexed.indexes.reserve(std::size_t(rgb.width()) * std::size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) indexed.indexes.push_back(indexOf[row[x] | 0xff000000u]);
    }
    return indexed;
}

bool WriteGif(const QImage& picture, QIODevice& device) {
    if (picture.isNull() || picture.width() > kMaxGifSide || picture.height() > kMaxGifSide) return false;
    const IndexedPicture indexed = IndexTo256Colors(picture);
    int error = 0;
    GifFileType* gif = EGifOpen(&device, WriteToDevice, &error);
    if (!gif) return false;
    const bool encoded = Encode(gif, indexed);
    // Closing writes the trailer and frees the handle, also after a failure.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return encoded && closed;
}

}  // namespace vt
