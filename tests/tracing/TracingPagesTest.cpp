// The three tracing pages: the radiograph under Sella on every surface, colours, places, page 3's rows.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <tuple>

#include "platform/PainterSurface.h"
#include "platform/RecordingSurface.h"
#include "support/SampleTracing.h"
#include "tracing/RadiographWindow.h"
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
    t.radiograph =
        std::make_shared<RadiographWindow>(film, RadiographWindowMm(t.SellaX, t.SellaY, 0.02), kScreenPixelsPerMm);
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
