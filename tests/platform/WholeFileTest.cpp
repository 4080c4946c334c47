// A disk that fills up at any byte of a result file leaves the earlier file whole and no other file.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <tuple>
#include <vector>
#include "platform/ImageWriter.h"
#include "platform/Seams.h"
#include "platform/WholeFile.h"

namespace vt {
namespace {

const char* const kNames[] = {"page.png", "page.gif", "page.jpg", "page.tif", "page.bmp"};

QImage Colourful(int width, int height, quint32 seed) {  // blocks of many colours: some kilobytes in every format
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(
                x,
                y,
                (x / 4 + y / 4) % 3 ? qRgb(255, 255, 255) : ((seed = seed * 1103515245u + 12345u) >> 8) | 0xff000000u);
    return picture;
}

class WholeFileTest : public ::testing::Test {
protected:
    // Joined by hand: QDir would take ":1" for one of Qt's resources.
    QString path(const char* name) const { return dir.path() + u'/' + QString::fromUtf8(name); }
    bool save(const QImage& picture, const char* name) { return SaveBitmapAs(picture, path(name).toStdString()); }
    QByteArray read(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : "<none>";
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
        ASSERT_EQ(file.write(bytes), bytes.size()) << name;
    }
    qsizetype files() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size();
    }
    static qint64 freshSize(const QImage& picture, const char* name) {  // written elsewhere
        QTemporaryDir sizing;
        const QString file = sizing.filePath(QString::fromUtf8(name));
        return SaveBitmapAs(picture, file.toStdString()) ? QFile(file).size() : -1;
    }
    QTemporaryDir dir;
    SeamsGuard seams;  // the write limit goes with the test
};

// The disk fills up at the first byte, at the last and at every twentieth of the file between.
std::vector<qint64> LimitsAcross(qint64 size) {
    std::vector<qint64> limits{0, 1};
    for (qint64 step = 1; step < 20; ++step) limits.push_back(size * step / 20);
    limits.push_back(size - 1);
    return limits;
}

TEST_F(WholeFileTest, EveryFormatFailingAtAnyByteKeepsTheEarlierFileWhole) {
    // PNG goes through a write buffer of its own: its file spans several.
    const struct {
        const char* name;
        int width, height;
        qint64 atLeast;
    } cases[] = {
        {.name = "page.png", .width = 480, .height = 360, .atLeast = 200000},
        {.name = "page.gif", .width = 160, .height = 120, .atLeast = 4000},
        {.name = "page.jpg", .width = 160, .height = 120, .atLeast = 4000},
        {.name = "page.tif", .width = 160, .height = 120, .atLeast = 4000},
        {.name = "page.bmp", .width = 160, .height = 120, .atLeast = 4000},
    };
    for (std::size_t format = 0; format < std::size(cases); ++format) {
        const char* name = cases[format].name;
        const QImage picture = Colourful(cases[format].width, cases[format].height, 2);
        const qint64 size = freshSize(picture, name);
        ASSERT_GT(size, cases[format].atLeast) << name;
        const QByteArray earlier(size + 3000, 'x');  // longer than the new file: no tail of it may stay
        write(name, earlier);
        for (qint64 limit : LimitsAcross(size)) {
            CurrentSeams().writeLimit = limit;
            const bool saved = save(picture, name);
            EXPECT_EQ(std::tuple(saved, read(name) == earlier, files()), std::tuple(false, true, qsizetype(format + 1)))
                << name << " after " << limit << " of " << size << " bytes";
        }
        CurrentSeams().writeLimit = std::nullopt;
        ASSERT_TRUE(save(picture, name)) << name;
        EXPECT_EQ(std::tuple(read(name).size(), QImage(path(name)).size(), files()),
                  std::tuple(size, picture.size(), qsizetype(format + 1)))
            << name;
    }
}

TEST_F(WholeFileTest, AFailedFillOrABadNameLeavesNothing) {
    write("page.png", "earlier");
    const auto writesThenFails = [](QIODevice& file) {
        file.write("new");
        return false;
    };
    EXPECT_FALSE(WriteWholeFile(path("page.png"), writesThenFails)) << "a fill that fails after writing";
    EXPECT_FALSE(WriteWholeFile(path("missing/page.png"), [](QIODevice&) { return true; }));
    // A NUL would cut the name short: "page" must not appear.
    EXPECT_FALSE(WriteWholeFile(path("page") + QChar(0) + QStringLiteral(".png"), [](QIODevice&) { return true; }));
    EXPECT_EQ(std::pair(read("page.png"), files()), std::pair(QByteArray("earlier"), qsizetype(1)));
    // A leading ":" is a file name like any other.
    EXPECT_TRUE(WriteWholeFile(path(":1"), [](QIODevice& file) { return file.write("x") == 1; }));
    EXPECT_EQ(read(":1"), QByteArray("x"));
}

// A real full disk: a small tmpfs, where the test may mount one.
TEST_F(WholeFileTest, AFullDiskKeepsTheEarlierFileWholeInEveryFormat) {
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=512k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QImage picture = Colourful(200, 150, 3);
    for (std::size_t format = 0; format < std::size(kNames); ++format) {
        const char* name = kNames[format];
        write(name, "earlier");
        struct statvfs disk {};
        ASSERT_EQ(::statvfs(mountPoint.constData(), &disk), 0);
        const qint64 room =
            qint64(disk.f_bavail) * qint64(disk.f_frsize) - freshSize(picture, name) / 2;  // half the file fits
        ASSERT_GT(room, 0) << name;
        write("filler", QByteArray(room, 'f'));
        const bool saved = save(picture, name);
        EXPECT_FALSE(saved) << name << " saved on a full disk";
        EXPECT_EQ(read(name), QByteArray("earlier")) << name;
        EXPECT_EQ(files(), qsizetype(format + 2)) << name;
        QFile::remove(path("filler"));
        EXPECT_TRUE(save(picture, name)) << name << " saved with room";
        EXPECT_EQ(QImage(path(name)).size(), picture.size()) << name;
    }
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

}  // namespace
}  // namespace vt
