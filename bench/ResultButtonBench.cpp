// How long the digitizing form's result button takes with a 12-megapixel
// radiograph: measuring, handing over, page 1 on screen and the three
// tracing pages drawn and written as PNG; against the bare PNG encoding of
// the same three pages.

#include <benchmark/benchmark.h>
#include <QImage>
#include <QTemporaryDir>
#include <random>

#include "Program.h"
#include "intake/PatientFolder.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "platform/ImageWriter.h"
#include "platform/MessageBox.h"
#include "platform/PageImage.h"
#include "support/SampleTracing.h"
#include "tracing/ResultButton.h"
#include "tracing/TracingPages.h"

namespace {

// 4000 x 3000 pixels of soft bone-like shading with grain, as a film scan.
QImage TwelveMegapixelFilm() {
    QImage film(4000, 3000, QImage::Format_RGB32);
    std::mt19937 grain(7);
    for (int y = 0; y < film.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(film.scanLine(y));
        for (int x = 0; x < film.width(); ++x) {
            const int v = std::clamp(40 + (x * 120 / 4000) + (y * 60 / 3000) + static_cast<int>(grain() % 24), 0, 255);
            line[x] = qRgb(v, v, v);
        }
    }
    return film;
}

// 0.0625 mm of anatomy per pixel (a film 250 mm wide), Sella at (1200, 1300).
vt::TracingInput Clicks() {
    const double mmPerPictureUnit = 0.0625 / 15;
    return vt::testing::SampleInput(mmPerPictureUnit, {1200 * 15, 1300 * 15});
}

struct Patient {
    QTemporaryDir home;
    Patient() {
        qputenv("HOME", home.path().toLocal8Bit());
        vt::SetMessageSink([](const QString&) {});
        vt::Patient().PatientName = "홍길동";
        vt::Patient().ChartNo = "1234";
        vt::Patient().Sex = 1;
        vt::Patient().AgeYear = 12.5;
        vt::CreateNewDirectory(vt::PatientFolderPath(vt::Patient()));
        vt::StartProgram();
    }
};

void BM_ResultButton(benchmark::State& state) {
    Patient patient;
    const QImage film = TwelveMegapixelFilm();
    const vt::TracingInput clicks = Clicks();
    for (auto _ : state) benchmark::DoNotOptimize(vt::PressResultButton(clicks, film, nullptr));
}
BENCHMARK(BM_ResultButton)->Unit(benchmark::kMillisecond);

void BM_EncodeTracingPagesPng(benchmark::State& state) {
    Patient patient;
    vt::PressResultButton(Clicks(), TwelveMegapixelFilm(), nullptr);
    vt::Offsets() = {vt::kSaveOriginMm, vt::kSaveOriginMm};
    const QImage pages[] = {vt::DrawSavedPage(&vt::TracingPage2),
                            vt::DrawSavedPage(&vt::TracingPage3),
                            vt::DrawSavedPage(&vt::TracingPage1)};
    vt::Offsets() = {0, 0};
    const std::string path = patient.home.filePath(QStringLiteral("page.png")).toStdString();
    for (auto _ : state)
        for (const QImage& page : pages) benchmark::DoNotOptimize(vt::SaveBitmapAs(page, path));
}
BENCHMARK(BM_EncodeTracingPagesPng)->Unit(benchmark::kMillisecond);

}  // namespace
