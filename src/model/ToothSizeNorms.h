#pragma once
// Norms of the tooth-size table on the model page: for each tooth, each
// twelve-tooth sum and each basal arch width, the mean of male and of
// female patients and one standard deviation for both, in millimetres.

#include <array>
#include <optional>

#include "model/ModelRecord.h"

namespace vt {

struct ToothSizeNorm {
    const char* label;  // as printed on the page
    // The patient's value the row compares; absent when not yet measured.
    std::optional<double> (*value)(const ModelRecord&);
    double maleMean, femaleMean, sd;

    // Sex 0 takes the male mean, any other value the female one.
    double mean(int sex) const { return sex == 0 ? maleMean : femaleMean; }
};

// Rows 0..13: the tooth-size table; rows 14 and 15: the basal arch widths.
extern const std::array<ToothSizeNorm, 16> ToothSizeNorms;
inline constexpr int kToothSizeRows = 14;
inline constexpr int kUpperBasalRow = 14, kLowerBasalRow = 15;

}  // namespace vt
