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
// Norms are M1 M2 M3 F1 F2 F3 (bands: below 11, 11 to below 14, from 14).
inline constexpr std::array<CephNormRow, kCephNormRowCount> CephNormTable{{
    {"SNA", "SNA", &CephRecord::SNA, {82, 82, 82, 82, 82, 82}, 3},
    {"SNB", "SNB", &CephRecord::SNB, {78, 78.5, 79, 78, 78.5, 79}, 3},
    {"ANB", "ANB", &CephRecord::ANB, {4, 3.5, 3, 4, 3.5, 3}, 2},
    {"SNPg", "SNPg", &CephRecord::SNPg, {79, 79.5, 80, 79, 79.5, 80}, 3},
    {"Facial Angle", "FA", &CephRecord::FA, {86, 86.5, 87, 86, 86.5, 87}, 3},
    {"AB Plane Angle", "ABA", &CephRecord::ABA, {-7, -6, -5, -7, -6, -5}, 3},
    {"AB/MP", "ABMP", &CephRecord::ABMP, {72, 71.5, 71, 72, 71.5, 71}, 4},
    {"Sum", "Sum", &CephRecord::Sum, {396, 395, 394, 396, 395, 394}, 4},
    {"Post Face Height", "PFH", &CephRecord::PFH, {76, 82, 96, 74, 79, 87}, 5},
    {"Ant Face Height", "AFH", &CephRecord::AFH, {119, 124, 139, 117, 121, 129}, 6},
    {"Post/Ant Face Ht Ratio", "PFHAFH", &CephRecord::PFHAFH, {63, 66, 69, 63, 65, 67}, 4},
    {"SN/MP", "SNMP", &CephRecord::SNMP, {36, 35, 34, 36, 35, 34}, 4},
    {"FH/MP (FMA)", "FMA", &CephRecord::FMA, {29, 28, 27, 29, 28, 27}, 4},
    {"PP/MP", "PPMP", &CephRecord::PPMP, {28, 27, 26, 28, 27, 26}, 4},
    {"OP/MP", "OPMP", &CephRecord::OPMP, {15, 15, 15, 15, 15, 15}, 4},
    {"ODI", "ODI", &CephRecord::ODI, {73, 72.5, 72, 73, 72.5, 72}, 5},
    {"APDI", "APDI", &CephRecord::APDI, {80, 81.5, 83, 80, 81.5, 83}, 4},
    {"Wits (AO/BO)", "Wits", &CephRecord::Wits, {-2, -2, -2, -2, -2, -2}, 2},
    {"UI to SN", "UISN", &CephRecord::UISN, {105, 106, 107, 105, 106, 107}, 5},
    {"LI to MP (IMPA)", "IMPA", &CephRecord::IMPA, {95, 95, 95, 95, 95, 95}, 5},
    {"LI to FH (FMIA)", "FMIA", &CephRecord::FMIA, {56, 57, 58, 56, 57, 58}, 5},
    {"Dent Convexity (IIA)", "IIA", &CephRecord::IIA, {124, 124, 124, 124, 124, 124}, 7},
    {"UI to OP", "UIOP", &CephRecord::UIOP, {54, 54, 54, 54, 54, 54}, 4},
    {"LI to OP", "LIOP", &CephRecord::LIOP, {70, 70, 70, 70, 70, 70}, 4},
    {"UI to FP (mm)", "UIFP", &CephRecord::UIFP, {9, 9, 9, 9, 9, 9}, 3},
    {"LI to FP (mm)", "LIFP", &CephRecord::LIFP, {6, 6, 6, 6, 6, 6}, 3},
    {"Upper Lip", "UL", &CephRecord::UL, {1.5, 0.5, -0.5, 1, 0, -1}, 2},
    {"Lower Lip", "LL", &CephRecord::LL, {3.5, 2.5, 1.5, 3, 2, 1}, 2},
}};

// Column x of the cephalometric norm tables.
inline constexpr NormColumns kCephNormColumns{30, 90, 115, 140, 160};

// The norm for the patient: male norms for Sex 0, female norms otherwise;
// band by AgeYear (below 11, below 14, from 14).
double NormOf(const CephNormRow& row, std::int16_t sex, double ageYear);

// The printed row for the patient: the patient's norm, "±" SD "#0", `value`.
NormRow CephNormRowFor(const CephNormRow& row, double value, const PatientRecord& p);

}  // namespace vt
