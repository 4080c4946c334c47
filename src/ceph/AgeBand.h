#pragma once
// Norms and evaluation thresholds are chosen by sex and by one of three age
// bands of AgeYear; the months play no part.

namespace vt {

enum class AgeBand { Under11 = 0, From11To14 = 1, From14 = 2 };

constexpr AgeBand AgeBandOf(double ageYear) {
    if (ageYear < 11) return AgeBand::Under11;
    if (ageYear < 14) return AgeBand::From11To14;
    return AgeBand::From14;
}

}  // namespace vt
