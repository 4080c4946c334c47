#include "tracing/TracingChecks.h"

#include "ceph/CephInputs.h"

namespace vt {

namespace {

// The 17 values the typed analysis checks, taken from the tracing.
CephTyped AsTyped(const TracingMeasures& m) {
    CephTyped t;
    t.SNMP = m.SNMP;
    t.FMA = m.FMA;
    t.PPMP = m.PPMP;
    t.PFH = m.PFH;
    t.AFH = m.AFH;
    t.SNA = m.SNA;
    t.SNB = m.SNB;
    t.FA = m.FA;
    t.ABMP = m.ABMP;
    t.Wits = m.Wits;
    t.OPMP = m.OPMP;
    t.UISN = m.UISN;
    t.IMPA = m.IMPA;
    t.UIFP = m.UIFP;
    t.LIFP = m.LIFP;
    t.UL = m.UL;
    t.LL = m.LL;
    return t;
}

}  // namespace

TracingCheck CheckTracing(const TracingMeasures& m) {
    // The same ranges as the typed measurements: the angles say whether the
    // landmarks are plausible, the distances whether the scale is.
    const CephValidity v = CheckCephTyped(AsTyped(m));
    return {v.ValidAngle, v.ValidOther};
}

std::string_view RefusalMessage(const TracingCheck& check) {
    if (!check.LandmarkOK) return kLandmarkMessage;
    if (!check.ScaleOK) return kScaleMessage;
    return {};
}

}  // namespace vt
