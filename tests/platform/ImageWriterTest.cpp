// The image-file writer: format by ending in any case, nothing written otherwise; PNG's pixels; GIF's colours and
// limits.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include "platform/GifWriter.h"
#include "platform/ImageWriter.h"
#include "platform/PageImage.h"
#include "platform/ResultSurface.h"

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

// "same", or the first pixel that differs. Compared as 8-bit ARGB, or as 16-bit RGBA when either picture is deep,
// so that every sample of both counts, the colour of a transparent pixel too.
std::string PixelDifference(const QImage& written, const QImage& picture) {
    if (written.size() != picture.size())
        return "size " + std::to_string(written.width()) + "x" + std::to_string(written.height());
    const bool deep = written.depth() >= 64 || picture.depth() >= 64 || written.format() == QImage::Format_Grayscale16;
    const QImage::Format common = deep ? QImage::Format_RGBA64 : QImage::Format_ARGB32;
    const QImage a = written.convertToFormat(common), b = picture.convertToFormat(common);
    const int bytes = deep ? 8 : 4;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::memcmp(a.constScanLine(y) + x * bytes, b.constScanLine(y) + x * bytes, bytes) != 0) {
                std::string at = "(";
                return ((at += std::to_string(x)) += ", ") += std::to_string(y) + ") " + std::to_string(a.pixel(x, y)) +
                                                              " for " + std::to_string(b.pixel(x, y));
            }
    return "same";
}

// A page as the program writes it: text, lines and boxes in the palette's colours on white.
QImage SamplePage() {
    return DrawSavedPage([](ResultSurface& s) {
        s.setFontName("돋움");
        s.setFontSize(10);
        for (int row = 0; row < 40; ++row) {
            s.setForeColor(row % 16);
            s.printAt(20, 20 + row * 6, "Veltrane 결과 " + std::to_string(row * 37));
            s.line(20, 25 + row * 6, 190, 25 + row * 6, (row + 3) % 16);
        }
        s.fillBox(30, 268, 120, 278, 12);
    });
}

// Every pixel of a different colour; alpha from transparent to opaque when the format has it.
QImage Varied(int width, int height, QImage::Format format) {
    QImage picture(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgba(x * 37 + 5, y * 53 + 11, (x * y * 29 + 200) % 256, (x * 41 + y * 97) % 256));
    return picture;
}

QImage WithResolution(QImage picture, int dotsPerMeterX, int dotsPerMeterY) {
    picture.setDotsPerMeterX(dotsPerMeterX);
    picture.setDotsPerMeterY(dotsPerMeterY);
    return picture;
}

QImage Premultiplied() {
    QImage picture(9, 4, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(200, 100, 50, 128));
    picture.setPixel(3, 2, qRgba(0, 0, 0, 0));
    return picture;
}

// Samples that 8 bits cannot hold.
QImage Deep(QImage::Format format) {
    QImage picture(5, 3, format);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixelColor(x, y, QColor::fromRgba64(0x1234 + x * 0x0101, 0xabcd - y * 3, 0x8001, 0x7ffe + x));
    return picture;
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

TEST_F(ImageWriterTest, PngDecodesToThePicturesOwnPixelsAndResolution) {
    const struct {
        const char* name;
        QImage picture;
        QImage::Format decoded;  // 8-bit RGB unless the picture has alpha or 16-bit samples
    } cases[] = {
        {.name = "page", .picture = SamplePage(), .decoded = QImage::Format_RGB32},
        {.name = "1x1", .picture = Varied(1, 1, QImage::Format_RGB32), .decoded = QImage::Format_RGB32},
        {.name = "7 wide",
         .picture = WithResolution(Varied(7, 5, QImage::Format_RGB32), 2000, 3000),
         .decoded = QImage::Format_RGB32},
        {.name = "alpha", .picture = Varied(13, 7, QImage::Format_ARGB32), .decoded = QImage::Format_ARGB32},
        {.name = "alpha 1x1", .picture = Varied(1, 1, QImage::Format_ARGB32), .decoded = QImage::Format_ARGB32},
        {.name = "premultiplied", .picture = Premultiplied(), .decoded = QImage::Format_ARGB32},
        {.name = "grey", .picture = Varied(6, 2, QImage::Format_Grayscale8), .decoded = QImage::Format_RGB32},
        {.name = "RGB888", .picture = Varied(5, 3, QImage::Format_RGB888), .decoded = QImage::Format_RGB32},
        {.name = "16-bit", .picture = Deep(QImage::Format_RGBA64), .decoded = QImage::Format_RGBA64},
        {.name = "16-bit grey", .picture = Deep(QImage::Format_Grayscale16), .decoded = QImage::Format_Grayscale16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = path((std::string(c.name) + ".png").c_str());
        ASSERT_TRUE(SaveBitmapAs(c.picture, file));
        const QImage written(QString::fromStdString(file));
        EXPECT_EQ(written.format(), c.decoded);
        EXPECT_EQ(PixelDifference(written, c.picture), "same");
        EXPECT_EQ(std::pair(written.dotsPerMeterX(), written.dotsPerMeterY()),
                  std::pair(c.picture.dotsPerMeterX(), c.picture.dotsPerMeterY()));
    }
}

TEST_F(ImageWriterTest, OtherEndingsANullPictureAndAMissingFolderWriteNothing) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (const char* name : {"page.txt", "page", "page.", "page.WMF", "page.png.txt", "page.png ", "missing/page.png"})
        EXPECT_FALSE(SaveBitmapAs(picture, path(name))) << name;
    EXPECT_FALSE(SaveBitmapAs(QImage(), path("page.png")));
    // Wider than libpng writes: its own error ends the encoding.
    QImage tooWide(1000001, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::white);
    EXPECT_FALSE(SaveBitmapAs(tooWide, path("wide.png")));
    EXPECT_TRUE(files().isEmpty()) << files().join(u' ').toStdString();
    // A refused ending leaves a file of that name alone.
    QFile old(QString::fromStdString(path("page.emf")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly)) << "page.emf";
    ASSERT_EQ(old.write("old"), 3) << "page.emf";
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
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly)) << "memory buffer opened";
    EXPECT_FALSE(WriteGif(QImage(), buffer)) << "a null picture written as GIF";
    EXPECT_FALSE(WriteGif(tooWide, buffer)) << "a picture 65536 pixels wide written as GIF";
    EXPECT_EQ(buffer.data().size(), 0) << "bytes written for refused pictures";
    EXPECT_EQ(GifWrittenAndRead(tooWide.copy(0, 0, 65535, 1)).width(), 65535);
    QBuffer closed;  // not opened: every write fails
    EXPECT_FALSE(WriteGif(tooWide.copy(0, 0, 10, 1), closed));
}

}  // namespace
}  // namespace vt
