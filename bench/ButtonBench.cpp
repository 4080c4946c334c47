// How long the clinician waits after each analysis button that writes one
// page: the run, its page drawn on the off-screen page and written into the
// patient folder, against Qt's bare PNG save of that page.

#include <benchmark/benchmark.h>
#include <QFile>

#include "Clinic.h"
#include "Ratio.h"

namespace {

struct Button {
    const char* form;
    const char* button;
    const char* page;
};

void BM_PageButton(benchmark::State& state, Button b) {
    bench::Clinic& clinic = bench::Clinic::Get();
    clinic.startOver();
    QFile::remove(clinic.resultFile(b.page));
    clinic.messages.clear();
    clinic.click(b.form, b.button);
    const std::vector<QImage> pages = clinic.pages({b.page});
    if (!clinic.messages.isEmpty() || pages.front().isNull()) {
        state.SkipWithError("the press was refused or wrote no page");
        return;
    }
    bench::PressAgainstBareSave(
        state, [&] { clinic.click(b.form, b.button); }, pages);
}
BENCHMARK_CAPTURE(BM_PageButton, ModelAx, Button{"frmModel", "cmdTotalTeeth", "ModelAx.png"})
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageButton, CephAx, Button{"frmCephalo", "cmdCephalo", "CephAx.png"})
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PageButton, Diagnosis, Button{"frmDiagnosis", "cmdDiagnosis", "Diagnosis.png"})
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

}  // namespace
