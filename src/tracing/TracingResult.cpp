#include "tracing/TracingResult.h"

namespace vt {

TracingResult& LastTracing() {
    static TracingResult result;
    return result;
}

}  // namespace vt
