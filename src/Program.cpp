#include "Program.h"

#include "PlaceholderForm.h"
#include "ceph/CephaloForm.h"
#include "intake/PatientInfoForm.h"
#include "intake/PreviewForm.h"
#include "intake/FormNames.h"
#include "intake/PreviewPages.h"
#include "model/ModelForm.h"
#include "platform/Forms.h"
#include "tracing/ImageForm.h"
#include "tracing/TracingPages.h"

namespace vt {

namespace {

template <class T>
void RegisterForm() {
    Forms::Register(T::kName, [] { return new T; });
}

// TEMPORARY: analysis forms not built yet.
void RegisterPlaceholder(const char* name, const char* title) {
    Forms::Register(name, [name, title] { return new PlaceholderForm(name, QString::fromUtf8(title)); });
}

}  // namespace

void StartProgram() {
    RegisterForm<PatientInfoForm>();
    RegisterForm<PreviewForm>();
    RegisterForm<ModelForm>();
    RegisterPageProcedure(PreviewState::ModelPage, &ModelForm::DrawPage);
    RegisterForm<CephaloForm>();
    RegisterPageProcedure(PreviewState::CephPage, &CephaloForm::DrawPage);
    RegisterForm<ImageForm>();
    RegisterTracingPages();
    RegisterPlaceholder(FormName::Diagnosis, "Diagnosis");
    Forms::Show(PatientInfoForm::kName);
}

}  // namespace vt
