#pragma once
// What the preview shows: `State` names the page and the form that opened
// it. The analyses register their page procedures here, so the preview
// needs to know none of them.

#include <cstdint>
#include <string>

#include "platform/PageImage.h"

namespace vt {

// The page the preview shows, and so the form its close button returns to.
// Kept when the preview closes.
enum class PreviewState : std::int16_t {
    None = 0,
    ModelPage = 1,
    CephPage = 2,
    Tracing1 = 3,
    Tracing2 = 4,
    Tracing3 = 5,
    DiagnosisPage = 6,
};

PreviewState State();
void SetState(PreviewState state);

void RegisterPageProcedure(PreviewState state, PageProcedure page);
// The page procedure of a state; empty when none is registered.
PageProcedure PageProcedureFor(PreviewState state);

// The form the preview's close button returns to; empty for None.
std::string FormForState(PreviewState state);
// The result file of the page ("CephAx1.png", ...); empty for None.
std::string PageFileName(PreviewState state);

// Offsets that tracing page 1 adds to its radiograph's source position:
// always the origin of the surface it is drawn on.
struct TracingOffsets {
    double Xchange = 0;
    double Ychange = 0;
};
TracingOffsets& Offsets();

}  // namespace vt
