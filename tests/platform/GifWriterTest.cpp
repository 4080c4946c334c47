// GIF output: up to 256 colours exactly, more reduced to 256 without losing
// the tracing colours on a radiograph; what GIF cannot hold is refused.
#include "platform/GifWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace vt {
namespace {

// `count` different colours, one per pixel, 16 to a row.
QImage DistinctColors(int count) {
    QImage picture(16, (count + 15) / 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int i = 0; i < count; ++i) picture.setPixel(i % 16, i / 16, qRgb(i % 256, (i * 7) % 256, i / 256));
    return picture;
}

QImage WrittenAndRead(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteGif(picture, buffer));
    return QImage::fromData(buffer.data(), "GIF");
}

// Largest channel difference; 999 when the sizes differ.
int WorstChannelError(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 999;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

TEST(GifWriter, KeepsUpTo256ColoursExactlyAndReducesMoreTo256) {
    for (int count : {1, 2, 255, 256}) {
        const QImage picture = DistinctColors(count);
        EXPECT_EQ(WorstChannelError(WrittenAndRead(picture), picture), 0) << count;
    }
    for (int count : {257, 4096}) EXPECT_EQ(IndexTo256Colors(DistinctColors(count)).palette.size(), 256u) << count;
}

TEST(GifWriter, RadiographGreysAndTracingColoursSurvive) {
    // A full grey ramp under a red tracing line and blue text: 258 colours.
    QImage picture(256, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 256; ++x) picture.setPixel(x, y, y == 10 ? qRgb(255, 0, 0) : y == 30 ? qRgb(0, 0, 255) : qRgb(x, x, x));
    const QImage decoded = WrittenAndRead(picture);
    EXPECT_LE(WorstChannelError(decoded, picture), 2);
    EXPECT_EQ(decoded.pixel(100, 10), qRgb(255, 0, 0));
    EXPECT_EQ(decoded.pixel(100, 30), qRgb(0, 0, 255));
}

TEST(GifWriter, RefusesWhatGifCannotHoldAndAFailingDevice) {
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
    QBuffer closed;  // not opened: every write fails
    EXPECT_FALSE(WriteGif(DistinctColors(10), closed));
}

}  // namespace
}  // namespace vt
