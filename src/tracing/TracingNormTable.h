#pragma once
// The norm table of tracing page 3: 41 measurements of the tracing in page
// order. The 28 rows it shares with the cephalometric page take their label,
// norms and standard deviation from the cephalometric norm table.

#include <array>
#include <cstddef>
#include <string_view>

#include "tracing/TracingMeasures.h"

namespace vt {

struct TracingNormRow {
    std::string_view label;
    double TracingMeasures::*value;
    std::array<double, 6> norms;  // male bands 1..3, then female bands 1..3
    int sd;
};

inline constexpr std::size_t kTracingNormRowCount = 41;
const std::array<TracingNormRow, kTracingNormRowCount>& TracingNormTable();

}  // namespace vt
