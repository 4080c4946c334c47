// What the program holds of one patient: the next patient starts from nothing of it, and writing the
// result files needs no form.

#include <QFileInfo>

#include "ceph/CephRecord.h"
#include "ceph/EvalScores.h"
#include "diagnosis/FindingsRecord.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "intake/SaveResultPages.h"
#include "model/ModelRecord.h"
#include "support/ProgramFixture.h"
#include "tracing/Radiograph.h"
#include "tracing/TracingRecord.h"
#include "tracing/TracingResult.h"

namespace vt::testing {
namespace {

using SessionTest = ProgramTest;

// Each record the analyses share, marked by one value as a visit leaves it; after "다음 환자" each reads
// as at the program's start.
TEST_F(SessionTest, TheNextPatientStartsFromNothingOfTheLast) {
    const struct {
        const char* record;
        void (*mark)();
        double (*read)();
        double start;
    } rows[] = {
        {"patient", [] { Patient().AgeYear = 12; }, [] { return Patient().AgeYear; }, 0},
        {"model", [] { Model().SOI = 1.3; }, [] { return Model().SOI; }, 0},
        {"ceph", [] { Ceph().ANB = 4; }, [] { return Ceph().ANB; }, 0},
        {"scores", [] { Scores().SkelAP = 2; }, [] { return double(Scores().SkelAP); }, 0},
        {"findings", [] { Findings().OJ = 5; }, [] { return Findings().OJ; }, 0},
        {"tracing", [] { Tracing().MmPerPixel = 0.1; }, [] { return Tracing().MmPerPixel; }, 0},
        {"last tracing", [] { LastTracing().SellaX = 900; }, [] { return LastTracing().SellaX; }, 0},
        {"radiograph",
         [] { Radiograph() = QImage(4, 3, QImage::Format_Grayscale8); },
         [] { return double(Radiograph().width()); },
         0},
        {"preview state", [] { SetState(PreviewState::Tracing2); }, [] { return double(State()); }, 0},
    };
    startPatient(QStringLiteral("Lee"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("0"));
    for (const auto& row : rows) row.mark();
    click("frmModel", "cmdNextPatient");
    for (const auto& row : rows) EXPECT_EQ(row.read(), row.start) << row.record;
}

// The files of an analysis run are drawn and written with the preview never loaded.
TEST_F(SessionTest, ResultFilesAreWrittenWithoutThePreview) {
    startPatient(QStringLiteral("Lee"), QStringLiteral("2"), QStringLiteral("12"), QStringLiteral("0"));
    ASSERT_FALSE(Forms::IsLoaded("frmAxPreview"));
    EXPECT_TRUE(SaveResultPages({PreviewState::ModelPage, PreviewState::CephPage}));
    EXPECT_FALSE(Forms::IsLoaded("frmAxPreview"));
    for (const char* file : {"/ModelAx.png", "/CephAx.png"})
        EXPECT_TRUE(QFileInfo::exists(patientFolder(QStringLiteral("2(12Y0M)")) + QString::fromUtf8(file))) << file;
}

}  // namespace
}  // namespace vt::testing
