#include "ceph/CephInputs.h"

namespace vt {
namespace {

constexpr CephRange kRanges[] = {
    {&CephTyped::SNMP, 2, 68, RangeGroup::ValidAngle},
    {&CephTyped::FMA, -6, 60, RangeGroup::ValidAngle},
    {&CephTyped::PPMP, -6, 60, RangeGroup::ValidAngle},
    {&CephTyped::SNA, 42, 121, RangeGroup::ValidAngle},
    {&CephTyped::SNB, 39, 118, RangeGroup::ValidAngle},
    {&CephTyped::FA, 49, 127, RangeGroup::ValidAngle},
    {&CephTyped::ABMP, 29, 113, RangeGroup::ValidAngle},
    {&CephTyped::OPMP, -12, 52, RangeGroup::ValidAngle},
    {&CephTyped::UISN, 55, 157, RangeGroup::ValidAngle},
    {&CephTyped::IMPA, 45, 145, RangeGroup::ValidAngle},
    {&CephTyped::PFH, 13, 161, RangeGroup::ValidOther},
    {&CephTyped::AFH, 41, 206, RangeGroup::ValidOther},
    {&CephTyped::Wits, -30, 26, RangeGroup::ValidOther},
    {&CephTyped::UIFP, -15, 39, RangeGroup::ValidOther},
    {&CephTyped::LIFP, -18, 36, RangeGroup::ValidOther},
    {&CephTyped::UL, -14, 21, RangeGroup::ValidOther},
    {&CephTyped::LL, -13, 22, RangeGroup::ValidOther},
};

// Written so that NaN, which compares false, fails.
bool InRange(const CephRange& range, double value) { return range.low < value && value < range.high; }

void StoreTyped(CephRecord& record, const CephTyped& typed) {
    record.SNMP = typed.SNMP;
    record.FMA = typed.FMA;
    record.PPMP = typed.PPMP;
    record.PFH = typed.PFH;
    record.AFH = typed.AFH;
    record.SNA = typed.SNA;
    record.SNB = typed.SNB;
    record.FA = typed.FA;
    record.ABMP = typed.ABMP;
    record.Wits = typed.Wits;
    record.OPMP = typed.OPMP;
    record.UISN = typed.UISN;
    record.IMPA = typed.IMPA;
    record.UIFP = typed.UIFP;
    record.LIFP = typed.LIFP;
    record.UL = typed.UL;
    record.LL = typed.LL;
}

}  // namespace

std::span<const CephRange> CephRanges() { return kRanges; }

CephValidity CheckCephTyped(const CephTyped& typed) {
    CephValidity validity{true, true};
    for (const CephRange& range : kRanges) {
        if (InRange(range, typed.*range.value)) continue;
        if (range.group == RangeGroup::ValidAngle)
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

std::optional<CephRecord> ApplyCephInputs(const CephRecord& current, const CephTyped& typed) {
    if (!CheckCephTyped(typed).Passes()) return std::nullopt;
    CephRecord next = current;
    StoreTyped(next, typed);
    DeriveCephValues(next);
    return next;
}

}  // namespace vt
