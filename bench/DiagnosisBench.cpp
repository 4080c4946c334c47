// How long a clinician waits after "진  단": the diagnosis run, drawing its
// page on the off-screen page and writing Diagnosis.png, against Qt's own
// PNG encode of the same page.

#include <benchmark/benchmark.h>
#include <QImage>
#include <QTemporaryDir>

#include "diagnosis/DiagnosisPage.h"
#include "diagnosis/DiagnosisRun.h"
#include "platform/ImageWriter.h"
#include "platform/PageImage.h"

namespace {

struct Sample {
    vt::CephRecord ceph;
    vt::EvalScores scores;
    vt::ModelRecord model;
    vt::PatientRecord patient;
    vt::FindingsRecord findings;
    vt::FindingsEntries entries{"3", "-4", "2.5", "5", "6.5", "3", "0", "2", "2"};

    Sample() {
        ceph.ODI = 72, ceph.APDI = 81.5, ceph.IIA = 130, ceph.UL = 1, ceph.LL = 2, ceph.LIFP = 3;
        scores.SkelAP = 3, scores.SkelVert = -4;
        model.SOI = 2.8;
        patient.PatientName = "홍길동", patient.ChartNo = "1234", patient.Sex = 1, patient.AgeYear = 15;
        findings.optMolarRtIdx = 2, findings.optMolarLtIdx = 1, findings.optCrossRtIdx = 1, findings.optCrossLtIdx = 2;
    }
    vt::DiagnosisSources sources() const { return {ceph, scores, model, patient}; }
};

void BM_DiagnosisRunDrawAndWrite(benchmark::State& state) {
    const Sample sample;
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("Diagnosis.png")).toStdString();
    for (auto _ : state) {
        const vt::FindingsRecord run = *vt::RunDiagnosis(sample.findings, sample.entries, sample.sources());
        const QImage page = vt::DrawSavedPage([&](vt::ResultSurface& s) { vt::Diagnosis(s, run, sample.patient); });
        benchmark::DoNotOptimize(vt::SaveBitmapAs(page, path));
    }
}
BENCHMARK(BM_DiagnosisRunDrawAndWrite)->Unit(benchmark::kMillisecond);

void BM_EncodeDiagnosisPagePng(benchmark::State& state) {
    const Sample sample;
    const vt::FindingsRecord run = *vt::RunDiagnosis(sample.findings, sample.entries, sample.sources());
    const QImage page = vt::DrawSavedPage([&](vt::ResultSurface& s) { vt::Diagnosis(s, run, sample.patient); });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Diagnosis.png"));
    for (auto _ : state) benchmark::DoNotOptimize(page.save(path, "PNG"));
}
BENCHMARK(BM_EncodeDiagnosisPagePng)->Unit(benchmark::kMillisecond);

}  // namespace
