#include "intake/NextPatient.h"

#include "intake/PreviewPages.h"
#include "platform/Forms.h"

namespace vt {

void NextPatient() {
    Forms::Show("frmPatientInfo");
    for (const char* form : {"frmModel", "frmCephalo", "frmImage", "frmDiagnosis"}) Forms::Unload(form);
    SetState(0);
}

}  // namespace vt
