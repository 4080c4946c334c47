#include "intake/NextPatient.h"

#include "intake/FormNames.h"
#include "intake/Session.h"
#include "platform/Forms.h"

namespace vt {

void NextPatient() {
    // Nothing of this patient reaches the next: every record, the radiograph
    // and the preview's state start afresh.
    CurrentSession().reset();
    Forms::Show(FormName::Start);
    for (const char* form : {FormName::Model, FormName::Cephalo, FormName::Image, FormName::Diagnosis})
        Forms::Unload(form);
}

}  // namespace vt
