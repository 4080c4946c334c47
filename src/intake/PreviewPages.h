#pragma once
// What the preview shows: `State` names the page and the form that opened
// it. The analyses register their page procedures here, so the preview
// needs to know none of them.

#include <cstdint>
#include <string>

#include "platform/PageImage.h"

namespace vt {

// 0 none, 1 model page, 2 cephalometric page, 3..5 tracing pages 1..3,
// 6 diagnosis page. Kept when the preview closes.
std::int16_t State();
void SetState(std::int16_t state);

void RegisterPageProcedure(std::int16_t state, PageProcedure page);
// The page procedure of a state; empty when none is registered.
PageProcedure PageProcedureFor(std::int16_t state);

// The form the preview's close button returns to; empty for state 0.
std::string FormForState(std::int16_t state);

// Offsets that tracing page 1 adds to its radiograph's source position:
// always the origin of the surface it is drawn on.
struct TracingOffsets {
    double Xchange = 0;
    double Ychange = 0;
};
TracingOffsets& Offsets();

}  // namespace vt
