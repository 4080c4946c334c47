#pragma once
// Norms and evaluation thresholds are chosen by sex and by one of three age
// bands of AgeYear; the months play no part.

#include <cstddef>
#include <cstdint>

namespace vt {

enum class AgeBand { Under11 = 0, From11To14 = 1, From14 = 2 };

constexpr AgeBand AgeBandOf(double ageYear) {
    if (ageYear < 11) return AgeBand::Under11;
    if (ageYear < 14) return AgeBand::From11To14;
    return AgeBand::From14;
}

// The column of a norm or threshold row for the patient: the three male
// bands, then the three female bands. Any sex but 0 reads the female ones.
constexpr std::size_t SexAgeColumn(std::int16_t sex, double ageYear) {
    return (sex == 0 ? 0 : 3) + static_cast<std::size_t>(AgeBandOf(ageYear));
}

}  // namespace vt
