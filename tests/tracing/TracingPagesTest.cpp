// The three tracing pages: the radiograph under Sella on every surface, colours, places, page 3's rows.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "platform/PageImage.h"
#include "platform/PainterSurface.h"
#include "platform/Printer.h"
#include "platform/RecordingSurface.h"
#include "platform/Seams.h"
#include "support/SampleTracing.h"
#include "tracing/RadiographPicture.h"
#include "tracing/TracingDrawingPages.h"
#include "tracing/TracingNormPage.h"

namespace vt {
namespace {

PatientRecord Someone(std::int16_t sex = 0, double age = 12.5) { return {"", "", sex, age, 0}; }

// A grey film of 400 x 300 pixels, 0.3 mm of anatomy each, a green square on
// Sella at pixel (40, 30); the window reaches past its left and top edges.
TracingResult OnFilm() {
    QImage film(400, 300, QImage::Format_RGB32);
    film.fill(QColor(128, 128, 128));
    QPainter(&film).fillRect(30, 20, 21, 21, Qt::green);
    TracingResult t;
    t.SellaX = 40 * 15 + 7.5, t.SellaY = 30 * 15 + 7.5, t.MmPerPixel = 0.02;
    t.radiograph = std::make_shared<RadiographPicture>(film);
    return t;
}

TEST(TracingPages, RadiographSellaLiesUnderTracedSellaOnEverySurface) {
    struct Row {
        double originX, originY, ppm;
    };
    const Row rows[] = {{0, 0, kScreenPixelsPerMm},
                        {0, 40, kScreenPixelsPerMm},
                        {15, 15, kScreenPixelsPerMm},
                        {0, 0, 4 * kScreenPixelsPerMm}};  // preview, scrolled, saved page, printer
    const TracingResult t = OnFilm();
    for (const Row& r : rows) {
        QImage image(static_cast<int>(210 * r.ppm), static_cast<int>(200 * r.ppm), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface s(painter, r.originX, r.originY, r.ppm);
        CephAx1(s, t, Someone());
        painter.end();
        auto at = [&](double x, double y) {  // sheet mm
            return image.pixelColor(static_cast<int>((x - r.originX) * r.ppm),
                                    static_cast<int>((y - r.originY) * r.ppm));
        };
        auto green = [&](double x, double y) { return at(x, y).green() > 200 && at(x, y).red() < 60; };
        // The 6.3 mm square, life-size, centred on (70, 90); white beside the film.
        for (double d : {-2.9, 2.9}) EXPECT_TRUE(green(70 + d, 90) && green(70, 90 + d)) << r.originY << " " << d;
        for (double d : {-3.5, 3.5}) EXPECT_FALSE(green(70 + d, 90) || green(70, 90 + d)) << r.originY << " " << d;
        EXPECT_TRUE(at(40, 150) == QColor(Qt::white) && at(150, 150).red() == 128 && at(185, 150) == QColor(Qt::white));
    }
}

// A black film of 600 x 700 pixels, 0.38 mm of anatomy each, white at pixel
// `mark` when one is given. The window around Sella begins 1.75 and 35.09
// pixels into the film, which reaches beyond the window on every side.
constexpr double kFilmPixelMm = 0.38;
constexpr double kFilmSellaX = 2000, kFilmSellaY = 2500;  // picture units

TracingResult OnMarkedFilm(QImage::Format format, std::optional<QPoint> mark) {
    QImage film(600, 700, QImage::Format_Grayscale8);
    film.fill(0);
    if (mark) film.scanLine(mark->y())[mark->x()] = 255;
    TracingResult t;
    t.SellaX = kFilmSellaX, t.SellaY = kFilmSellaY, t.MmPerPixel = kFilmPixelMm / 15;
    t.radiograph = std::make_shared<RadiographPicture>(film.convertToFormat(format));
    return t;
}

// Where the centre of a film pixel belongs on the sheet: life-size, its Sella on (70, 90).
QPointF LifeSizeMm(QPoint pixel) {
    const double m = kFilmPixelMm / 15;
    return {70 + ((pixel.x() + 0.5) * 15 - kFilmSellaX) * m, 90 + ((pixel.y() + 0.5) * 15 - kFilmSellaY) * m};
}

// An image of a PDF file, with the matrix from its pixel coordinates (x right,
// y down, from its top-left corner) to millimetres from the sheet's top-left corner.
struct PlacedImage {
    QImage pixels;
    QTransform pixelToMm;
};

QByteArray Inflated(const QByteArray& deflated) {
    // qUncompress wants a size hint in front and grows past it.
    return qUncompress(QByteArray("\x00\x01\x00\x00", 4) + deflated);
}

// Every image that the PDF's pages draw, through the q, Q and cm operators
// of their content streams.
std::vector<PlacedImage> PrintedImages(const QByteArray& pdf) {
    const QString text = QString::fromLatin1(pdf);
    const auto box = QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 [\d.]+ ([\d.]+)\])")).match(text);
    if (!box.hasMatch()) return {};
    const double k = 25.4 / 72;  // millimetres per point
    const QTransform pointsToMm(k, 0, 0, -k, 0, box.captured(1).toDouble() * k);
    struct Stream {
        QString dict;
        QByteArray data;
    };
    std::map<int, Stream> streams;  // by object number
    const QRegularExpression object(QStringLiteral(R"((\d+) 0 obj\s*<<((?:(?!endobj).)*?)>>\s*stream\r?\n)"),
                                    QRegularExpression::DotMatchesEverythingOption);
    for (auto it = object.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const qsizetype end = pdf.indexOf("endstream", m.capturedEnd());
        QByteArray data = pdf.mid(m.capturedEnd(), end - m.capturedEnd());
        if (m.captured(2).contains(QStringLiteral("/FlateDecode"))) data = Inflated(data);
        streams[m.captured(1).toInt()] = {m.captured(2), data};
    }
    auto image = [&](const QString& name) {
        const auto ref = QRegularExpression(name + QStringLiteral(R"(\s+(\d+) 0 R)")).match(text);
        const Stream& s = streams[ref.captured(1).toInt()];
        auto entry = [&](const char* key) {
            return QRegularExpression(QStringLiteral("/%1 (\\d+)").arg(QLatin1String(key)))
                .match(s.dict)
                .captured(1)
                .toInt();
        };
        if (s.dict.contains(QStringLiteral("/DCTDecode"))) return QImage::fromData(s.data, "JPEG");
        const bool grey = s.dict.contains(QStringLiteral("/DeviceGray"));
        const int w = entry("Width"), h = entry("Height"), bytesPerPixel = grey ? 1 : 3;
        if (s.data.size() < qsizetype(w) * h * bytesPerPixel) return QImage();
        return QImage(reinterpret_cast<const uchar*>(s.data.constData()),
                      w,
                      h,
                      w * bytesPerPixel,
                      grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888)
            .copy();
    };
    std::vector<PlacedImage> placed;
    for (const auto& [number, s] : streams) {
        if (s.dict.contains(QStringLiteral("/Subtype /Image"))) continue;
        std::vector<QTransform> saved;
        QTransform ctm;
        std::vector<QString> operands;
        for (const QString& token :
             QString::fromLatin1(s.data).split(QRegularExpression(QStringLiteral(R"(\s+)")), Qt::SkipEmptyParts)) {
            bool number = false;
            token.toDouble(&number);
            if (number || token.startsWith(u'/')) {
                operands.push_back(token);
                continue;
            }
            if (token == u"q") saved.push_back(ctm);
            if (token == u"Q" && !saved.empty()) ctm = saved.back(), saved.pop_back();
            if (token == u"cm" && operands.size() >= 6) {
                const auto o = [&](std::size_t i) { return operands[operands.size() - 6 + i].toDouble(); };
                ctm = QTransform(o(0), o(1), o(2), o(3), o(4), o(5)) * ctm;
            }
            if (token == u"Do" && !operands.empty()) {
                const QImage pixels = image(operands.back());
                // The unit square, y up, spans the image.
                const QTransform unit(1.0 / pixels.width(), 0, 0, -1.0 / pixels.height(), 0, 1);
                placed.push_back({pixels, unit * ctm * pointsToMm});
            }
            operands.clear();
        }
    }
    return placed;
}

QPoint Brightest(const QImage& image) {
    QPoint at;
    int best = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > best) best = qGray(image.pixel(x, y)), at = {x, y};
    return at;
}

struct MarkRow {
    const char* name;
    QImage::Format format;
    QPoint mark;  // a film pixel inside the window
};

const MarkRow kMarkRows[] = {
    {.name = "grey, top left", .format = QImage::Format_Grayscale8, .mark = {8, 42}},
    {.name = "grey, middle", .format = QImage::Format_Grayscale8, .mark = {225, 311}},
    {.name = "grey, bottom right", .format = QImage::Format_Grayscale8, .mark = {444, 583}},
    {.name = "32-bit, top left", .format = QImage::Format_RGB32, .mark = {8, 42}},
    {.name = "32-bit, bottom right", .format = QImage::Format_RGB32, .mark = {444, 583}},
};

// Printed, the film lies life-size to a hundredth of a millimetre: the PDF
// places whole film pixels, so nothing rounds the source to a pixel.
TEST(TracingPages, PrintedFilmPixelLiesLifeSizeOnTheSheet) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    for (const MarkRow& r : kMarkRows) {
        SCOPED_TRACE(r.name);
        const TracingResult t = OnMarkedFilm(r.format, r.mark);
        SeamsGuard seams;
        CurrentSeams().printToFile = pdf;
        ASSERT_TRUE(PrintPage([&](ResultSurface& s) { CephAx1(s, t, Someone()); }));
        QFile file(pdf);
        const std::vector<PlacedImage> images =
            PrintedImages(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        ASSERT_EQ(images.size(), 1u);
        const QPoint found = Brightest(images[0].pixels);
        const QPointF printed = images[0].pixelToMm.map(QPointF(found) + QPointF(0.5, 0.5));
        const QPointF expected = LifeSizeMm(r.mark);
        EXPECT_NEAR(printed.x(), expected.x(), 0.01);
        EXPECT_NEAR(printed.y(), expected.y(), 0.01);
    }
}

// The centre of the ink that the film's mark adds to a page, in sheet millimetres.
QPointF MarkOnPage(const QImage& marked, const QImage& plain, double originX, double originY) {
    double sum = 0, x = 0, y = 0;
    for (int j = 0; j < marked.height(); ++j)
        for (int i = 0; i < marked.width(); ++i) {
            const double w = std::abs(qGray(marked.pixel(i, j)) - qGray(plain.pixel(i, j)));
            sum += w, x += w * (i + 0.5), y += w * (j + 0.5);
        }
    return {originX + x / sum / kScreenPixelsPerMm, originY + y / sum / kScreenPixelsPerMm};
}

// On the saved page and on screen, scrolled or not, the film's mark lands on
// its life-size place to a hundredth of a millimetre, as on paper (a device
// pixel is 0.26 mm; the centre of the smoothed mark's ink is that precise).
TEST(TracingPages, FilmPixelLiesLifeSizeOnSavedAndScreenPages) {
    struct Surface {
        const char* name;
        bool saved;
        double scrollTop;  // of the screen page
    };
    const Surface surfaces[] = {
        {.name = "saved page", .saved = true, .scrollTop = 0},
        {.name = "screen", .saved = false, .scrollTop = 0},
        {.name = "screen scrolled", .saved = false, .scrollTop = 23.7},
    };
    auto draw = [](const Surface& s, const TracingResult& t) {
        const PageProcedure page = [&](ResultSurface& surface) { CephAx1(surface, t, Someone()); };
        return s.saved ? DrawSavedPage(page) : DrawScreenPage(page, 800, 1000, s.scrollTop);
    };
    constexpr double kTolerance = 0.01;
    for (const MarkRow& r : kMarkRows) {
        const TracingResult plain = OnMarkedFilm(r.format, std::nullopt), marked = OnMarkedFilm(r.format, r.mark);
        for (const Surface& s : surfaces) {
            SCOPED_TRACE(std::string(r.name) + " on the " + s.name);
            const double originX = s.saved ? kSaveOriginMm : 0, originY = s.saved ? kSaveOriginMm : s.scrollTop;
            const QPointF landed = MarkOnPage(draw(s, marked), draw(s, plain), originX, originY);
            const QPointF expected = LifeSizeMm(r.mark);
            EXPECT_NEAR(landed.x(), expected.x(), kTolerance);
            EXPECT_NEAR(landed.y(), expected.y(), kTolerance);
        }
    }
}

TEST(TracingPages, PageOneRedOverBluePageTwoBlackWithoutRadiograph) {
    TracingResult t = OnFilm();
    t.points = PointsOnSheet(testing::SampleInput(0.1));
    t.measures = MeasureTracing(t.points);
    RecordingSurface one, two;
    CephAx1(one, t, Someone());
    CephAx2(two, t, Someone());
    // Page 2: no radiograph, the tracing in the text colour (black).
    EXPECT_TRUE(one.ops().front().kind == SurfaceOp::PaintPicture && two.count(SurfaceOp::PaintPicture) == 0 &&
                two.count(SurfaceOp::Line) == 26 && two.texts()[5].color == 0);
    std::vector<DrawnLine> red;
    for (const DrawnLine& l : one.lines()) {
        if (l.color == 12) red.push_back(l);
        EXPECT_FALSE(l.y1 == 40 && l.y2 == 40);  // no table rule
    }
    ASSERT_EQ(red.size(), 26u);
    // Sella to Nasion, then the cross on the upper incisor root.
    EXPECT_EQ((std::vector<double>{
                  red[0].x1, red[0].y1, red[0].x2, red[0].y2, red[16].x1, red[16].x2, red[17].y1, red[17].y2}),
              (std::vector<double>{70, 90, 140, 80, 127.5, 128.5, 129.5, 130.5}));
    // After the header's four texts and the footer: the 43 values in blue.
    const std::vector<PrintedText> texts = one.texts();
    ASSERT_EQ(texts.size(), 5u + 43u);
    for (std::size_t i = 5; i < texts.size(); ++i) EXPECT_EQ(texts[i].color, 9);
    EXPECT_TRUE(texts[4 + 1].x == 63 && texts[4 + 1].y == 84);  // SA, 7 left of and 6 above Sella
    EXPECT_TRUE(texts[4 + 36].text.starts_with("ODI = ") && texts[4 + 43].text.starts_with("PFH/AFH = "));
}

TEST(TracingPages, PageThreeBandsRowsAndComment) {
    const TracingMeasures m = MeasureTracing(PointsOnSheet(testing::SampleInput(0.1)));
    auto draw = [&](std::int16_t sex, double age, const std::string& msg = "") {
        auto s = std::make_unique<RecordingSurface>();
        s->setWidthFunction(RecordingSurface::FixedWidth(2.0));
        CephAx3(*s, m, Someone(sex, age), msg);
        return s;
    };
    auto row = [](const RecordingSurface& s, int k) { return s.textsAtY(43 + 4.5 * (k - 1)); };
    // The norms of SNB (shared with the cephalometric page) and ACB (this page's own) by sex and age band.
    for (auto [sex, age, norms] : {std::tuple{0, 10.99, "78.0 70.0"},
                                   {0, 11.0, "78.5 72.0"},
                                   {0, 13.99, "78.5 72.0"},
                                   {0, 14.0, "79.0 75.0"},
                                   {1, 15.0, "79.0 71.0"}}) {
        const auto s = draw(static_cast<std::int16_t>(sex), age);
        EXPECT_EQ(row(*s, 2)[1].text + " " + row(*s, 14)[1].text, norms) << sex << " " << age;
    }
    const auto s = draw(0, 9, std::string(70, 'a') + " " + std::string(10, 'b'));
    EXPECT_EQ(row(*s, 1)[0].text + "|" + row(*s, 6)[0].text + "|" + row(*s, 41)[0].text + "|" + row(*s, 6)[2].text +
                  "|" + row(*s, 38)[1].text,
              "SNA|Facial Convexity|Lower Lip|±3|7.0");
    EXPECT_TRUE(row(*s, 42).empty());
    EXPECT_EQ(s->findText("Comments:")->y, 229.75);
    EXPECT_TRUE(s->textsAtY(236.5).at(0).x == 40 && s->textsAtY(241).at(0).text == std::string(10, 'b'));
}

}  // namespace
}  // namespace vt
