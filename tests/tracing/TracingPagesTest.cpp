// The three tracing pages: page 1's radiograph under Sella on every surface,
// the tracing's colours and places, and page 3's bands and rows.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/PageImage.h"
#include "platform/PainterSurface.h"
#include "platform/RecordingSurface.h"
#include "tracing/RadiographWindow.h"
#include "tracing/SampleTracing.h"
#include "tracing/TracingDrawingPages.h"
#include "tracing/TracingNormPage.h"

namespace vt {
namespace {

PatientRecord Someone(std::int16_t sex = 0, double age = 12.5) {
    PatientRecord p;
    p.PatientName = "이서연";
    p.ChartNo = "77";
    p.Sex = sex;
    p.AgeYear = age;
    return p;
}

TracingResult SampleResult() {
    TracingResult t;
    t.points = PointsOnSheet(testing::SampleInput(0.1));
    t.measures = MeasureTracing(t.points);
    return t;
}

// A grey radiograph of 400 x 300 pixels with a green 21-pixel square on
// Sella at pixel (40, 30), 0.3 mm of anatomy per pixel: the window reaches
// beyond its left and top edges.
TracingResult OnRadiograph(double pixelsPerMm) {
    QImage film(400, 300, QImage::Format_RGB32);
    film.fill(QColor(128, 128, 128));
    QPainter(&film).fillRect(30, 20, 21, 21, Qt::green);
    TracingResult t;  // every tracing point at (0, 0), off the window
    t.SellaX = 40 * 15 + 7.5, t.SellaY = 30 * 15 + 7.5, t.MmPerPixel = 0.02;
    t.radiograph = std::make_shared<RadiographWindow>(film, RadiographWindowMm(t.SellaX, t.SellaY, 0.02),
                                                      pixelsPerMm);
    return t;
}

TEST(TracingPages, RadiographSellaLiesUnderTracedSellaOnEverySurface) {
    struct Row { double originX, originY, ppm; };
    const Row rows[] = {{0, 0, kScreenPixelsPerMm}, {0, 40, kScreenPixelsPerMm}, {0, 60, kScreenPixelsPerMm},
                        {15, 15, kScreenPixelsPerMm}, {0, 0, 4 * kScreenPixelsPerMm}};
    for (const Row& r : rows) {
        const TracingResult t = OnRadiograph(kScreenPixelsPerMm);
        QImage image(static_cast<int>(210 * r.ppm), static_cast<int>(200 * r.ppm), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface s(painter, r.originX, r.originY, r.ppm);
        CephAx1(s, t, Someone(), {r.originX, r.originY});
        painter.end();
        // The green square's bounds, in sheet millimetres.
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.green() < 200 || c.red() > 60 || c.blue() > 60) continue;
                x0 = std::min(x0, x / r.ppm), x1 = std::max(x1, (x + 1) / r.ppm);
                y0 = std::min(y0, y / r.ppm), y1 = std::max(y1, (y + 1) / r.ppm);
            }
        EXPECT_NEAR((x0 + x1) / 2 + r.originX, 70, 0.3) << r.originY << " " << r.ppm;
        EXPECT_NEAR((y0 + y1) / 2 + r.originY, 90, 0.3) << r.originY << " " << r.ppm;
        EXPECT_NEAR(x1 - x0, 21 * 0.3, 0.6);  // life-size by the clinician's scale
        auto at = [&](double x, double y) {
            return image.pixelColor(static_cast<int>((x - r.originX) * r.ppm), static_cast<int>((y - r.originY) * r.ppm));
        };
        EXPECT_EQ(at(40, 150), QColor(Qt::white));  // left of the film
        EXPECT_EQ(at(150, 150).red(), 128);                                 // on the film
        EXPECT_EQ(at(185, 150), QColor(Qt::white));                         // right of it
    }
}

TEST(TracingPages, PageOneRedOverBluePageTwoBlackWithoutRadiograph) {
    TracingResult t = SampleResult();
    t.MmPerPixel = 0.1;
    t.radiograph = OnRadiograph(kScreenPixelsPerMm).radiograph;
    RecordingSurface one, two;
    CephAx1(one, t, Someone(), {});
    CephAx2(two, t, Someone());
    EXPECT_EQ(one.ops().front().kind, SurfaceOp::PaintPicture);
    EXPECT_EQ(two.count(SurfaceOp::PaintPicture), 0);

    std::vector<DrawnLine> red;
    for (const DrawnLine& l : one.lines()) if (l.color == 12) red.push_back(l);
    ASSERT_EQ(red.size(), 26u);
    EXPECT_EQ(two.count(SurfaceOp::Line), 26);  // in the text colour, black
    EXPECT_EQ((std::vector<double>{red[0].x1, red[0].y1, red[0].x2, red[0].y2}),
              (std::vector<double>{70, 90, 140, 80}));  // Sella to Nasion first
    EXPECT_EQ((std::vector<double>{red[16].x1, red[16].x2, red[17].y1, red[17].y2}),
              (std::vector<double>{127.5, 128.5, 129.5, 130.5}));  // the cross on the upper incisor root
    for (const DrawnLine& l : one.lines()) EXPECT_NE(l.y1 == 40 && l.y2 == 40, true);  // no table rule

    // After the header's four texts and the footer: the 43 values in blue.
    const std::vector<PrintedText> texts = one.texts();
    ASSERT_EQ(texts.size(), 5u + 43u);
    for (std::size_t i = 5; i < texts.size(); ++i) EXPECT_EQ(texts[i].color, 9);
    struct Place { std::size_t row; const char* prefix; double x, y; };
    const Place places[] = {{36, "ODI = ", 33, 50}, {37, "APDI = ", 33, 55}, {42, "Sum = ", 33, -1},
                            {43, "PFH/AFH = ", 33, -1}, {38, "", 152, 45}};
    for (const Place& p : places) {
        const PrintedText& pt = texts[4 + p.row];
        EXPECT_EQ(pt.text.rfind(p.prefix, 0), 0u) << pt.text;
        EXPECT_EQ(pt.x, p.x) << pt.text;
        EXPECT_EQ(p.y < 0 || pt.y == p.y, true) << pt.text;
    }
    EXPECT_EQ(texts[5].x, 63);  // SA: 7 left of and 6 above Sella
    EXPECT_EQ(texts[5].y, 84);
    EXPECT_EQ(texts[5 + 8].x, (48 + 125) / 2.0 + 3);  // YA: beside the middle of Po-Or
    EXPECT_EQ(texts[5 + 21].y, (160 + 178) / 2.0 - 2);  // Wits: between the lips
    EXPECT_EQ(two.texts()[5].color, 0);
}

TEST(TracingPages, PageThreeBandsRowsAndComment) {
    const TracingMeasures m = MeasureTracing(PointsOnSheet(testing::SampleInput(0.1)));
    auto draw = [&](std::int16_t sex, double age, std::string msg = "") {
        auto s = std::make_unique<RecordingSurface>();
        s->setWidthFunction(RecordingSurface::FixedWidth(2.0));
        CephAx3(*s, m, Someone(sex, age), msg);
        return s;
    };
    auto norm = [](const RecordingSurface& s, int row) { return s.textsAtY(43 + 4.5 * (row - 1))[1].text; };
    struct Band { std::int16_t sex; double age; const char *snb, *acb, *rh, *fl; };
    const Band bands[] = {
        {0, 10.99, "78.0", "70.0", "44.0", "133.0"}, {0, 11, "78.5", "72.0", "47.0", "138.0"},
        {0, 13.99, "78.5", "72.0", "47.0", "138.0"}, {0, 14, "79.0", "75.0", "56.0", "150.0"},
        {1, 15, "79.0", "71.0", "52.0", "140.0"},    {1, 11, "78.5", "69.0", "46.0", "131.0"},
    };
    for (const Band& b : bands) {
        const auto s = draw(b.sex, b.age);
        EXPECT_EQ(norm(*s, 2), b.snb) << b.age;
        EXPECT_EQ(norm(*s, 14), b.acb) << b.age;
        EXPECT_EQ(norm(*s, 16), b.rh) << b.age;
        EXPECT_EQ(norm(*s, 19), b.fl) << b.age;
    }
    const auto s = draw(0, 9, std::string(70, 'a') + " " + std::string(10, 'b'));
    const char* const labels[] = {"SNA", "Facial Convexity", "Saddle Angle", "Sum", "ODI", "Wits (AO/BO)",
                                  "UI to APg (mm)", "Lower Lip"};
    const int rows[] = {1, 6, 10, 13, 26, 28, 38, 41};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s->textsAtY(43 + 4.5 * (rows[i] - 1))[0].text, labels[i]);
    const std::vector<PrintedText> fc = s->textsAtY(43 + 4.5 * 5);
    EXPECT_EQ(fc[2].text, "±3");
    EXPECT_EQ(fc[3].x, 140);
    EXPECT_EQ(s->textsAtY(43 + 4.5 * 37)[1].text, "7.0");  // UI to APg
    EXPECT_TRUE(s->textsAtY(43 + 4.5 * 41).empty());       // nothing between row 41 and the comment
    ASSERT_TRUE(s->findText("Comments:"));
    EXPECT_EQ(s->findText("Comments:")->y, 229.75);
    EXPECT_EQ(s->textsAtY(236.5).at(0).x, 40);
    EXPECT_EQ(s->textsAtY(241).at(0).text, std::string(10, 'b'));
}

}  // namespace
}  // namespace vt
