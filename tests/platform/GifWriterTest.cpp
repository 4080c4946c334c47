#include "platform/GifWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace vt {
namespace {

// `count` different colours, one per pixel in a row of `width`.
QImage DistinctColors(int count, int width) {
    QImage picture(width, (count + width - 1) / width, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int i = 0; i < count; ++i) picture.setPixel(i % width, i / width, qRgb(i % 256, (i * 7) % 256, i / 256));
    return picture;
}

std::set<QRgb> ColorsOf(const QImage& picture) {
    std::set<QRgb> colors;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) colors.insert(picture.pixel(x, y));
    return colors;
}

QImage WrittenAndRead(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteGif(picture, buffer));
    return QImage::fromData(buffer.data(), "GIF");
}

int WorstChannelError(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

TEST(GifWriterTest, UpTo256ColoursAreKeptExactly) {
    for (int count : {1, 2, 3, 255, 256}) {
        const QImage picture = DistinctColors(count, 16);
        const std::size_t colors = ColorsOf(picture).size();  // the white filler may add one
        const IndexedPicture indexed = IndexTo256Colors(picture);
        EXPECT_EQ(indexed.palette.size(), colors) << count;
        const QImage decoded = WrittenAndRead(picture);
        ASSERT_EQ(decoded.size(), picture.size()) << count;
        EXPECT_EQ(WorstChannelError(decoded, picture), 0) << count;
    }
}

TEST(GifWriterTest, MoreColoursAreReducedTo256) {
    for (int count : {257, 300, 4096}) {
        const QImage picture = DistinctColors(count, 64);
        const IndexedPicture indexed = IndexTo256Colors(picture);
        EXPECT_EQ(indexed.palette.size(), 256u) << count;
        ASSERT_EQ(indexed.indexes.size(), std::size_t(picture.width() * picture.height()));
        EXPECT_LE(ColorsOf(WrittenAndRead(picture)).size(), 256u) << count;
    }
}

TEST(GifWriterTest, SmoothGradientStaysClose) {
    QImage picture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) picture.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    EXPECT_LE(WorstChannelError(WrittenAndRead(picture), picture), 8);
}

TEST(GifWriterTest, RadiographGreysAndTracingColoursSurvive) {
    // A full grey ramp under red tracing lines and blue text: 258 colours.
    QImage picture(256, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 256; ++x) picture.setPixel(x, y, qRgb(x, x, x));
    for (int x = 0; x < 256; ++x) picture.setPixel(x, 10, qRgb(255, 0, 0));
    for (int x = 0; x < 256; ++x) picture.setPixel(x, 30, qRgb(0, 0, 255));
    const QImage decoded = WrittenAndRead(picture);
    EXPECT_LE(WorstChannelError(decoded, picture), 2);
    EXPECT_EQ(decoded.pixel(100, 10), qRgb(255, 0, 0));
    EXPECT_EQ(decoded.pixel(100, 30), qRgb(0, 0, 255));
}

TEST(GifWriterTest, RefusesWhatGifCannotHold) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(WriteGif(QImage(), buffer));
    QImage tooWide(65536, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::white);
    EXPECT_FALSE(WriteGif(tooWide, buffer));
    EXPECT_TRUE(buffer.data().isEmpty());
    QImage widest(65535, 1, QImage::Format_RGB32);
    widest.fill(Qt::white);
    EXPECT_EQ(WrittenAndRead(widest).width(), 65535);
}

TEST(GifWriterTest, FailingDeviceFails) {
    QBuffer buffer;  // not opened: every write fails
    EXPECT_FALSE(WriteGif(DistinctColors(10, 10), buffer));
}

}  // namespace
}  // namespace vt
