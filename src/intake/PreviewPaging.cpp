#include "intake/PreviewPaging.h"

namespace vt {

ScrollStep ScrollUp(float top) {
    top -= kScrollStepMm;
    if (top <= 0) return {0, true};
    return {top, false};
}

ScrollStep ScrollDown(float top, float visibleHeight) {
    top += kScrollStepMm;
    if (static_cast<float>(visibleHeight + top) >= kSheetHeightMm) return {kSheetHeightMm - visibleHeight, true};
    return {top, false};
}

std::optional<PageTurn> NextPage(PreviewState shown) {
    switch (shown) {
        case PreviewState::Tracing1: return PageTurn{PreviewState::Tracing2, true, true};
        case PreviewState::Tracing2: return PageTurn{PreviewState::Tracing3, true, false};
        default: return std::nullopt;
    }
}

std::optional<PageTurn> PreviousPage(PreviewState shown) {
    switch (shown) {
        case PreviewState::Tracing3: return PageTurn{PreviewState::Tracing2, true, true};
        case PreviewState::Tracing2: return PageTurn{PreviewState::Tracing1, false, true};
        default: return std::nullopt;
    }
}

}  // namespace vt
