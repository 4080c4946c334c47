// Which row filter pages are written with: the six result pages encoded by
// our PNG writer with each filter, against Qt's bare PNG save of the same
// pages, and the bytes each filter writes.

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>

#include "Clinic.h"
#include "Ratio.h"
#include "SampleFilm.h"
#include "platform/PngWriter.h"
#include "support/SampleTracing.h"

namespace {

// Written afresh by every page-writing button; null where one was refused.
std::vector<QImage> AllPages() {
    const std::vector<const char*> names{
        "ModelAx.png", "CephAx.png", "Diagnosis.png", "CephAx1.png", "CephAx2.png", "CephAx3.png"};
    bench::Clinic& clinic = bench::Clinic::Get();
    for (const char* name : names) QFile::remove(clinic.resultFile(name));
    clinic.startOver();
    clinic.pressResultButton(bench::GreyFilm(), vt::testing::SampleInput(0.0625 / 15, {1200 * 15, 1300 * 15}));
    return clinic.pages(names);
}

void BM_PngFilter(benchmark::State& state, vt::PngFilter filter) {
    static const std::vector<QImage> pages = AllPages();
    for (const QImage& page : pages) {
        if (page.isNull()) {
            state.SkipWithError("a page was not written");
            return;
        }
    }
    QTemporaryDir dir;
    qint64 bytes = 0;
    const auto write = [&] {
        bytes = 0;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            QFile file(dir.filePath(QStringLiteral("page%1.png").arg(i)));
            if (!file.open(QIODevice::WriteOnly) || !vt::WritePng(pages[i], file, filter))
                state.SkipWithError("a page could not be written");
            bytes += file.size();
        }
    };
    bench::PressAgainstBareSave(state, write, pages);
    state.counters["kB"] = double(bytes) / 1024;
}
BENCHMARK_CAPTURE(BM_PngFilter, none, vt::PngFilter::None)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PngFilter, sub, vt::PngFilter::Sub)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PngFilter, up, vt::PngFilter::Up)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
