// How long a clinician waits for the cephalometric page: drawing it on the
// off-screen page and writing that page as a PNG file.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include "ceph/CephAxPage.h"
#include "ceph/CephEval.h"
#include "ceph/CephInputs.h"
#include "intake/PatientRecord.h"
#include "platform/ImageWriter.h"
#include "platform/PageImage.h"

namespace {

vt::PatientRecord SamplePatient() {
    vt::PatientRecord p;
    p.PatientName = "홍길동";
    p.ChartNo = "1234";
    p.Sex = 1;
    p.AgeYear = 12.5;
    p.AgeMonth = 3;
    return p;
}

vt::CephRecord SampleRecord(const vt::PatientRecord& patient) {
    vt::CephRecord t;
    t.SNMP = 32;
    t.FMA = 25;
    t.PPMP = 25;
    t.PFH = 80;
    t.AFH = 120;
    t.SNA = 80;
    t.SNB = 82;
    t.FA = 88;
    t.ABMP = 70;
    t.Wits = -1;
    t.OPMP = 15;
    t.UISN = 105;
    t.IMPA = 95;
    t.UIFP = 7.5;
    t.LIFP = 4;
    t.UL = -1.5;
    t.LL = 0.5;
    vt::CephRecord r = *vt::ApplyCephInputs(t);
    r.MsgCephalo = vt::CephEval(r, patient).MsgCephalo;
    return r;
}

void BM_DrawCephPage(benchmark::State& state) {
    const vt::PatientRecord patient = SamplePatient();
    const vt::CephRecord record = SampleRecord(patient);
    for (auto _ : state) {
        QImage page = vt::DrawSavedPage([&](vt::ResultSurface& s) { vt::CephAx(s, record, patient); });
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_DrawCephPage)->Unit(benchmark::kMillisecond);

void BM_WriteCephPagePng(benchmark::State& state) {
    const vt::PatientRecord patient = SamplePatient();
    const vt::CephRecord record = SampleRecord(patient);
    const QImage page = vt::DrawSavedPage([&](vt::ResultSurface& s) { vt::CephAx(s, record, patient); });
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("CephAx.png")).toStdString();
    for (auto _ : state) benchmark::DoNotOptimize(vt::SaveBitmapAs(page, path));
}
BENCHMARK(BM_WriteCephPagePng)->Unit(benchmark::kMillisecond);

void BM_DrawAndWriteCephPage(benchmark::State& state) {
    const vt::PatientRecord patient = SamplePatient();
    const vt::CephRecord record = SampleRecord(patient);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("CephAx.png")).toStdString();
    for (auto _ : state) {
        const QImage page = vt::DrawSavedPage([&](vt::ResultSurface& s) { vt::CephAx(s, record, patient); });
        benchmark::DoNotOptimize(vt::SaveBitmapAs(page, path));
    }
}
BENCHMARK(BM_DrawAndWriteCephPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
