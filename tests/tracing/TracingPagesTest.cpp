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
#include <sstream>
#include <tuple>

#include "pages/PageText.h"
#include "platform/PageImage.h"
#include "platform/PainterSurface.h"
#include "platform/Printer.h"
#include "platform/RecordingSurface.h"
#include "platform/Seams.h"
#include "support/SampleTracing.h"
#include "support/WorkedTracing.h"
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
        SCOPED_TRACE(::testing::Message() << "origin " << r.originX << "," << r.originY << " at " << r.ppm << " px/mm");
        // The 6.3 mm square, life-size, centred on (70, 90); white beside the film.
        for (double d : {-2.9, 2.9})
            for (const QPointF p : {QPointF(70 + d, 90), QPointF(70, 90 + d)}) {
                const QColor c = at(p.x(), p.y());
                EXPECT_GT(c.green(), 200) << "inside the square at " << p.x() << "," << p.y();
                EXPECT_LT(c.red(), 60) << "inside the square at " << p.x() << "," << p.y();
            }
        for (double d : {-3.5, 3.5})
            for (const QPointF p : {QPointF(70 + d, 90), QPointF(70, 90 + d)}) {
                const QColor c = at(p.x(), p.y());
                const bool green = c.green() > 200 && c.red() < 60;
                EXPECT_FALSE(green) << "the square reaches " << p.x() << "," << p.y() << ": " << c.name().toStdString();
            }
        EXPECT_EQ(at(40, 150), QColor(Qt::white)) << "left of the film";
        EXPECT_EQ(at(150, 150).red(), 128) << "on the film";
        EXPECT_EQ(at(185, 150), QColor(Qt::white)) << "right of the film";
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
    EXPECT_EQ(one.ops().front().kind, SurfaceOp::PaintPicture);
    EXPECT_EQ(two.count(SurfaceOp::PaintPicture), 0);
    EXPECT_EQ(two.count(SurfaceOp::Line), 26);
    EXPECT_EQ(two.texts().at(5).color, 0);
    std::vector<DrawnLine> red;
    for (const DrawnLine& l : one.lines()) {
        if (l.color == 12) red.push_back(l);
        const bool tableRule = l.y1 == 40 && l.y2 == 40;
        EXPECT_FALSE(tableRule) << "a table rule at y 40 from x " << l.x1 << " to " << l.x2;
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
    // SA, 7 left of and 6 above Sella.
    EXPECT_EQ(texts[4 + 1].x, 63);
    EXPECT_EQ(texts[4 + 1].y, 84);
    EXPECT_EQ(texts[4 + 36].text.substr(0, 6), "ODI = ");
    EXPECT_EQ(texts[4 + 43].text.substr(0, 10), "PFH/AFH = ");
}

// The worked tracing (no radiograph), as the result button hands it to the pages.
TracingResult Worked() {
    TracingResult t;
    t.points = PointsOnSheet(testing::WorkedInput());
    t.measures = MeasureTracing(t.points);
    return t;
}

using PageDrawer = void (*)(ResultSurface&, const TracingResult&, const PatientRecord&);
struct DrawingPage {
    const char* name;
    PageDrawer draw;
    int lineColor, textColor;
};
// Page 1 in red and blue over the radiograph, page 2 in the header's black.
const DrawingPage kDrawingPages[] = {{"page 1", CephAx1, 12, 9}, {"page 2", CephAx2, 0, 0}};

std::string Described(double x1, double y1, double x2, double y2, int color) {
    std::ostringstream out;
    out << x1 << "," << y1 << " - " << x2 << "," << y2 << " in " << color;
    return out.str();
}

// The 26 strokes of the worked tracing, in drawing order, between the points the worked tracing places.
TEST(TracingPages, PagesOneAndTwoDrawEachLineBetweenItsOwnPoints) {
    struct Stroke {
        const char* name;
        double x1, y1, x2, y2;
    };
    const Stroke strokes[] = {
        {"Sella-Nasion", 70, 90, 140, 90},
        {"Porion-Orbitale", 40, 95, 120, 105},
        {"PNS-ANS", 90, 130, 150, 125},
        {"IncisalMid-MolarMid", 144, 160, 104, 170},
        {"Gonion-Gnathion", 40, 165, 140, 215},
        {"Sella-Articulare", 70, 90, 40, 130},
        {"Articulare-Gonion", 40, 130, 40, 165},
        {"Sella-Gnathion", 70, 90, 140, 215},
        {"Sella-Gonion", 70, 90, 40, 165},
        {"Nasion-Gonion", 140, 90, 40, 165},
        {"Nasion-Gnathion", 140, 90, 140, 215},
        {"Nasion-APoint", 140, 90, 136, 130},
        {"Nasion-BPoint", 140, 90, 128, 180},
        {"Mx1Crown-U1SN", 146, 158, 116, 90},
        {"Mn1Crown-L1MP", 142, 162, 122, 206},
        {"NoseTip-SoftPogonion", 170, 125, 150, 210},
        {"Mx1Root cross, across", 130.5, 124, 131.5, 124},
        {"Mx1Root cross, down", 131, 123.5, 131, 124.5},
        {"Mn1Root cross, across", 126.5, 195, 127.5, 195},
        {"Mn1Root cross, down", 127, 194.5, 127, 195.5},
        {"Mx6Distal-Mx6Root", 106, 168, 108, 140},
        {"Mn6Distal-Mn6Root", 102, 172, 100, 195},
        {"UpperLip cross, across", 159.5, 160, 160.5, 160},
        {"UpperLip cross, down", 160, 159.5, 160, 160.5},
        {"LowerLip cross, across", 159.5, 180, 160.5, 180},
        {"LowerLip cross, down", 160, 179.5, 160, 180.5},
    };
    const TracingResult t = Worked();
    for (const DrawingPage& page : kDrawingPages) {
        RecordingSurface s;
        page.draw(s, t, Someone());
        std::vector<DrawnLine> tracing;  // all but the blue rules
        for (const DrawnLine& l : s.lines())
            if (l.color != 9) tracing.push_back(l);
        ASSERT_EQ(tracing.size(), std::size(strokes)) << page.name;
        for (std::size_t i = 0; i < tracing.size(); ++i) {
            const DrawnLine& l = tracing[i];
            const Stroke& want = strokes[i];
            EXPECT_EQ(Described(l.x1, l.y1, l.x2, l.y2, l.color),
                      Described(want.x1, want.y1, want.x2, want.y2, page.lineColor))
                << page.name << ": " << want.name;
        }
    }
}

// The 43 values of the worked tracing, each at its own place beside the structure it measures.
TEST(TracingPages, PagesOneAndTwoWriteEachValueAtItsOwnPlace) {
    struct Value {
        const char* name;
        const char* text;
        double x, y;
    };
    const Value values[] = {
        {"SA", "126.9", 63, 84},                // Sella - 7, - 6
        {"AA", "143.1", 29, 128},               // Articulare - 11, - 2
        {"GA", "116.6", 29, 168},               // Gonion - 11, + 3
        {"UGA", "53.1", 40, 153},               // Gonion, - 12
        {"LGA", "63.4", 45, 162},               // Gonion + 5, - 3
        {"FA", "97.1", 119, 106},               // Orbitale - 1, + 1
        {"FC", "-9.0", 151, 117},               // ANS + 1, - 8
        {"ABA", "-9.1", 151, 128},              // ANS + 1, + 3
        {"YA", "53.6", 83, 102},                // mid(Po, Or) (80, 100) + 3, + 2
        {"SNMP", "26.6", 25, 90},               // Porion.x - 15, Sella.y
        {"FMA", "19.4", 25, 95},                // Porion.x - 15, Porion.y
        {"PPMP", "31.3", 25, 130},              // Porion.x - 15, PNS.y
        {"OPMP", "40.6", 25, 170},              // Porion.x - 15, MolarMid.y
        {"ACB", "70.0", 100, 85},               // mid(S, N) (105, 90) - 5, - 5
        {"PCB", "50.0", 45, 108},               // mid(S, Ar) (55, 110) - 10, - 2
        {"RH", "35.0", 30, 147.5},              // mid(Ar, Go) (40, 147.5) - 10
        {"BL", "100.6", 80, 190.5},             // mid(Go, Me) (85, 187.5) - 5, + 3
        {"FD", "125.0", 91, 122.5},             // mid(Go, N) (90, 127.5) + 1, - 5
        {"FL", "143.3", 97, 140.5},             // mid(S, Gn) (105, 152.5) - 8, - 12
        {"PFH", "80.8", 57, 124.5},             // mid(S, Go) (55, 127.5) + 2, - 3
        {"AFH", "120.4", 135, 85},              // Nasion - 5, - 5
        {"Wits", "19.9", 170, 168},             // NoseTip.x, mid(UL', LL').y - 2
        {"UISN", "113.8", 106, 93},             // U1SN - 10, + 3
        {"IMPA", "87.9", 113, 208},             // L1MP - 9, + 2
        {"FMIA", "72.7", 152, 106},             // Orbitale + 32, + 1
        {"ABMP", "72.5", 133, 216},             // Gnathion - 7, + 1
        {"IIA", "131.8", 114, 163},             // mid(IM, MM) (124, 165) - 10, - 2
        {"UIOP", "80.2", 114, 157},             // mid(IM, MM) - 10, - 8
        {"LIOP", "51.5", 114, 169},             // mid(IM, MM) - 10, + 4
        {"UIFP", "6.0", 148, 155},              // Mx1Crown.x + 2, IncisalMid.y - 5
        {"LIFP", "2.0", 144, 163},              // Mn1Crown.x + 2, IncisalMid.y + 3
        {"UIAP", "8.4", 133, 153},              // Mx1Crown.x - 13, IncisalMid.y - 7
        {"LIAP", "4.2", 129, 161},              // Mn1Crown.x - 13, IncisalMid.y + 1
        {"UL", "-1.7", 163, 158},               // UpperLip + 3, - 2
        {"LL", "2.9", 163, 178},                // LowerLip + 3, - 2
        {"ODI", "ODI = 60.6", 25, 50},          // Porion.x - 15, Sella.y - 40
        {"APDI", "APDI = 76.1", 25, 55},        // Porion.x - 15, Sella.y - 35
        {"SNA", "84.3", 152, 45},               // Nasion.x + 12, Sella.y - 45
        {"SNB", "82.4", 152, 50},               // Nasion.x + 12, Sella.y - 40
        {"ANB", "1.9", 152, 55},                // Nasion.x + 12, Sella.y - 35
        {"SNPg", "90.0", 152, 60},              // Nasion.x + 12, Sella.y - 30
        {"Sum", "Sum = 386.6", 25, 205},        // Porion.x - 15, Gonion.y + 40
        {"PFHAFH", "PFH/AFH = 67.1", 25, 210},  // Porion.x - 15, Gonion.y + 45
    };
    const TracingResult t = Worked();
    for (const DrawingPage& page : kDrawingPages) {
        RecordingSurface s;
        page.draw(s, t, Someone());
        const std::vector<PrintedText> printed = s.texts();
        EXPECT_EQ(printed.size(), 5 + std::size(values)) << page.name << ": the header's four texts, the footer";
        for (const Value& v : values) {
            std::string found = "nothing";
            for (const PrintedText& p : printed)
                if (std::abs(p.x - v.x) < 1e-9 && std::abs(p.y - v.y) < 1e-9)
                    found = p.text + " in " + std::to_string(p.color);
            EXPECT_EQ(found, v.text + (" in " + std::to_string(page.textColor))) << page.name << ": " << v.name;
        }
    }
}

// Every row of page 3 for both sexes in each age band: its label, the norm, the SD and the worked tracing's value.
TEST(TracingPages, PageThreeEveryLabelNormAndValue) {
    struct Row {
        const char* label;
        double norms[6];  // boys under 11, 11 to 14, 14 and over; girls likewise
        int sd;
        const char* value;
    };
    const Row rows[] = {
        {"SNA", {82, 82, 82, 82, 82, 82}, 3, "84.3"},
        {"SNB", {78, 78.5, 79, 78, 78.5, 79}, 3, "82.4"},
        {"ANB", {4, 3.5, 3, 4, 3.5, 3}, 2, "1.9"},
        {"SNPg", {79, 79.5, 80, 79, 79.5, 80}, 3, "90.0"},
        {"Facial Angle", {86, 86.5, 87, 86, 86.5, 87}, 3, "97.1"},
        {"Facial Convexity", {7, 6, 5, 7, 6, 5}, 3, "-9.0"},
        {"AB Plane Angle", {-7, -6, -5, -7, -6, -5}, 3, "-9.1"},
        {"AB/MP", {72, 71.5, 71, 72, 71.5, 71}, 4, "72.5"},
        {"Y Axis to FH", {61, 61, 61, 61, 61, 61}, 3, "53.6"},
        {"Saddle Angle", {125, 125, 125, 125, 125, 125}, 5, "126.9"},
        {"Articular Angle", {149, 149, 149, 149, 149, 149}, 5, "143.1"},
        {"Gonial Angle", {122, 121, 120, 122, 121, 120}, 5, "116.6"},
        {"Sum", {396, 395, 394, 396, 395, 394}, 4, "386.6"},
        {"Anterior Cranial Base", {70, 72, 75, 68, 69, 71}, 4, "70.0"},
        {"Posterior Cranial Base", {35, 38, 41, 34, 36, 38}, 4, "50.0"},
        {"Ramus Height", {44, 47, 56, 43, 46, 52}, 5, "35.0"},
        {"Mn Body Length", {73, 76, 82, 70, 73, 78}, 5, "100.6"},
        {"Facial Depth", {118, 124, 138, 115, 119, 128}, 6, "125.0"},
        {"Facial Length", {133, 138, 150, 126, 131, 140}, 6, "143.3"},
        {"Post Face Height", {76, 82, 96, 74, 79, 87}, 5, "80.8"},
        {"Ant Face Height", {119, 124, 139, 117, 121, 129}, 6, "120.4"},
        {"Post/Ant Face Ht Ratio", {63, 66, 69, 63, 65, 67}, 4, "67.1"},
        {"SN/MP", {36, 35, 34, 36, 35, 34}, 4, "26.6"},
        {"FH/MP (FMA)", {29, 28, 27, 29, 28, 27}, 4, "19.4"},
        {"PP/MP", {28, 27, 26, 28, 27, 26}, 4, "31.3"},
        {"ODI", {73, 72.5, 72, 73, 72.5, 72}, 5, "60.6"},
        {"APDI", {80, 81.5, 83, 80, 81.5, 83}, 4, "76.1"},
        {"Wits (AO/BO)", {-2, -2, -2, -2, -2, -2}, 2, "19.9"},
        {"OP/MP", {15, 15, 15, 15, 15, 15}, 4, "40.6"},
        {"UI to SN", {105, 106, 107, 105, 106, 107}, 5, "113.8"},
        {"LI to MP (IMPA)", {95, 95, 95, 95, 95, 95}, 5, "87.9"},
        {"LI to FH (FMIA)", {56, 57, 58, 56, 57, 58}, 5, "72.7"},
        {"Dent Convexity (IIA)", {124, 124, 124, 124, 124, 124}, 7, "131.8"},
        {"UI to OP", {54, 54, 54, 54, 54, 54}, 4, "80.2"},
        {"LI to OP", {70, 70, 70, 70, 70, 70}, 4, "51.5"},
        {"UI to FP (mm)", {9, 9, 9, 9, 9, 9}, 3, "6.0"},
        {"LI to FP (mm)", {6, 6, 6, 6, 6, 6}, 3, "2.0"},
        {"UI to APg (mm)", {7, 7, 7, 7, 7, 7}, 2, "8.4"},
        {"LI to APg (mm)", {4, 4, 4, 4, 4, 4}, 2, "4.2"},
        {"Upper Lip", {1.5, 0.5, -0.5, 1, 0, -1}, 2, "-1.7"},
        {"Lower Lip", {3.5, 2.5, 1.5, 3, 2, 1}, 2, "2.9"},
    };
    struct Patient {
        const char* name;
        std::int16_t sex;
        double age;
    };
    const Patient patients[] = {{"boy of 10.99", 0, 10.99},
                                {"boy of 11", 0, 11},
                                {"boy of 14", 0, 14},
                                {"girl of 10.99", 1, 10.99},
                                {"girl of 11", 1, 11},
                                {"girl of 14", 1, 14}};
    const TracingMeasures m = Worked().measures;
    for (std::size_t band = 0; band < std::size(patients); ++band) {
        const Patient& p = patients[band];
        RecordingSurface s;
        s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
        CephAx3(s, m, Someone(p.sex, p.age), "");
        EXPECT_EQ(LineAt(s, 33), "30:Cephalo Analysis|90:Norm|115:SD|140:Patient") << p.name;
        for (std::size_t k = 0; k < std::size(rows); ++k) {
            const Row& r = rows[k];
            std::ostringstream want;
            want.setf(std::ios::fixed);
            want.precision(1);
            want << "30:" << r.label << "|90:" << r.norms[band] << "|115:±" << r.sd << "|140:" << r.value;
            std::string got = LineAt(s, 43 + 4.5 * static_cast<double>(k));
            got = got.substr(0, got.find("|160:"));  // the arrows are the page kit's
            EXPECT_EQ(got, want.str()) << p.name << ", row " << k + 1;
        }
    }
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
    EXPECT_EQ(s->textsAtY(236.5).at(0).x, 40);
    EXPECT_EQ(s->textsAtY(241).at(0).text, std::string(10, 'b'));
}

}  // namespace
}  // namespace vt
