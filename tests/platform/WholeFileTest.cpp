// Result files are written whole or not at all: a disk that fills up at any
// byte of the file leaves the earlier file as it was and no other file.
#include "platform/WholeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/statvfs.h>

#include "platform/ImageWriter.h"

namespace vt {
namespace {

const char* const kNames[] = {"page.png", "page.gif", "page.jpg", "page.tif", "page.bmp"};

// Blocks of many colours: every format needs some kilobytes for it.
QImage Colourful(int width, int height, quint32 seed) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            picture.setPixel(x, y, (x / 4 + y / 4) % 3 ? qRgb(255, 255, 255) : (seed >> 8) | 0xff000000u);
        }
    return picture;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

class WholeFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteLimit(std::nullopt); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

TEST_F(WholeFileTest, EveryFormatFailingAtAnyByteKeepsTheEarlierFileWhole) {
    const QImage earlierPicture = Colourful(40, 30, 1), picture = Colourful(160, 120, 2);
    for (std::size_t format = 0; format < std::size(kNames); ++format) {
        const char* name = kNames[format];
        ASSERT_TRUE(SaveBitmapAs(earlierPicture, path(name).toStdString())) << name;
        const QByteArray earlier = Read(path(name));
        QTemporaryDir sizing;
        const std::string whole = sizing.filePath(QString::fromUtf8(name)).toStdString();
        ASSERT_TRUE(SaveBitmapAs(picture, whole)) << name;
        const qint64 size = QFile(QString::fromStdString(whole)).size();
        ASSERT_GT(size, 4000) << name;
        std::vector<qint64> limits{0, 1, 2, 7, size - 1, size - 2, size - 9, size - 100};
        for (int step = 1; step < 16; ++step) limits.push_back(size * step / 16);
        for (qint64 limit : limits) {
            SetWriteLimit(limit);
            EXPECT_FALSE(SaveBitmapAs(picture, path(name).toStdString())) << name << " after " << limit;
            EXPECT_EQ(Read(path(name)), earlier) << name << " after " << limit;
            EXPECT_EQ(Files(dir.path()).size(), format + 1) << name << " after " << limit;
        }
        SetWriteLimit(std::nullopt);
        ASSERT_TRUE(SaveBitmapAs(picture, path(name).toStdString())) << name;
        EXPECT_EQ(QImage(path(name)).size(), picture.size()) << name;
    }
}

TEST_F(WholeFileTest, AFailedFillOrAMissingFolderLeavesNothing) {
    QFile old(path("page.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier");
    old.close();
    EXPECT_FALSE(WriteWholeFile(path("page.png"), [](QIODevice& file) { return file.write("new") == 3 && false; }));
    EXPECT_FALSE(WriteWholeFile(path("missing/page.png"), [](QIODevice&) { return true; }));
    // A NUL would cut the name short: "page" must not appear.
    EXPECT_FALSE(WriteWholeFile(path("page") + QChar(0) + QStringLiteral(".png"), [](QIODevice&) { return true; }));
    EXPECT_EQ(Read(path("page.png")), QByteArray("earlier"));
    EXPECT_EQ(Files(dir.path()), QStringList{QStringLiteral("page.png")});
    // A leading ":" is a file name like any other, not one of Qt's resources.
    const QString colon = dir.path() + QStringLiteral("/:1");
    EXPECT_TRUE(WriteWholeFile(colon, [](QIODevice& file) { return file.write("x") == 1; }));
    EXPECT_EQ(Read(colon), QByteArray("x"));
}

// A real full disk: a small tmpfs, where the test may mount one.
TEST_F(WholeFileTest, AFullDiskKeepsTheEarlierFileWholeInEveryFormat) {
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=512k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QImage picture = Colourful(200, 150, 3);
    for (std::size_t format = 0; format < std::size(kNames); ++format) {
        const char* name = kNames[format];
        ASSERT_TRUE(SaveBitmapAs(Colourful(30, 20, 4), path(name).toStdString())) << name;
        const QByteArray earlier = Read(path(name));
        QTemporaryDir sizing;
        const std::string whole = sizing.filePath(QString::fromUtf8(name)).toStdString();
        ASSERT_TRUE(SaveBitmapAs(picture, whole)) << name;
        const qint64 size = QFile(QString::fromStdString(whole)).size();
        // Fill the disk up to half the new file.
        struct statvfs disk {};
        ASSERT_EQ(::statvfs(mountPoint.constData(), &disk), 0);
        const qint64 room = qint64(disk.f_bavail) * qint64(disk.f_frsize) - size / 2;
        ASSERT_GT(room, 0) << name;
        QFile filler(path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        ASSERT_EQ(filler.write(QByteArray(room, 'f')), room) << name;
        filler.close();
        EXPECT_FALSE(SaveBitmapAs(picture, path(name).toStdString())) << name;
        EXPECT_EQ(Read(path(name)), earlier) << name;
        EXPECT_EQ(Files(dir.path()).size(), format + 2) << name;
        filler.remove();
        EXPECT_TRUE(SaveBitmapAs(picture, path(name).toStdString())) << name;
        EXPECT_EQ(QImage(path(name)).size(), picture.size()) << name;
    }
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

}  // namespace
}  // namespace vt
