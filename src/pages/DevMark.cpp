#include "pages/DevMark.h"

#include <array>

namespace vt {

namespace {

struct MarkStep {
    float multiple;  // of the SD, signed: above when positive, below when negative
    const char* mark;
};

// Tested in this order; the first that holds decides.
constexpr std::array<MarkStep, 6> kMarkSteps{{
    {3.0f, "↑↑↑"},
    {2.0f, "↑↑"},
    {1.0f, "↑"},
    {-3.0f, "↓↓↓"},
    {-2.0f, "↓↓"},
    {-1.0f, "↓"},
}};

}  // namespace

std::string DevMark(float dev, float sd) {
    for (const MarkStep& step : kMarkSteps) {
        // The bound is rounded to single precision before the comparison.
        const float bound = step.multiple * sd;
        if (step.multiple > 0 ? dev > bound : dev < bound) return step.mark;
    }
    return {};
}

}  // namespace vt
