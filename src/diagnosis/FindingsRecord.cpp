#include "diagnosis/FindingsRecord.h"

#include "intake/Session.h"

namespace vt {

FindingsRecord& Findings() { return CurrentSession().record<FindingsRecord>(); }

}  // namespace vt
