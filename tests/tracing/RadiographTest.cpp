// Reading a radiograph: whole JPEG, GIF and BMP files open in the reader's own format; a file cut short
// or with corrupt data is refused, whether the decoder complains or only the file's structure shows it.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <map>

#include "platform/GifWriter.h"
#include "tracing/Radiograph.h"

namespace vt {
namespace {

// A grey film with structure and noise, as a radiograph compresses.
QImage Film(int w, int h) {
    QImage film(w, h, QImage::Format_Grayscale8);
    std::uint32_t s = 7;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            film.scanLine(y)[x] = static_cast<uchar>(40 + x * 120 / w + y * 60 / h + (s >> 27));
        }
    return film;
}

QByteArray Encode(const QImage& picture, const char* format, bool progressive = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << format;
    return buffer.data();
}

QByteArray Gif(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteGif(picture, buffer));
    return buffer.data();
}

QByteArray Le(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
    return out;
}

// A BMP with an info header, a palette and the given pixel data (run-length coded: compression 1 or 2).
QByteArray Bmp(int width, int height, int bits, int compression, const QByteArray& palette, const QByteArray& data) {
    const int offset = 14 + 40 + static_cast<int>(palette.size());
    return "BM" + Le(static_cast<std::uint32_t>(offset + data.size()), 4) + Le(0, 4) + Le(offset, 4) + Le(40, 4) +
           Le(width, 4) + Le(height, 4) + Le(1, 2) + Le(bits, 2) + Le(compression, 4) + Le(data.size(), 4) +
           Le(2835, 4) + Le(2835, 4) + Le(palette.size() / 4, 4) + Le(0, 4) + palette + data;
}

const QByteArray kBlackWhite = QByteArray::fromHex("00000000ffffff00");
// 4 x 2 pixels: a row of white, the end of the row, a row of black, the end of the row, the end of the bitmap.
const QByteArray kRle8 = Bmp(4, 2, 8, 1, kBlackWhite, QByteArray::fromHex("0401 0000 0400 0000 0001"));
// 5 x 1 pixels as they are (3 bytes and a pad byte), the end of the row, the end of the bitmap.
const QByteArray kRle4 = Bmp(5, 1, 4, 2, kBlackWhite, QByteArray::fromHex("0005 10010000 0000 0001"));

// A JPEG whose APP1 segment (as an EXIF thumbnail does) holds an end-of-image marker.
QByteArray WithThumbnailMarker(const QByteArray& jpeg) {
    const QByteArray payload = QByteArray::fromHex("45786966 0000 ffd8 0102 ffd9");
    return jpeg.left(2) + QByteArray::fromHex("ffe1") + static_cast<char>(0) + static_cast<char>(payload.size() + 2) +
           payload + jpeg.mid(2);
}

const std::map<std::string, QByteArray>& Samples() {
    static const std::map<std::string, QByteArray> samples = [] {
        const QImage film = Film(320, 240);
        const QByteArray grey = Encode(film, "jpeg");
        return std::map<std::string, QByteArray>{
            {"grey.jpg", grey},
            {"colour.jpg", Encode(film.convertToFormat(QImage::Format_RGB32), "jpeg")},
            {"progressive.jpg", Encode(film, "jpeg", true)},
            {"thumbnail.jpg", WithThumbnailMarker(grey)},
            {"trailing.jpg", grey + QByteArray(100, '\x55')},
            {"film.gif", Gif(film)},
            {"colour.bmp", Encode(film.convertToFormat(QImage::Format_RGB888), "bmp")},
            {"grey.bmp", Encode(film.convertToFormat(QImage::Format_Indexed8), "bmp")},
            {"rle8.bmp", kRle8},
            {"rle4.bmp", kRle4},
            {"film.png", Encode(film, "png")},
            {"notes.txt", QByteArray("not a picture at all")},
        };
    }();
    return samples;
}

// What is kept of a sample: its first `first` bytes (or `percent` of it), less `drop` bytes at the end.
struct Cut {
    const char* sample;
    qsizetype first = 0;
    int percent = 100;
    qsizetype drop = 0;
};

QByteArray Apply(const Cut& cut) {
    const QByteArray& bytes = Samples().at(cut.sample);
    const qsizetype kept = cut.first ? cut.first : bytes.size() * cut.percent / 100;
    return bytes.left(kept - cut.drop);
}

bool Whole(const QByteArray& bytes) {
    return HoldsWholePicture({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

TEST(HoldsWholePicture, EachFormatWholeAndCutShort) {
    struct Row {
        Cut cut;
        bool whole;
    };
    const Row rows[] = {
        {.cut = {.sample = "grey.jpg"}, .whole = true},
        {.cut = {.sample = "grey.jpg", .first = 3000}, .whole = false},
        {.cut = {.sample = "grey.jpg", .percent = 60}, .whole = false},
        {.cut = {.sample = "grey.jpg", .drop = 1}, .whole = false},
        {.cut = {.sample = "grey.jpg", .drop = 2}, .whole = false},
        {.cut = {.sample = "colour.jpg"}, .whole = true},
        {.cut = {.sample = "colour.jpg", .percent = 30}, .whole = false},
        {.cut = {.sample = "progressive.jpg"}, .whole = true},
        {.cut = {.sample = "progressive.jpg", .percent = 80}, .whole = false},
        {.cut = {.sample = "thumbnail.jpg"}, .whole = true},
        {.cut = {.sample = "thumbnail.jpg", .percent = 60}, .whole = false},
        {.cut = {.sample = "thumbnail.jpg", .first = 12}, .whole = false},
        {.cut = {.sample = "trailing.jpg"}, .whole = true},
        // GIF: the first image's data ends with an empty block; the trailer after it adds nothing
        {.cut = {.sample = "film.gif"}, .whole = true},
        {.cut = {.sample = "film.gif", .drop = 1}, .whole = true},
        {.cut = {.sample = "film.gif", .drop = 2}, .whole = false},
        {.cut = {.sample = "film.gif", .percent = 50}, .whole = false},
        {.cut = {.sample = "film.gif", .first = 13}, .whole = false},
        {.cut = {.sample = "film.gif", .first = 800}, .whole = false},
        // BMP: the pixel array the header promises, or the run-length code to its end or its last row
        {.cut = {.sample = "colour.bmp"}, .whole = true},
        {.cut = {.sample = "colour.bmp", .drop = 1}, .whole = false},
        {.cut = {.sample = "colour.bmp", .percent = 50}, .whole = false},
        {.cut = {.sample = "colour.bmp", .first = 54}, .whole = false},
        {.cut = {.sample = "colour.bmp", .first = 20}, .whole = false},
        {.cut = {.sample = "grey.bmp"}, .whole = true},
        {.cut = {.sample = "grey.bmp", .drop = 1}, .whole = false},
        {.cut = {.sample = "grey.bmp", .first = 1078}, .whole = false},
        {.cut = {.sample = "rle8.bmp"}, .whole = true},
        {.cut = {.sample = "rle8.bmp", .drop = 2}, .whole = true},
        {.cut = {.sample = "rle8.bmp", .drop = 4}, .whole = false},
        {.cut = {.sample = "rle8.bmp", .drop = 8}, .whole = false},
        {.cut = {.sample = "rle4.bmp"}, .whole = true},
        {.cut = {.sample = "rle4.bmp", .drop = 7}, .whole = false},
        // Left to their decoders
        {.cut = {.sample = "film.png", .percent = 50}, .whole = true},
        {.cut = {.sample = "notes.txt"}, .whole = true},
    };
    for (const Row& row : rows) {
        const QByteArray bytes = Apply(row.cut);
        EXPECT_EQ(Whole(bytes), row.whole)
            << row.cut.sample << " kept " << bytes.size() << " of " << Samples().at(row.cut.sample).size() << " bytes";
    }
}

class ReadRadiographTest : public ::testing::Test {
protected:
    QString write(const std::string& name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name;
        EXPECT_EQ(file.write(bytes), bytes.size()) << name;
        return path;
    }
    // `bad` written over the middle of the coded data; the file's structure stays whole, so that only the
    // decoder can tell.
    QByteArray corrupt(const char* sample, const QByteArray& bad) {
        QByteArray bytes = Samples().at(sample);
        bytes.replace(bytes.size() / 2, bad.size(), bad);
        EXPECT_TRUE(Whole(bytes)) << sample;
        return bytes;
    }
    QTemporaryDir folder;
};

TEST_F(ReadRadiographTest, WholeFilesOpenInTheReadersOwnFormat) {
    struct Row {
        const char* sample;
        QImage::Format format;
        int width, height;
    };
    const Row rows[] = {
        {.sample = "grey.jpg", .format = QImage::Format_Grayscale8, .width = 320, .height = 240},
        {.sample = "colour.jpg", .format = QImage::Format_RGB32, .width = 320, .height = 240},
        {.sample = "progressive.jpg", .format = QImage::Format_Grayscale8, .width = 320, .height = 240},
        {.sample = "thumbnail.jpg", .format = QImage::Format_Grayscale8, .width = 320, .height = 240},
        {.sample = "trailing.jpg", .format = QImage::Format_Grayscale8, .width = 320, .height = 240},
        {.sample = "film.gif", .format = QImage::Format_RGB32, .width = 320, .height = 240},
        {.sample = "colour.bmp", .format = QImage::Format_RGB32, .width = 320, .height = 240},
        {.sample = "grey.bmp", .format = QImage::Format_Indexed8, .width = 320, .height = 240},
        {.sample = "rle8.bmp", .format = QImage::Format_Indexed8, .width = 4, .height = 2},
        {.sample = "rle4.bmp", .format = QImage::Format_Indexed8, .width = 5, .height = 1},
        {.sample = "film.png", .format = QImage::Format_Grayscale8, .width = 320, .height = 240},
    };
    for (const Row& row : rows) {
        const QImage picture = ReadRadiograph(write(row.sample, Samples().at(row.sample)));
        EXPECT_EQ(picture.format(), row.format) << row.sample;
        EXPECT_EQ(picture.size(), QSize(row.width, row.height)) << row.sample;
    }
    // The run-length rows decode as written: white over black, and three pixels alternating.
    const QImage rle8 = ReadRadiograph(write("rle8.bmp", kRle8));
    EXPECT_EQ(rle8.pixel(3, 0), qRgb(0, 0, 0));  // bottom-up: the first coded row is the bottom one
    EXPECT_EQ(rle8.pixel(3, 1), qRgb(255, 255, 255));
    const QImage rle4 = ReadRadiograph(write("rle4.bmp", kRle4));
    EXPECT_EQ(rle4.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(rle4.pixel(1, 0), qRgb(0, 0, 0));
}

TEST_F(ReadRadiographTest, FilesCutShortOrCorruptAreRefused) {
    const Cut cuts[] = {
        {.sample = "grey.jpg", .first = 3000},
        {.sample = "grey.jpg", .percent = 60},
        {.sample = "grey.jpg", .drop = 2},
        {.sample = "colour.jpg", .percent = 90},
        {.sample = "progressive.jpg", .percent = 50},
        {.sample = "film.gif", .percent = 30},
        {.sample = "film.gif", .percent = 90},
        {.sample = "film.gif", .drop = 2},
        {.sample = "colour.bmp", .percent = 60},
        {.sample = "colour.bmp", .drop = 1},
        {.sample = "grey.bmp", .percent = 60},
        {.sample = "rle8.bmp", .drop = 4},
        {.sample = "rle4.bmp", .drop = 7},
        {.sample = "film.png", .percent = 60},
    };
    for (const Cut& cut : cuts) {
        const QByteArray bytes = Apply(cut);
        EXPECT_TRUE(ReadRadiograph(write(cut.sample, bytes)).isNull()) << cut.sample << " kept " << bytes.size();
    }
    // A zeroed run, and a stray end-of-image marker (as in two files spliced), in the coded data.
    struct Corrupted {
        const char* sample;
        QByteArray bad;
    };
    const Corrupted corrupted[] = {
        {.sample = "grey.jpg", .bad = QByteArray(16, '\0')},
        {.sample = "colour.jpg", .bad = QByteArray::fromHex("ffd9")},
        {.sample = "progressive.jpg", .bad = QByteArray::fromHex("ffd9")},
    };
    for (const Corrupted& c : corrupted)
        EXPECT_TRUE(ReadRadiograph(write(c.sample, corrupt(c.sample, c.bad))).isNull()) << "corrupt " << c.sample;
}

// A progressive JPEG cut between two scans decodes without a complaint, to a blurred picture.
TEST_F(ReadRadiographTest, AProgressiveJpegCutBetweenItsScansIsRefused) {
    const QByteArray& jpeg = Samples().at("progressive.jpg");
    QList<qsizetype> scans;
    for (qsizetype at = jpeg.indexOf("\xff\xda"); at >= 0; at = jpeg.indexOf("\xff\xda", at + 1)) scans << at;
    ASSERT_GT(scans.size(), 2);
    for (qsizetype scan : scans.mid(1)) {
        EXPECT_TRUE(ReadRadiograph(write("scans.jpg", jpeg.left(scan))).isNull()) << "cut at " << scan;
    }
}

QStringList gLogged;

// The decoder's complaint is heard even when the logging rules silence it, it is not logged, and the
// program's own message handler gets everything else as before.
TEST_F(ReadRadiographTest, ComplaintsAreHeardWhateverTheLoggingRules) {
    const QString path = write("corrupt.jpg", corrupt("grey.jpg", QByteArray(16, '\0')));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { gLogged << text; });
    QLoggingCategory::setFilterRules(QStringLiteral("qt.*=false\n*.warning=false"));
    const bool silencedRefused = ReadRadiograph(path).isNull();
    QLoggingCategory::setFilterRules(QString());
    const bool refused = ReadRadiograph(path).isNull();
    qWarning("after the reads");
    qInstallMessageHandler(previous);
    EXPECT_TRUE(silencedRefused);
    EXPECT_TRUE(refused);
    EXPECT_EQ(gLogged, QStringList{QStringLiteral("after the reads")});
}

}  // namespace
}  // namespace vt
