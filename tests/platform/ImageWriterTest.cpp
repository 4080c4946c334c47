// The image-file writer: the format follows the name's ending in any letter
// case; nothing is written for other endings or where no file can be.
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

namespace vt {
namespace {

// White paper with a black, a blue and a red box.
QImage DrawnPicture() {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 20, 20, Qt::black);
    painter.fillRect(20, 0, 20, 20, QColor(0, 0, 255));
    painter.fillRect(40, 0, 20, 20, QColor(255, 0, 0));
    return picture;
}

int ChannelError(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class ImageWriterTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return (dir.path() + u'/' + QString::fromUtf8(name)).toStdString(); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    void WriteOld(const char* name, const QByteArray& bytes) const {
        QFile old(QString::fromStdString(Path(name)));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(ImageWriterTest, EveryEndingInAnyCaseDecodesAsItsFormat) {
    const struct { const char *name, *format; int tolerance; } cases[] = {
        {"a.png", "png", 0},   {"b.PNG", "png", 0},   {"c.gif", "gif", 0},   {"d.GiF", "gif", 0},
        {"e.jpg", "jpeg", 40}, {"f.JPG", "jpeg", 40}, {"g.jpeg", "jpeg", 40}, {"h.JPEG", "jpeg", 40},
        {"i.tif", "tiff", 0},  {"j.TIF", "tiff", 0},  {"k.tiff", "tiff", 0}, {"l.TiFF", "tiff", 0},
        {"m.bmp", "bmp", 0},   {"n.BMP", "bmp", 0},   {"환자 7.png", "png", 0},
    };
    const QImage picture = DrawnPicture();
    for (const auto& c : cases) {
        ASSERT_TRUE(SaveBitmapAs(picture, Path(c.name))) << c.name;
        QImageReader reader(QString::fromStdString(Path(c.name)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(c.format)) << c.name;
        const QImage decoded = reader.read();
        ASSERT_EQ(decoded.size(), picture.size()) << c.name;
        for (int x : {10, 30, 50})
            EXPECT_LE(ChannelError(decoded.pixel(x, 10), picture.pixel(x, 10)), c.tolerance) << c.name << " x " << x;
        EXPECT_LE(ChannelError(decoded.pixel(30, 30), qRgb(255, 255, 255)), c.tolerance) << c.name;
    }
    EXPECT_EQ(Files().size(), std::size(cases));  // no temporary files left
}

TEST_F(ImageWriterTest, OtherEndingsANullPictureAndAMissingFolderWriteNothing) {
    for (const char* name : {"page.txt", "page", "page.", "page.emf", "page.WMF", "page.png.txt", "page.png ",
                             "missing/page.png", "missing/page.gif"})
        EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path(name))) << name;
    EXPECT_FALSE(SaveBitmapAs(QImage(), Path("page.png")));
    EXPECT_TRUE(Files().isEmpty()) << Files().join(u' ').toStdString();
}

TEST_F(ImageWriterTest, AnExistingFileIsReplacedWholeAndARefusedWriteLeavesIt) {
    for (const char* name : {"page.png", "page.gif", "page.bmp"}) {
        WriteOld(name, QByteArray(5000, 'x'));  // longer than the image: no old tail may remain
        ASSERT_TRUE(SaveBitmapAs(DrawnPicture(), Path(name))) << name;
        const QImage decoded(QString::fromStdString(Path(name)));
        ASSERT_FALSE(decoded.isNull()) << name;
        EXPECT_EQ(decoded.pixel(50, 10), qRgb(255, 0, 0)) << name;
    }
    WriteOld("page.emf", "old");
    EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path("page.emf")));
    EXPECT_EQ(QFileInfo(QString::fromStdString(Path("page.emf"))).size(), 3);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    EXPECT_FALSE(SaveBitmapAs(DrawnPicture(), Path("folder.png")));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("folder.png"))).isDir());
}

TEST_F(ImageWriterTest, ShutdownFollowsTheLastStart) {
    const ImageLibraryState before = CurrentImageLibraryState();
    SetImageLibraryAvailable(false);
    EXPECT_FALSE(StartGdiPlus(1));
    ShutdownGdiPlus();  // nothing started: nothing to shut down
    SetImageLibraryAvailable(true);
    EXPECT_FALSE(StartGdiPlus(2));
    ASSERT_TRUE(StartGdiPlus(1));
    ShutdownGdiPlus();
    ShutdownGdiPlus();  // the flag still says started: shut down again
    const ImageLibraryState after = CurrentImageLibraryState();
    EXPECT_TRUE(after.started);
    EXPECT_EQ(after.starts, before.starts + 3);
    EXPECT_EQ(after.shutdowns, before.shutdowns + 2);
}

}  // namespace
}  // namespace vt
