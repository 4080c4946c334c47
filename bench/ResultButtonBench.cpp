// How long the digitizing form's result button takes with a 12-megapixel
// grey radiograph: measuring, handing over, page 1 on screen and the three
// tracing pages drawn and written into the patient folder; against Qt's bare
// PNG save of the same three pages.

#include <benchmark/benchmark.h>
#include <QFile>

#include "Clinic.h"
#include "Ratio.h"
#include "SampleFilm.h"
#include "support/SampleTracing.h"

namespace {

// 0.0625 mm of anatomy per pixel (a film 250 mm wide), Sella at (1200, 1300).
vt::TracingInput Clicks() {
    const double mmPerPictureUnit = 0.0625 / 15;
    return vt::testing::SampleInput(mmPerPictureUnit, {1200 * 15, 1300 * 15});
}

void BM_ResultButton(benchmark::State& state) {
    bench::Clinic& clinic = bench::Clinic::Get();
    clinic.startOver();
    const QImage film = bench::GreyFilm();
    const vt::TracingInput clicks = Clicks();
    for (const char* page : {"CephAx1.png", "CephAx2.png", "CephAx3.png"}) QFile::remove(clinic.resultFile(page));
    clinic.messages.clear();
    const bool accepted = clinic.pressResultButton(film, clicks);
    const std::vector<QImage> pages = clinic.pages({"CephAx2.png", "CephAx3.png", "CephAx1.png"});
    for (const QImage& page : pages) {
        if (!accepted || !clinic.messages.isEmpty() || page.isNull()) {
            state.SkipWithError("the press was refused or wrote no page");
            return;
        }
    }
    bench::PressAgainstBareSave(
        state, [&] { clinic.pressResultButton(film, clicks); }, pages);
}
BENCHMARK(BM_ResultButton)->UseManualTime()->Iterations(16)->Unit(benchmark::kMillisecond);

}  // namespace
