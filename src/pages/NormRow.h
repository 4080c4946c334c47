#pragma once
// One row of a norm table, as every table page prints it: label, norm,
// "±" standard deviation, the patient's value and its deviation mark.

#include <optional>
#include <string_view>

#include "platform/ResultSurface.h"

namespace vt {

// x of the five columns.
struct NormColumns {
    double label, norm, sd, value, mark;
};

struct NormRow {
    std::string_view label;
    double norm;
    double sd;
    std::string_view sdPattern;  // "#0" or "#0.0"
    // Empty when the value is not yet known: its value and mark cells stay empty.
    std::optional<double> value;
};

// Prints the row at y in the surface's current font and colour. The mark
// compares value − norm, formed in double and rounded once to single
// precision, with the single-precision SD.
void PrintNormRow(ResultSurface& s, const NormColumns& columns, const NormRow& row, double y);

}  // namespace vt
