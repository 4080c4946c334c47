#pragma once
// The preview's arithmetic: scrolling the sheet in 20 millimetre steps and
// paging between the three tracing pages. Single precision, as the preview
// keeps its scroll position.

#include <optional>

#include "intake/PreviewPages.h"

namespace vt {

inline constexpr float kSheetHeightMm = 297;
inline constexpr float kScrollStepMm = 20;

struct ScrollStep {
    float top;   // the new scroll top
    bool atEnd;  // the step reached the sheet's edge: its button is disabled
};

// One step up; stops at the top of the sheet.
ScrollStep ScrollUp(float top);
// One step down; stops where the window's foot meets the sheet's foot.
ScrollStep ScrollDown(float top, float visibleHeight);
// At the top of the sheet the way down is open while the window is not taller than the sheet.
inline bool CanScrollDownFromTop(float visibleHeight) { return visibleHeight <= kSheetHeightMm; }

struct PageTurn {
    PreviewState state;
    bool beforeEnabled;
    bool nextEnabled;
};

// The tracing page after or before the one shown; empty on any other page
// or at either end.
std::optional<PageTurn> NextPage(PreviewState shown);
std::optional<PageTurn> PreviousPage(PreviewState shown);

}  // namespace vt
