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
#include "platform/Forms.h"
#include "platform/ImageWriter.h"
#include "platform/PageImage.h"
#include "platform/Seams.h"
#include "support/SampleTracing.h"
#include "tracing/ImageForm.h"
#include "tracing/Landmarks.h"
#include "tracing/Radiograph.h"
#include "tracing/TracingRecord.h"

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
    vt::SeamsGuard seams;
    Patient() {
        qputenv("HOME", home.path().toLocal8Bit());
        vt::CurrentSeams().message = [](const QString&, const QString&) {};
        vt::Patient().PatientName = "홍길동";
        vt::Patient().ChartNo = "1234";
        vt::Patient().Sex = 1;
        vt::Patient().AgeYear = 12.5;
        vt::CreateNewDirectory(vt::PatientFolderPath(vt::Patient()));
        vt::StartProgram();
        vt::Forms::Show("frmCephalo");
    }
    ~Patient() { vt::Forms::UnloadAll(); }
    // The digitizing form with the film open and every landmark placed.
    static void placeClicks(const QImage& film) {
        vt::Radiograph() = film;
        const vt::TracingInput clicks = Clicks();
        vt::Tracing().MmPerPixel = clicks.MmPerPixel;
        for (const vt::Landmark l : vt::kAllLandmarks)
            vt::Tracing().landmarks[l] = {clicks.landmarks[l].x, clicks.landmarks[l].y};
    }
};

void BM_ResultButton(benchmark::State& state) {
    Patient patient;
    Patient::placeClicks(TwelveMegapixelFilm());
    for (auto _ : state) vt::Forms::Get<vt::ImageForm>().cmdPreview_Click();
}
BENCHMARK(BM_ResultButton)->Unit(benchmark::kMillisecond);

void BM_EncodeTracingPagesPng(benchmark::State& state) {
    Patient patient;
    Patient::placeClicks(TwelveMegapixelFilm());
    vt::Forms::Get<vt::ImageForm>().cmdPreview_Click();
    const QImage pages[] = {vt::DrawSavedPage(vt::PageProcedureFor(vt::PreviewState::Tracing2)),
                            vt::DrawSavedPage(vt::PageProcedureFor(vt::PreviewState::Tracing3)),
                            vt::DrawSavedPage(vt::PageProcedureFor(vt::PreviewState::Tracing1))};
    const std::string path = patient.home.filePath(QStringLiteral("page.png")).toStdString();
    for (auto _ : state)
        for (const QImage& page : pages) benchmark::DoNotOptimize(vt::SaveBitmapAs(page, path));
}
BENCHMARK(BM_EncodeTracingPagesPng)->Unit(benchmark::kMillisecond);

}  // namespace
