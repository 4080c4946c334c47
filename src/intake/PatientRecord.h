#pragma once
// The patient of this session: written by the start form, read by every
// analysis, evaluation rule and result page. Held in memory only.

#include <cstdint>
#include <string>

namespace vt {

struct PatientRecord {
    std::string PatientName;  // as typed
    std::string ChartNo;      // as typed
    std::int16_t Sex = 0;     // 0 male, 1 female
    double AgeYear = 0;       // years, fractions allowed
    std::int16_t AgeMonth = 0;
};

// The patient of the session.
PatientRecord& Patient();

}  // namespace vt
