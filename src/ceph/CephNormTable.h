#pragma once
// The norms of the 28 cephalometric measurements by sex and age band, as
// rows of the shared norm table. The cephalometric page prints all rows in
// this order; tracing page 3 prints the same rows among its own.

#include "ceph/CephRecord.h"
#include "intake/PatientRecord.h"
#include "pages/NormRow.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vt {

struct CephNormRow {
    std::string_view label;      // as printed in the first column
    std::string_view valueName;  // the record value the row shows ("FA")
    double CephRecord::*value;
    std::array<double, 6> norms;  // male bands 1..3, then female bands 1..3
    int sd;                       // the same for both sexes and all bands
};

inline constexpr std::size_t kCephNormRowCount = 28;
extern const std::array<CephNormRow, kCephNormRowCount> CephNormTable;

// Column x of the cephalometric norm tables.
inline constexpr NormColumns kCephNormColumns{30, 90, 115, 140, 160};

// The norm for the patient: male norms for Sex 0, female norms otherwise;
// band by AgeYear (below 11, below 14, from 14).
double NormOf(const CephNormRow& row, std::int16_t sex, double ageYear);

// The printed row for the patient: the patient's norm, "±" SD "#0", `value`.
NormRow CephNormRowFor(const CephNormRow& row, double value, const PatientRecord& p);

}  // namespace vt
