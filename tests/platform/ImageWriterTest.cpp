#include "platform/ImageWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace vt {
namespace {

// A small page: white paper, black, blue, red and navy boxes, a grey band.
QImage DrawnPicture() {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 20, 20, QColor(0, 0, 0));
    painter.fillRect(20, 0, 20, 20, QColor(0, 0, 255));
    painter.fillRect(40, 0, 20, 20, QColor(255, 0, 0));
    painter.fillRect(0, 20, 20, 20, QColor(0, 0, 128));
    painter.fillRect(40, 20, 20, 20, QColor(128, 128, 128));
    return picture;
}

struct Sample {
    int x, y;
    QRgb color;
};
const Sample kSamples[] = {
    {10, 10, qRgb(0, 0, 0)},     {30, 10, qRgb(0, 0, 255)},     {50, 10, qRgb(255, 0, 0)},
    {10, 30, qRgb(0, 0, 128)},   {30, 30, qRgb(255, 255, 255)}, {50, 30, qRgb(128, 128, 128)},
};

int ChannelError(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class ImageWriterTest : public ::testing::Test {
protected:
    std::string Path(const QString& name) const { return (dir.path() + u'/' + name).toStdString(); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    static QByteArray Contents(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(ImageWriterTest, EndingTableInItsOrder) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {".png", "image/png"},   {".gif", "image/gif"},   {".jpg", "image/jpeg"},
        {".jpeg", "image/jpeg"}, {".tif", "image/tiff"},  {".tiff", "image/tiff"},
        {".bmp", "image/bmp"},   {".emf", "image/x-emf"}, {".wmf", "image/x-wmf"},
    };
    ASSERT_EQ(ImageEndings().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ImageEndings()[i].ending, expected[i].first);
        EXPECT_EQ(ImageEndings()[i].mimeType, expected[i].second);
    }
}

TEST_F(ImageWriterTest, MimeTypeFollowsTheEndingInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:/a/page.png", "image/png"},   {"page.PNG", "image/png"},    {"page.pNg", "image/png"},
        {".png", "image/png"},            {"page.txt.png", "image/png"}, {"page.gif", "image/gif"},
        {"page.JPG", "image/jpeg"},       {"page.jpeg", "image/jpeg"},  {"page.JPEG", "image/jpeg"},
        {"page.tif", "image/tiff"},       {"page.TIFF", "image/tiff"},  {"page.bmp", "image/bmp"},
        {"page.EMF", "image/x-emf"},      {"page.wmf", "image/x-wmf"},  {"환자.png", "image/png"},
        {"page.txt", nullptr},            {"page", nullptr},            {"png", nullptr},
        {"", nullptr},                    {"page.png.txt", nullptr},    {"page.pngx", nullptr},
        {"page.jp", nullptr},             {"page.png ", nullptr},       {"dir.png/", nullptr},
    };
    for (const auto& [path, mime] : cases) {
        const std::optional<std::string> found = MimeTypeForPath(path);
        if (mime) {
            ASSERT_TRUE(found.has_value()) << path;
            EXPECT_EQ(*found, mime) << path;
        } else {
            EXPECT_FALSE(found.has_value()) << path;
        }
    }
}

TEST_F(ImageWriterTest, WritesEveryFormatItsEndingNames) {
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* name;
        const char* format;
        QByteArray magic;
        int tolerance;
    } cases[] = {
        {"a.png", "png", QByteArray("\x89PNG\r\n\x1a\n", 8), 0},
        {"b.PNG", "png", QByteArray("\x89PNG\r\n\x1a\n", 8), 0},
        {"c.Png", "png", QByteArray("\x89PNG\r\n\x1a\n", 8), 0},
        {"d.gif", "gif", QByteArray("GIF8"), 0},
        {"e.GIF", "gif", QByteArray("GIF8"), 0},
        {"f.jpg", "jpeg", QByteArray("\xff\xd8\xff", 3), 40},
        {"g.JPG", "jpeg", QByteArray("\xff\xd8\xff", 3), 40},
        {"h.jpeg", "jpeg", QByteArray("\xff\xd8\xff", 3), 40},
        {"i.JpEg", "jpeg", QByteArray("\xff\xd8\xff", 3), 40},
        {"j.tif", "tiff", QByteArray(), 0},
        {"k.TIF", "tiff", QByteArray(), 0},
        {"l.tiff", "tiff", QByteArray(), 0},
        {"m.TiFF", "tiff", QByteArray(), 0},
        {"n.bmp", "bmp", QByteArray("BM"), 0},
        {"o.BMP", "bmp", QByteArray("BM"), 0},
    };
    const QImage picture = DrawnPicture();
    for (const auto& c : cases) {
        const std::string path = Path(c.name);
        ASSERT_TRUE(SaveBitmapAs(picture, path)) << c.name;
        const QByteArray bytes = Contents(path);
        if (c.magic.isEmpty()) {  // TIFF in either byte order
            EXPECT_TRUE(bytes.startsWith(QByteArray("II*\0", 4)) || bytes.startsWith(QByteArray("MM\0*", 4))) << c.name;
        } else {
            EXPECT_TRUE(bytes.startsWith(c.magic)) << c.name;
        }
        QImageReader reader(QString::fromStdString(path));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(c.format)) << c.name;
        const QImage decoded = reader.read();
        ASSERT_EQ(decoded.size(), picture.size()) << c.name;
        for (const Sample& s : kSamples)
            EXPECT_LE(ChannelError(decoded.pixel(s.x, s.y), s.color), c.tolerance)
                << c.name << " at " << s.x << "," << s.y;
    }
    EXPECT_EQ(Files().size(), std::size(cases));  // no temporary files left
}

TEST_F(ImageWriterTest, UnknownOrEncoderlessEndingsWriteNothing) {
    for (const char* name : {"page.txt", "page", "page.", "page.emf", "page.EMF", "page.wmf", "page.jp"})
        EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path(name))) << name;
    EXPECT_TRUE(Files().isEmpty()) << Files().join(u' ').toStdString();
}

TEST_F(ImageWriterTest, NullPictureWritesNothing) {
    EXPECT_FALSE(SaveBitmapAs(QImage(), Path("page.png")));
    EXPECT_FALSE(SaveBitmapAs(QImage(), Path("page.gif")));
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ImageWriterTest, MissingFolderIsNotCreated) {
    EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path("missing/page.png")));
    EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path("missing/page.gif")));
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ImageWriterTest, AFolderOfThatNameIsNotReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("page.png"));
    EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path("page.png")));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("page.png"))).isDir());
}

TEST_F(ImageWriterTest, ExistingFileIsReplaced) {
    for (const char* name : {"page.png", "page.gif", "page.bmp"}) {
        const std::string path = Path(name);
        QFile old(QString::fromStdString(path));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));  // longer than the image: no old tail may remain
        old.close();
        ASSERT_TRUE(SaveBitmapAs(DrawnPicture(), path)) << name;
        const QImage decoded(QString::fromStdString(path));
        ASSERT_FALSE(decoded.isNull()) << name;
        EXPECT_EQ(decoded.pixel(50, 10), qRgb(255, 0, 0)) << name;
    }
}

TEST_F(ImageWriterTest, RefusedWriteLeavesTheOldFile) {
    const std::string path = Path("page.emf");
    QFile old(QString::fromStdString(path));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), path));
    EXPECT_EQ(Contents(path), QByteArray("old"));
}

TEST_F(ImageWriterTest, KoreanPathsWork) {
    const QString folder = QString::fromUtf8("환자 1234(12.5Y3M)");
    ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
    for (const char* name : {"세팔로.png", "세팔로.gif", "세팔로.jpg", "세팔로.tif", "세팔로.bmp"}) {
        const QString relative = folder + u'/' + QString::fromUtf8(name);
        ASSERT_TRUE(SaveBitmapAs(DrawnPicture(), Path(relative))) << name;
        const QImage decoded(dir.path() + u'/' + relative);
        EXPECT_EQ(decoded.size(), QSize(60, 40)) << name;
    }
    EXPECT_EQ(QDir(dir.path() + u'/' + folder).entryList(QDir::Files).size(), 5);
}

TEST_F(ImageWriterTest, TransparencyLiesOnWhiteWhereTheFormatHasNoAlpha) {
    QImage picture(60, 40, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(0, 0, 20, 20, QColor(255, 0, 0));
    const struct {
        const char* name;
        int tolerance;
    } cases[] = {{"t.bmp", 0}, {"t.gif", 0}, {"t.jpg", 40}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SaveBitmapAs(picture, Path(c.name))) << c.name;
        const QImage decoded(QString::fromStdString(Path(c.name)));
        EXPECT_LE(ChannelError(decoded.pixel(40, 30), qRgb(255, 255, 255)), c.tolerance) << c.name;
        EXPECT_LE(ChannelError(decoded.pixel(10, 10), qRgb(255, 0, 0)), c.tolerance) << c.name;
    }
    ASSERT_TRUE(SaveBitmapAs(picture, Path("t.png")));
    EXPECT_EQ(qAlpha(QImage(QString::fromStdString(Path("t.png"))).pixel(40, 30)), 0);
}

TEST_F(ImageWriterTest, ShutdownLeavesTheStartedFlagToTheNextStart) {
    const ImageLibraryState before = CurrentImageLibraryState();
    ASSERT_TRUE(StartGdiPlus(1));
    ShutdownGdiPlus();
    ShutdownGdiPlus();  // the flag still says started: shut down again
    const ImageLibraryState after = CurrentImageLibraryState();
    EXPECT_TRUE(after.started);
    EXPECT_EQ(after.starts, before.starts + 1);
    EXPECT_EQ(after.shutdowns, before.shutdowns + 2);
}

TEST_F(ImageWriterTest, StartFailsWhenTheLibraryIsMissingOrTheVersionUnknown) {
    const ImageLibraryState before = CurrentImageLibraryState();
    SetImageLibraryAvailable(false);
    EXPECT_FALSE(StartGdiPlus(1));
    ShutdownGdiPlus();
    SetImageLibraryAvailable(true);
    EXPECT_FALSE(StartGdiPlus(2));
    EXPECT_FALSE(StartGdiPlus(0));
    ShutdownGdiPlus();
    const ImageLibraryState after = CurrentImageLibraryState();
    EXPECT_FALSE(after.started);
    EXPECT_EQ(after.starts, before.starts + 3);
    EXPECT_EQ(after.shutdowns, before.shutdowns);
    EXPECT_TRUE(StartGdiPlus(1));
    ShutdownGdiPlus();
}

}  // namespace
}  // namespace vt
