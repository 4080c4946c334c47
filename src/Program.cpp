#include "Program.h"

#include "ceph/CephAxPage.h"
#include "ceph/CephRecord.h"
#include "ceph/CephaloForm.h"
#include "diagnosis/DiagnosisForm.h"
#include "diagnosis/DiagnosisPage.h"
#include "diagnosis/FindingsRecord.h"
#include "intake/FormNames.h"
#include "intake/PatientInfoForm.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "model/ModelForm.h"
#include "model/ModelPage.h"
#include "model/ModelRecord.h"
#include "platform/Forms.h"
#include "platform/QtTranslation.h"
#include "tracing/ImageForm.h"
#include "tracing/TracingDrawingPages.h"
#include "tracing/TracingNormPage.h"
#include "tracing/TracingResult.h"

namespace vt {

namespace {

template <class T>
void RegisterForm() {
    Forms::Register(T::kName, [] { return new T; });
}

// Each result page once: its state in the preview, how it is drawn from the
// session, its file in the patient folder and the form the preview returns to.
void RegisterResultPages() {
    using S = ResultSurface;
    RegisterResultPage(
        {PreviewState::ModelPage, [](S& s) { ModelAx(s, Model(), Patient()); }, "ModelAx.png", FormName::Model});
    RegisterResultPage(
        {PreviewState::CephPage, [](S& s) { CephAx(s, Ceph(), Patient()); }, "CephAx.png", FormName::Cephalo});
    RegisterResultPage(
        {PreviewState::Tracing1, [](S& s) { CephAx1(s, LastTracing(), Patient()); }, "CephAx1.png", FormName::Image});
    RegisterResultPage(
        {PreviewState::Tracing2, [](S& s) { CephAx2(s, LastTracing(), Patient()); }, "CephAx2.png", FormName::Image});
    RegisterResultPage({PreviewState::Tracing3,
                        [](S& s) { CephAx3(s, LastTracing().measures, Patient(), Ceph().MsgCephalo); },
                        "CephAx3.png",
                        FormName::Image});
    RegisterResultPage({PreviewState::DiagnosisPage,
                        [](S& s) { Diagnosis(s, Findings(), Patient()); },
                        "Diagnosis.png",
                        FormName::Diagnosis});
}

}  // namespace

void StartProgram() {
    InstallQtKoreanTranslation();
    RegisterForm<PatientInfoForm>();
    RegisterForm<PreviewForm>();
    RegisterForm<ModelForm>();
    RegisterForm<CephaloForm>();
    RegisterForm<ImageForm>();
    RegisterForm<DiagnosisForm>();
    RegisterResultPages();
    // An accepted tracing becomes the cephalometric form's record.
    ImageForm::SetCephHandOver([](const CephRecord& traced) { Forms::Get<CephaloForm>().PublishTraced(traced); });
    Forms::Show(PatientInfoForm::kName);
}

}  // namespace vt
