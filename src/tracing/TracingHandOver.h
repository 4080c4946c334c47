#pragma once
// What a passing tracing gives the cephalometric record: its values of the
// typed measurements and of the derived values ceph lists, unrounded. Sum
// and the comment stay as they were; the evaluation writes the comment
// afterwards.

#include "ceph/CephRecord.h"
#include "tracing/TracingMeasures.h"

namespace vt {

CephRecord HandedOver(CephRecord record, const TracingMeasures& m);

}  // namespace vt
