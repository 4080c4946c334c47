// How fast the cephalogram display follows the clinician with a 12-megapixel
// grey radiograph, on a shown window, the paint to the window included:
// - opening a film until its fitted view is painted, against a bare decode
//   of the same file (the grained film and the flat one);
// - the first repaint after opening, the first after each press of the
//   magnify button (either way) and later repaints at each fit, with every
//   landmark placed, and a pan step, each against a bare drawImage of the
//   same region to a shown window of the drawing area's size.
// The display makes the picture at the other fit in the background once the
// opened film is on the screen (from the event loop). Before a bare
// operation is timed, that work is finished, so that it never shares the
// machine with it. The first press of the magnify button is timed after a
// glance at the film, and, as the worst case, as soon as the event loop has
// run once (the background work just begun, so the press waits for it).

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QWidget>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include "Ratio.h"
#include "SampleFilm.h"

#include "platform/Units.h"
#include "tracing/CephDisplay.h"
#include "tracing/ClickMode.h"
#include "tracing/Landmarks.h"
#include "tracing/Radiograph.h"
#include "tracing/RepaintItems.h"

namespace {

// A 1920 x 1080 screen: the display is the screen less the tool strip and
// the margin below, as the digitizing form lays it out.
constexpr int kDisplayWidth = 1920 - vt::TwipsToPixels(2495);
constexpr int kDisplayHeight = 1080 - vt::TwipsToPixels(445);

// A look at an opened film before a button is pressed, the program's events
// handled meanwhile; 100 ms is shorter than any clinician's.
void Glance(std::chrono::milliseconds look) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(look);
}

vt::TracingRecord AllPlaced() {
    vt::TracingRecord r;
    r.ScaleX1 = 3000, r.ScaleY1 = 3000, r.ScaleX2 = 30000, r.ScaleY2 = 3000;
    for (vt::Landmark l : vt::kAllLandmarks) {
        const double k = static_cast<double>(vt::IndexOf(l) + 1);  // the placing order, from 1
        r.landmarks[l] = {2000.0 * k, 1500.0 * k};
    }
    return r;
}

// Paints `window` now, as the event loop would after the step that changed
// it, and stops the run when nothing reached the window.
void PaintNow(QWidget& window, const int& paints) {
    const int before = paints;
    window.repaint();
    if (paints == before) {
        std::fprintf(stderr, "the window did not paint: is it shown?\n");
        std::abort();
    }
}

// The display, shown, counting its paints.
class ShownDisplay : public vt::CephDisplay {
public:
    ShownDisplay() : CephDisplay(nullptr) {
        resize(kDisplayWidth, kDisplayHeight);
        show();
        QCoreApplication::processEvents();
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        CephDisplay::paintEvent(event);
    }
};

// The yardstick of a repaint: a plain shown window of the drawing area's
// size whose paint is one drawImage of what the display shows there.
class BareWindow : public QWidget {
public:
    explicit BareWindow(QImage region) : region_(std::move(region)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(region_.size());
        show();
        QCoreApplication::processEvents();
    }
    void paintNow() { PaintNow(*this, paints_); }

protected:
    void paintEvent(QPaintEvent*) override {
        ++paints_;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), region_);
    }

private:
    QImage region_;
    int paints_ = 0;
};

// The digitizing form's steps on its display, in its order (ImageForm):
// opening a film, the magnify button, a repaint with the marks.
class Digitizing {
public:
    void open(const QString& file) {
        QImage picture = vt::ReadRadiograph(file);
        if (picture.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            std::abort();
        }
        film_ = std::move(picture);
        display_.setPicture(&film_);
        vt::TracingRecord opened;
        vt::OnOpened(state_, opened, sizes());
        display_.clear();
        display_.draw(state_.view, {});
        paintNow();
    }
    void magnify() {
        const vt::Reaction r = vt::OnMagnifyButton(state_, sizes());
        if (r.clearDisplay) display_.clear();
        for (const vt::View& v : r.repaints) display_.draw(v, vt::RepaintLines(marks_, v));
        paintNow();
    }
    void repaint() {
        display_.draw(state_.view, vt::RepaintLines(marks_, state_.view));
        paintNow();
    }
    // One mouse move of a pan to display position (X, Y).
    void panTo(float X, float Y) {
        const vt::Reaction r = vt::OnMouseMove(state_, vt::kLeftButton, X, Y, sizes());
        for (const vt::View& v : r.repaints) display_.draw(v, vt::RepaintLines(marks_, v));
        paintNow();
    }
    void startPan(float X, float Y) {
        state_.ClickMode = vt::ClickModes::Pan;
        vt::TracingRecord unused;
        vt::OnMouseDown(state_, unused, vt::kLeftButton, X, Y, display_.drawingArea());
    }
    // The magnify button pressed twice: whatever the display still makes in
    // the background is finished, and the view is as it was.
    void settle() {
        magnify();
        magnify();
    }
    bool atWidthFit() const { return state_.view.Zoom == vt::WidthFit(sizes()); }

    // Whether the display shows the film at the current view (its corner at
    // the drawing area's) as Qt's smooth scaling of its 32-bit copy does: a
    // fast picture that differs would not be worth timing.
    bool showsQtScaling() {
        const QImage region = this->region();
        const double zoom = state_.view.Zoom;
        const QSize size(static_cast<int>(std::lround(film_.width() * zoom)),
                         static_cast<int>(std::lround(film_.height() * zoom)));
        QImage expected(region.size(), QImage::Format_RGB32);
        expected.fill(display_.palette().color(QPalette::Button));
        QPainter painter(&expected);
        painter.drawImage(
            0,
            0,
            film_.convertToFormat(QImage::Format_RGB32).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.end();
        return state_.view.ViewX == 0 && state_.view.ViewY == 0 && region == expected;
    }

    // The picture alone where the display shows it now, as a bare window
    // would draw it.
    QImage region() {
        display_.draw(state_.view, {});
        return display_.drawing().copy();
    }

private:
    vt::DisplaySizes sizes() const {
        return {display_.outerWidth(),
                display_.outerHeight(),
                vt::PixelsToDisplay(film_.width()),
                vt::PixelsToDisplay(film_.height())};
    }
    void paintNow() { PaintNow(display_, display_.paints); }

    ShownDisplay display_;
    QImage film_;
    vt::DigitizeState state_;
    const vt::TracingRecord marks_ = AllPlaced();
};

// One display for every benchmark, left to the end of the process: a widget
// must not outlive the application, as a static one would.
Digitizing& Shared() {
    static Digitizing* digitizing = new Digitizing;
    return *digitizing;
}

// Opening, until the fitted view is painted, against Qt's own decode of the
// same file.
void BM_OpenAndFit(benchmark::State& state, bench::Film film) {
    Digitizing& d = Shared();
    const QString& file = bench::FilmJpeg(film);
    d.open(file);
    if (!d.showsQtScaling()) {
        state.SkipWithError("the opened film differs from Qt's smooth scaling of it");
        return;
    }
    bench::RatioToBare(state, {{}, [&] { d.open(file); }, [&] { d.settle(); }}, [&] {
        QImage picture = QImageReader(file).read();
        benchmark::DoNotOptimize(picture.constBits());
    });
}
BENCHMARK_CAPTURE(BM_OpenAndFit, grained, bench::Film::Grained)
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndFit, flat, bench::Film::Flat)
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

// The first repaint with every landmark placed after the film opened.
void BM_FirstRepaintAfterOpening(benchmark::State& state) {
    Digitizing& d = Shared();
    const QString& file = bench::GreyFilmJpeg();
    d.open(file);
    BareWindow bare(d.region());
    const auto open = [&] {
        d.open(file);
        Glance(std::chrono::milliseconds(100));
    };
    bench::RatioToBare(state, {open, [&] { d.repaint(); }, [&] { d.settle(); }}, [&] { bare.paintNow(); });
}
BENCHMARK(BM_FirstRepaintAfterOpening)->UseManualTime()->Iterations(24)->Unit(benchmark::kMillisecond);

// The first repaint after the magnify button, the film opened just before:
// to the width fit (back 0), after a glance at the film (glance 1) or at
// once (glance 0: the picture at that fit still being made), or back to the
// opening fit (back 1).
void BM_FirstRepaintAfterToggle(benchmark::State& state) {
    Digitizing& d = Shared();
    const QString& file = bench::GreyFilmJpeg();
    const bool back = state.range(0) == 1, glance = state.range(1) == 1;
    const auto setup = [&] {
        d.open(file);
        if (back) d.magnify();
        Glance(std::chrono::milliseconds(glance ? 100 : 0));
    };
    setup();
    d.magnify();
    if (d.atWidthFit() == back) {
        state.SkipWithError("the magnify button did not reach the fit asked for");
        return;
    }
    if (!d.showsQtScaling()) {
        state.SkipWithError("the film after the magnify button differs from Qt's smooth scaling of it");
        return;
    }
    BareWindow bare(d.region());
    bench::RatioToBare(state, {setup, [&] { d.magnify(); }, {}}, [&] { bare.paintNow(); });
}
BENCHMARK(BM_FirstRepaintAfterToggle)
    ->ArgNames({"back", "glance"})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({1, 1})
    ->UseManualTime()
    ->Iterations(24)
    ->Unit(benchmark::kMillisecond);

// Later repaints with every landmark placed, at the opening (height) fit
// (arg 0) or the width fit (arg 1).
void BM_Repaint(benchmark::State& state) {
    Digitizing& d = Shared();
    d.open(bench::GreyFilmJpeg());
    d.settle();
    if (state.range(0) == 1) d.magnify();
    d.repaint();
    BareWindow bare(d.region());
    bench::RatioToBare(
        state, [&] { d.repaint(); }, [&] { bare.paintNow(); });
}
BENCHMARK(BM_Repaint)->ArgName("width")->Arg(0)->Arg(1)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

// One mouse move while panning the width-fitted picture downwards, one
// pixel a step, starting over at the bottom.
void BM_PanStep(benchmark::State& state) {
    Digitizing& d = Shared();
    d.open(bench::GreyFilmJpeg());
    d.settle();
    d.magnify();
    BareWindow bare(d.region());
    d.startPan(3000, 6000);
    float y = 6000;
    bench::RatioToBare(
        state,
        [&] {
            y = y > 3000 ? y - 15 : 6000;
            d.panTo(3000, y);
        },
        [&] { bare.paintNow(); });
}
BENCHMARK(BM_PanStep)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
