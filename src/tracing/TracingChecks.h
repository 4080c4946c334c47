#pragma once
// The two plausibility checks of a tracing before it is handed over: ten
// angles that only wrong landmarks put out of range, seven distances that
// only a wrong scale does. Bounds are those of the typed measurements.

#include <string_view>

#include "tracing/TracingMeasures.h"

namespace vt {

struct TracingCheck {
    bool LandmarkOK = false;
    bool ScaleOK = false;
    bool passed() const { return LandmarkOK && ScaleOK; }
};

// Both checks in full; every bound is strict (a value on a bound fails).
TracingCheck CheckTracing(const TracingMeasures& m);

inline constexpr std::string_view kLandmarkMessage =
    "Landmark 설정이 정상적으로 입력되지 않았습니다. 확인하시고 [결과인쇄 보기] 단추를 다시 눌러 주세요!";
inline constexpr std::string_view kScaleMessage =
    "Scale 설정이 정상적으로 입력되지 않았습니다. 확인하시고 [결과인쇄 보기] 단추를 다시 눌러 주세요!";

// The message of a failed check (the landmark one when both fail); empty
// when the tracing passed.
std::string_view RefusalMessage(const TracingCheck& check);

}  // namespace vt
