// The image-file writer: format by ending in any case, nothing written otherwise; GIF's colours and limits.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include "platform/GifWriter.h"
#include "platform/ImageWriter.h"

namespace vt {
namespace {

// Largest channel difference over the given points, or over every pixel; 999 when the sizes differ.
int WorstChannelError(const QImage& a, const QImage& b, std::vector<QPoint> points = {}) {
    if (a.size() != b.size()) return 999;
    for (int i = 0, all = points.empty() ? a.width() * a.height() : 0; i < all; ++i)
        points.emplace_back(i % a.width(), i / a.width());
    int worst = 0;
    for (const QPoint at : points)
        for (int shift : {16, 8, 0})
            worst = std::max(worst, std::abs(int(a.pixel(at) >> shift & 0xff) - int(b.pixel(at) >> shift & 0xff)));
    return worst;
}

class ImageWriterTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QTemporaryDir dir;
};

TEST_F(ImageWriterTest, EveryEndingInAnyCaseDecodesAsItsFormat) {
    const struct {
        const char *name, *format;
        int tolerance;
    } cases[] = {{"a.png", "png", 0},
                 {"b.GiF", "gif", 0},
                 {"c.JPG", "jpeg", 40},
                 {"d.jpeg", "jpeg", 40},
                 {"e.TIF", "tiff", 0},
                 {"f.tiff", "tiff", 0},
                 {"g.bmp", "bmp", 0},
                 {"환자 7.PNG", "png", 0}};
    // White paper with a black, a blue and a red box.
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 20; ++y)
            picture.setPixel(x, y, x < 20 ? qRgb(0, 0, 0) : x < 40 ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
    for (const auto& c : cases) {
        ASSERT_TRUE(SaveBitmapAs(picture, path(c.name))) << c.name;
        QImageReader reader(QString::fromStdString(path(c.name)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(c.format)) << c.name;
        EXPECT_LE(WorstChannelError(reader.read(), picture, {{10, 10}, {30, 10}, {50, 10}, {30, 30}}), c.tolerance)
            << c.name;
    }
    EXPECT_EQ(files().size(), std::size(cases));  // no temporary files left
}

TEST_F(ImageWriterTest, OtherEndingsANullPictureAndAMissingFolderWriteNothing) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (const char* name : {"page.txt", "page", "page.", "page.WMF", "page.png.txt", "page.png ", "missing/page.png"})
        EXPECT_FALSE(SaveBitmapAs(picture, path(name))) << name;
    EXPECT_FALSE(SaveBitmapAs(QImage(), path("page.png")));
    EXPECT_TRUE(files().isEmpty()) << files().join(u' ').toStdString();
    // A refused ending leaves a file of that name alone.
    QFile old(QString::fromStdString(path("page.emf")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    EXPECT_FALSE(SaveBitmapAs(picture, path("page.emf")));
    EXPECT_EQ(old.size(), 3);
}

QImage GifWrittenAndRead(const QImage& picture) {
    QBuffer buffer;
    return buffer.open(QIODevice::WriteOnly) && WriteGif(picture, buffer) ? QImage::fromData(buffer.data(), "GIF")
                                                                          : QImage();
}

TEST(GifWriter, KeepsTheColoursAndRefusesWhatGifCannotHold) {
    for (int count : {1, 256}) {  // `count` different colours, one per pixel
        QImage picture(16, 16, QImage::Format_RGB32);
        for (int i = 0; i < 256; ++i) picture.setPixel(i % 16, i / 16, qRgb(i % count, (i % count * 7) % 256, 9));
        EXPECT_EQ(WorstChannelError(GifWrittenAndRead(picture), picture), 0) << count;
    }
    // A full grey ramp under a red tracing line and blue text: 258 colours.
    QImage picture(256, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, y == 10 ? qRgb(255, 0, 0) : y == 30 ? qRgb(0, 0, 255) : qRgb(x, x, x));
    EXPECT_EQ(IndexTo256Colors(picture).palette.size(), 256u);
    const QImage decoded = GifWrittenAndRead(picture);
    EXPECT_LE(WorstChannelError(decoded, picture), 2);
    EXPECT_EQ(std::pair(decoded.pixel(100, 10), decoded.pixel(100, 30)), std::pair(qRgb(255, 0, 0), qRgb(0, 0, 255)));
    QBuffer buffer;
    QImage tooWide(65536, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::white);
    EXPECT_FALSE(!buffer.open(QIODevice::WriteOnly) || WriteGif(QImage(), buffer) || WriteGif(tooWide, buffer) ||
                 !buffer.data().isEmpty());
    EXPECT_EQ(GifWrittenAndRead(tooWide.copy(0, 0, 65535, 1)).width(), 65535);
    QBuffer closed;  // not opened: every write fails
    EXPECT_FALSE(WriteGif(tooWide.copy(0, 0, 10, 1), closed));
}

}  // namespace
}  // namespace vt
