#pragma once
// The norms of the 28 cephalometric measurements by sex and age band, and
// the printing of one table row. The cephalometric page prints all rows in
// this order; tracing page 3 prints the same rows among its own.

#include "ceph/CephRecord.h"
#include "intake/PatientRecord.h"
#include "platform/ResultSurface.h"

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

// Column x of the norm tables.
inline constexpr double kLabelColumnX = 30;
inline constexpr double kNormColumnX = 90;
inline constexpr double kSdColumnX = 115;
inline constexpr double kValueColumnX = 140;
inline constexpr double kMarkColumnX = 160;

// The norm for the patient: male norms for Sex 0, female norms otherwise;
// band by AgeYear (below 11, below 14, from 14).
double NormOf(const CephNormRow& row, std::int16_t sex, double ageYear);

// Prints one row at y: label, norm "#0.0", "±" SD "#0", `value` "#0.0",
// and the deviation mark. Expects the font and colour the page frame leaves.
void PrintNormRow(ResultSurface& s, const CephNormRow& row, double y, double value,
                  const PatientRecord& p);

}  // namespace vt
