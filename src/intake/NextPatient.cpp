#include "intake/NextPatient.h"

#include "intake/FormNames.h"
#include "intake/PreviewPages.h"
#include "platform/Forms.h"

namespace vt {

void NextPatient() {
    Forms::Show(FormName::Start);
    for (const char* form : {FormName::Model, FormName::Cephalo, FormName::Image, FormName::Diagnosis})
        Forms::Unload(form);
    SetState(PreviewState::None);
}

}  // namespace vt
