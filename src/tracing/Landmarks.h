#pragma once
// The 25 landmarks as data: their order of placing, their names in the
// landmark list, the prompts shown while placing and while stepping back,
// and the record fields that hold them.

#include <array>

#include "tracing/TracingRecord.h"

namespace vt {

inline constexpr int kLandmarkCount = 25;

struct Landmark {
    int k;                      // 1..25, the order of placing
    const char* name;           // entry of the landmark list
    const char* forwardPrompt;  // shown when this landmark is next to place
    const char* backPrompt;     // shown when stepping back to it; empty for the last
    double TracingRecord::*x;
    double TracingRecord::*y;
};

extern const std::array<Landmark, kLandmarkCount> kLandmarks;

// Landmark k, 1-based as in the placing order.
inline const Landmark& LandmarkAt(int k) { return kLandmarks[static_cast<std::size_t>(k - 1)]; }

}  // namespace vt
