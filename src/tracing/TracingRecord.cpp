#include "tracing/TracingRecord.h"

namespace vt {

TracingRecord& Tracing() {
    static TracingRecord record;
    return record;
}

}  // namespace vt
