#include "Program.h"

#include "ceph/CephaloForm.h"
#include "diagnosis/DiagnosisForm.h"
#include "intake/FormNames.h"
#include "intake/PatientInfoForm.h"
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "model/ModelForm.h"
#include "platform/Forms.h"
#include "platform/QtTranslation.h"
#include "tracing/ImageForm.h"
#include "tracing/TracingPages.h"

namespace vt {

namespace {

template <class T>
void RegisterForm() {
    Forms::Register(T::kName, [] { return new T; });
}

}  // namespace

void StartProgram() {
    InstallQtKoreanTranslation();
    RegisterForm<PatientInfoForm>();
    RegisterForm<PreviewForm>();
    RegisterForm<ModelForm>();
    RegisterPageProcedure(PreviewState::ModelPage, &ModelForm::DrawPage);
    RegisterForm<CephaloForm>();
    RegisterPageProcedure(PreviewState::CephPage, &CephaloForm::DrawPage);
    RegisterForm<ImageForm>();
    RegisterTracingPages();
    RegisterForm<DiagnosisForm>();
    RegisterPageProcedure(PreviewState::DiagnosisPage, &DiagnosisForm::DrawPage);
    Forms::Show(PatientInfoForm::kName);
}

}  // namespace vt
