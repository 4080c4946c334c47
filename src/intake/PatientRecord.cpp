#include "intake/PatientRecord.h"

namespace vt {

PatientRecord& Patient() {
    static PatientRecord record;
    return record;
}

}  // namespace vt
