// A film opened through the digitizing form's open button is read by what it holds, not by its name's
// ending: each kind of picture opens under every other kind's ending with the same pixels, and a film
// cut short, or a file that holds no picture, is refused under any ending.

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include "platform/GifWriter.h"
#include "support/ProgramFixture.h"
#include "tracing/Radiograph.h"

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmImage";

struct Kind {
    const char* ending;
    const char* writer;  // Qt's writer of the kind; empty: our own GIF writer
};
const Kind kKinds[] = {
    {.ending = "jpg", .writer = "jpeg"},
    {.ending = "png", .writer = "png"},
    {.ending = "bmp", .writer = "bmp"},
    {.ending = "gif", .writer = ""},
    {.ending = "tif", .writer = "tiff"},
};

// A grey film with a gradient and grain, as a radiograph is.
QImage Film() {
    QImage film(160, 120, QImage::Format_Grayscale8);
    std::uint32_t s = 11;
    for (int y = 0; y < film.height(); ++y)
        for (int x = 0; x < film.width(); ++x) {
            s = s * 1664525u + 1013904223u;
            film.scanLine(y)[x] = static_cast<uchar>(30 + x + y / 2 + (s >> 28));
        }
    return film;
}

QByteArray Encoded(const Kind& kind) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (*kind.writer) {
        QImageWriter writer(&buffer, kind.writer);
        EXPECT_TRUE(writer.write(Film())) << kind.ending << ": " << writer.errorString().toStdString();
    } else {
        EXPECT_TRUE(WriteGif(Film(), buffer)) << kind.ending;
    }
    return buffer.data();
}

// Empty when the two pictures hold the same pixels; else where they first differ.
std::string Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return QStringLiteral("%1x%2 against %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height())
            .toStdString();
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (x.pixel(col, row) != y.pixel(col, row))
                return QStringLiteral("pixel (%1, %2): %3 against %4")
                    .arg(col)
                    .arg(row)
                    .arg(x.pixel(col, row), 8, 16)
                    .arg(y.pixel(col, row), 8, 16)
                    .toStdString();
    return {};
}

class FilmEndingTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        openDigitizingForm();
        CurrentSeams().openDialog = [this](const OpenDialogRequest&) { return std::optional(answer); };
    }
    // Writes `bytes` as name.ending in the home folder and opens it with the open button; the messages
    // it gave.
    QStringList open(const QString& name, const char* ending, const QByteArray& bytes) {
        answer = home() + u'/' + name + u'.' + QString::fromLatin1(ending);
        QFile file(answer);
        const bool opened = file.open(QIODevice::WriteOnly);
        EXPECT_TRUE(opened) << "opening " << answer.toStdString();
        if (opened) {
            EXPECT_EQ(file.write(bytes), bytes.size()) << answer.toStdString();
        }
        file.close();
        messages.clear();
        click(kForm, "cmdOpen");
        return messages;
    }
    // The one message of a refused file: the open button's, naming the file last opened.
    QStringList refusal() const { return {QStringLiteral("그림 파일을 열 수 없습니다: ") + answer}; }
    QString answer;
};

TEST_F(FilmEndingTest, EachKindOpensUnderEveryEndingWithTheSamePixels) {
    for (const Kind& kind : kKinds) {
        const QByteArray bytes = Encoded(kind);
        EXPECT_EQ(open(QStringLiteral("own"), kind.ending, bytes), QStringList()) << kind.ending;
        const QImage own = Radiograph();
        ASSERT_EQ(own.size(), QSize(160, 120)) << kind.ending << " under its own ending";
        for (const Kind& other : kKinds) {
            Radiograph() = QImage();
            EXPECT_EQ(open(QStringLiteral("renamed"), other.ending, bytes), QStringList())
                << kind.ending << " named ." << other.ending;
            EXPECT_EQ(Difference(Radiograph(), own), "") << kind.ending << " named ." << other.ending;
        }
    }
}

TEST_F(FilmEndingTest, CutShortOrNoPictureIsRefusedUnderEveryEnding) {
    const QByteArray opened = Encoded(kKinds[0]);
    open(QStringLiteral("opened"), "jpg", opened);
    const QImage before = Radiograph();
    ASSERT_FALSE(before.isNull());
    for (const Kind& kind : kKinds) {
        const QByteArray whole = Encoded(kind);
        for (const Kind& other : kKinds) {
            const QStringList said = open(QStringLiteral("cut"), other.ending, whole.left(whole.size() * 6 / 10));
            EXPECT_EQ(said, refusal()) << kind.ending << " cut short, named ." << other.ending;
            EXPECT_EQ(Difference(Radiograph(), before), "") << kind.ending << " cut short, named ." << other.ending;
        }
    }
    for (const Kind& other : kKinds) {
        const QStringList said = open(QStringLiteral("notes"), other.ending, "no picture in here");
        EXPECT_EQ(said, refusal()) << "text named ." << other.ending;
        EXPECT_EQ(Difference(Radiograph(), before), "") << "text named ." << other.ending;
    }
}

}  // namespace
}  // namespace vt::testing
