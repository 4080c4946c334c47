#include "tracing/TracingRecord.h"

#include "intake/Session.h"

namespace vt {

TracingRecord& Tracing() { return CurrentSession().record<TracingRecord>(); }

}  // namespace vt
