#include "ceph/CephInputs.h"

namespace vt {
namespace {

// Written so that NaN, which compares false, fails.
bool InRange(const TypedMeasurement& m, double value) { return m.low < value && value < m.high; }

}  // namespace

CephValidity CheckCephTyped(const CephRecord& typed) {
    CephValidity validity{true, true};
    for (const TypedMeasurement& m : kTypedMeasurements) {
        if (InRange(m, typed.*m.value)) continue;
        if (m.group == RangeGroup::ValidAngle)
            validity.ValidAngle = false;
        else
            validity.ValidOther = false;
    }
    return validity;
}

// Operand order as the results depend on it: no term may be regrouped, and
// a chain of subtractions runs from the left.
void DeriveCephValues(CephRecord& r) {
    r.Sum = r.SNMP + 360;
    r.ODI = r.ABMP + (r.FMA - r.PPMP);
    r.PFHAFH = r.PFH / r.AFH * 100;
    r.ANB = r.SNA - r.SNB;
    r.SNPg = (r.FA + r.FMA) - r.SNMP;
    r.ABA = 180 - r.FMA - r.FA - r.ABMP;
    r.APDI = 180 - r.ABMP - r.PPMP;
    r.UIPP = (r.UISN + r.SNMP) - r.PPMP;
    r.FMIA = 180 - r.FMA - r.IMPA;
    r.IIA = 360 - r.SNMP - r.UISN - r.IMPA;
    r.UIOP = 180 - r.UISN - r.SNMP + r.OPMP;
    r.LIOP = 180 - r.IMPA - r.OPMP;
}

std::optional<CephRecord> ApplyCephInputs(CephRecord typed) {
    if (!CheckCephTyped(typed).Passes()) return std::nullopt;
    DeriveCephValues(typed);
    return typed;
}

}  // namespace vt
