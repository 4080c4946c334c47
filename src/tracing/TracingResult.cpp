#include "tracing/TracingResult.h"

#include "intake/Session.h"

namespace vt {

TracingResult& LastTracing() { return CurrentSession().record<TracingResult>(); }

}  // namespace vt
