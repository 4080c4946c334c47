// How fast the cephalogram display follows the clinician with a 12-megapixel
// grey radiograph: opening it (decode and fit) against a bare decode of the
// file, a repaint at each fit with every landmark placed against a bare
// drawImage of the same scaled picture, and a pan step.

#include <benchmark/benchmark.h>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "Ratio.h"
#include "SampleFilm.h"

#include "platform/Palette.h"
#include "tracing/CephDisplay.h"
#include "tracing/ClickMode.h"
#include "tracing/Landmarks.h"
#include "tracing/Radiograph.h"
#include "tracing/RepaintItems.h"

namespace {

// A 1920 x 1080 screen: the display is the screen less the tool strip.
constexpr int kDisplayWidth = 1920 - 2495 / 15;
constexpr int kDisplayHeight = 1080 - 445 / 15;

vt::TracingRecord AllPlaced() {
    vt::TracingRecord r;
    r.ScaleX1 = 3000, r.ScaleY1 = 3000, r.ScaleX2 = 30000, r.ScaleY2 = 3000;
    for (vt::Landmark l : vt::kAllLandmarks) {
        const double k = static_cast<double>(vt::IndexOf(l) + 1);  // the placing order, from 1
        r.landmarks[l] = {2000.0 * k, 1500.0 * k};
    }
    return r;
}

struct Scene {
    vt::CephDisplay display{nullptr};
    QImage picture = vt::ReadRadiograph(bench::GreyFilmJpeg());
    vt::DisplaySizes sizes;
    Scene() {
        display.resize(kDisplayWidth, kDisplayHeight);
        display.setPicture(&picture);
        sizes = {display.outerWidth(),
                 display.outerHeight(),
                 vt::PixelsToDisplay(picture.width()),
                 vt::PixelsToDisplay(picture.height())};
    }
};

Scene& SharedScene() {
    static Scene scene;
    return scene;
}

// Opening against Qt's own decode of the same file.
void BM_OpenAndFit(benchmark::State& state) {
    vt::CephDisplay display(nullptr);
    display.resize(kDisplayWidth, kDisplayHeight);
    const auto open = [&] {
        QImage picture = vt::ReadRadiograph(bench::GreyFilmJpeg());
        display.setPicture(&picture);
        const vt::DisplaySizes sizes{display.outerWidth(),
                                     display.outerHeight(),
                                     vt::PixelsToDisplay(picture.width()),
                                     vt::PixelsToDisplay(picture.height())};
        display.clear();
        display.draw(vt::View{vt::OpeningZoom(sizes), 0, 0}, {});
        benchmark::DoNotOptimize(display.drawing().constBits());
        display.setPicture(nullptr);
    };
    const auto bareDecode = [] {
        QImage picture = QImageReader(bench::GreyFilmJpeg()).read();
        benchmark::DoNotOptimize(picture.constBits());
    };
    bench::RatioToBare(state, open, bareDecode);
}
BENCHMARK(BM_OpenAndFit)->UseManualTime()->Iterations(16)->Unit(benchmark::kMillisecond);

// Arg 0: the opening (height) fit; 1: the width fit.
double FitZoom(const vt::DisplaySizes& sizes, int which) {
    return which == 0 ? vt::OpeningZoom(sizes) : vt::ToggledZoom(vt::OpeningZoom(sizes), sizes);
}

// A repaint with every landmark placed against Qt's own drawImage of the
// same scaled picture on a canvas of the display's size.
void BM_RepaintAllPlaced(benchmark::State& state) {
    Scene& s = SharedScene();
    const vt::TracingRecord record = AllPlaced();
    const double zoom = FitZoom(s.sizes, static_cast<int>(state.range(0)));
    const vt::View view{zoom, 0, 0};
    s.display.draw(view, {});  // the scaled copy is made once per zoom
    const QImage scaled = s.picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(qRound(s.picture.width() * zoom),
                                      qRound(s.picture.height() * zoom),
                                      Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    QImage canvas(kDisplayWidth - 4, kDisplayHeight - 4, QImage::Format_RGB32);
    bench::RatioToBare(
        state,
        [&] { s.display.draw(view, vt::RepaintLines(record, view)); },
        [&] {
            QPainter painter(&canvas);
            painter.drawImage(QPoint(0, 0), scaled);
        });
}
BENCHMARK(BM_RepaintAllPlaced)->Arg(0)->Arg(1)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

// One mouse move while panning the width-fitted picture downwards.
void BM_PanStep(benchmark::State& state) {
    Scene& s = SharedScene();
    const vt::TracingRecord record = AllPlaced();
    vt::DigitizeState d;
    d.view = {FitZoom(s.sizes, 1), 0, 0};
    d.ClickMode = vt::ClickModes::Pan;
    s.display.draw(d.view, {});
    vt::TracingRecord unused;
    vt::OnMouseDown(d, unused, vt::kLeftButton, 3000, 6000, s.display.drawingArea());
    float y = 6000;
    for (auto _ : state) {
        y = y > 3000 ? y - 15 : 6000;  // one pixel a step, starting over at the bottom
        const vt::Reaction r = vt::OnMouseMove(d, vt::kLeftButton, 3000, y, s.sizes);
        for (const vt::View& v : r.repaints) s.display.draw(v, vt::RepaintLines(record, v));
    }
}
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond);

}  // namespace
