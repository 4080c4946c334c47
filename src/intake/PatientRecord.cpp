#include "intake/PatientRecord.h"

#include "intake/Session.h"

namespace vt {

PatientRecord& Patient() { return CurrentSession().record<PatientRecord>(); }

}  // namespace vt
