#pragma once
// The findings record of the diagnosis form: the occlusal findings as the
// last accepted press read them, the corrected indices, the extraction
// analyses and the diagnosis comment. The diagnosis page reads it.
// Lengths in millimetres.

#include <cstdint>
#include <string>

namespace vt {

struct FindingsRecord {
    double ALDMx = 0;  // upper arch length discrepancy
    double ALDMn = 0;  // lower arch length discrepancy
    double COS = 0;    // depth of the curve of Spee
    double OB = 0;     // overbite
    double OJ = 0;     // overjet
    double OBc = 0;    // overbite corrected for the curve of Spee
    double OJc = 0;    // overjet corrected for the curve of Spee and the arch length difference
    double OBv = 0;    // vertical index
    double APIdx = 0;  // sagittal index
    // Signed by their option arrays: positive Class II or cross-bite,
    // negative Class III or scissors-bite, 0 Class I or normal.
    double MolarRt = 0;
    double MolarLt = 0;
    double CrossRt = 0;
    float CrossLt = 0;  // single precision, as every rule compares it
    double JarabakVal = 0;
    std::string KimEI;  // Kim's index as the text of the number; read back wherever used
    double ULc = 0;     // lip values adjusted for sex and age
    float LLc = 0;
    bool ValidExt = false;
    bool ValidDx = false;
    std::string JarabakText;  // formula line ending in a verdict of 19 characters
    std::string KimsText;     // formula line ending in a verdict of 61 characters
    std::string DxText;       // the diagnosis comment
    // Selected button of each option array: 0 Class I / Normal, 1 Class II /
    // Cross, 2 Class III / Scissors.
    std::int16_t optMolarRtIdx = 0;
    std::int16_t optMolarLtIdx = 0;
    std::int16_t optCrossRtIdx = 0;
    std::int16_t optCrossLtIdx = 0;
    std::int16_t Severity = 0;  // 0 none, 1 treatment needed, 2 surgery possibly needed
};

// The findings of the session's patient.
FindingsRecord& Findings();

// The texts of the nine boxes, as typed.
struct FindingsEntries {
    std::string ALDMx{}, ALDMn{}, COS{}, OB{}, OJ{}, MolarRt{}, MolarLt{}, CrossRt{}, CrossLt{};
};

}  // namespace vt
