#include "tracing/TracingNormTable.h"

#include "ceph/CephNormTable.h"

namespace vt {

namespace {

using TM = TracingMeasures;

// A row either names its cephalometric row (by the value it shows there) or
// carries its own label, norms and SD.
struct RowSource {
    std::string_view cephValue;  // empty for a row of this page's own
    TracingNormRow own;
};

constexpr RowSource Shared(std::string_view cephValue, double TM::*value) { return {cephValue, {{}, value, {}, 0}}; }
constexpr RowSource Own(std::string_view label, double TM::*value, std::array<double, 6> norms, int sd) {
    return {{}, {label, value, norms, sd}};
}

constexpr RowSource kRows[kTracingNormRowCount] = {
    Shared("SNA", &TM::SNA),
    Shared("SNB", &TM::SNB),
    Shared("ANB", &TM::ANB),
    Shared("SNPg", &TM::SNPg),
    Shared("FA", &TM::FA),
    Own("Facial Convexity", &TM::FC, {7, 6, 5, 7, 6, 5}, 3),
    Shared("ABA", &TM::ABA),
    Shared("ABMP", &TM::ABMP),
    Own("Y Axis to FH", &TM::YA, {61, 61, 61, 61, 61, 61}, 3),
    Own("Saddle Angle", &TM::SA, {125, 125, 125, 125, 125, 125}, 5),
    Own("Articular Angle", &TM::AA, {149, 149, 149, 149, 149, 149}, 5),
    Own("Gonial Angle", &TM::GA, {122, 121, 120, 122, 121, 120}, 5),
    Shared("Sum", &TM::Sum),
    Own("Anterior Cranial Base", &TM::ACB, {70, 72, 75, 68, 69, 71}, 4),
    Own("Posterior Cranial Base", &TM::PCB, {35, 38, 41, 34, 36, 38}, 4),
    Own("Ramus Height", &TM::RH, {44, 47, 56, 43, 46, 52}, 5),
    Own("Mn Body Length", &TM::BL, {73, 76, 82, 70, 73, 78}, 5),
    Own("Facial Depth", &TM::FD, {118, 124, 138, 115, 119, 128}, 6),
    Own("Facial Length", &TM::FL, {133, 138, 150, 126, 131, 140}, 6),
    Shared("PFH", &TM::PFH),
    Shared("AFH", &TM::AFH),
    Shared("PFHAFH", &TM::PFHAFH),
    Shared("SNMP", &TM::SNMP),
    Shared("FMA", &TM::FMA),
    Shared("PPMP", &TM::PPMP),
    Shared("ODI", &TM::ODI),
    Shared("APDI", &TM::APDI),
    Shared("Wits", &TM::Wits),
    Shared("OPMP", &TM::OPMP),
    Shared("UISN", &TM::UISN),
    Shared("IMPA", &TM::IMPA),
    Shared("FMIA", &TM::FMIA),
    Shared("IIA", &TM::IIA),
    Shared("UIOP", &TM::UIOP),
    Shared("LIOP", &TM::LIOP),
    Shared("UIFP", &TM::UIFP),
    Shared("LIFP", &TM::LIFP),
    Own("UI to APg (mm)", &TM::UIAP, {7, 7, 7, 7, 7, 7}, 2),
    Own("LI to APg (mm)", &TM::LIAP, {4, 4, 4, 4, 4, 4}, 2),
    Shared("UL", &TM::UL),
    Shared("LL", &TM::LL),
};

// A shared row's label, norms and SD from the cephalometric row that shows
// the same value; a name no cephalometric row has leaves the row unlabelled.
consteval std::array<TracingNormRow, kTracingNormRowCount> Build() {
    std::array<TracingNormRow, kTracingNormRowCount> rows{};
    for (std::size_t k = 0; k < kTracingNormRowCount; ++k) {
        const RowSource& src = kRows[k];
        rows[k] = src.own;
        for (const CephNormRow& ceph : CephNormTable)
            if (!src.cephValue.empty() && ceph.valueName == src.cephValue)
                rows[k] = {ceph.label, src.own.value, ceph.norms, ceph.sd};
    }
    return rows;
}

constexpr std::array<TracingNormRow, kTracingNormRowCount> kTracingNormRows = Build();

consteval bool EveryRowLabelled() {
    for (const TracingNormRow& row : kTracingNormRows)
        if (row.label.empty()) return false;
    return true;
}
static_assert(EveryRowLabelled(), "every shared row names a value of the cephalometric norm table");

}  // namespace

const std::array<TracingNormRow, kTracingNormRowCount>& TracingNormTable() { return kTracingNormRows; }

}  // namespace vt
