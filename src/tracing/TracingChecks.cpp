#include "tracing/TracingChecks.h"

#include "ceph/CephInputs.h"
#include "tracing/TracingHandOver.h"

namespace vt {

TracingCheck CheckTracing(const TracingMeasures& m) {
    // The values the tracing would hand over, checked in the ranges of the
    // typed measurements: the angles say whether the landmarks are
    // plausible, the distances whether the scale is.
    const CephValidity v = CheckCephTyped(HandedOver(CephRecord{}, m));
    return {v.ValidAngle, v.ValidOther};
}

std::string_view RefusalMessage(const TracingCheck& check) {
    if (!check.LandmarkOK) return kLandmarkMessage;
    if (!check.ScaleOK) return kScaleMessage;
    return {};
}

}  // namespace vt
