#pragma once
// The result pages and what the preview shows. `State` names the page on
// screen and so the form the preview's close button returns to. Each page is
// registered once, by StartProgram(), with its state, its page procedure, its
// file name and its form, so intake knows none of the analyses.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ResultSurface.h"

namespace vt {

// Kept when the preview closes; the next patient starts at None.
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

struct ResultPage {
    PreviewState state;
    PageProcedure draw;    // draws the page of the session's patient
    std::string fileName;  // "CephAx1.png", ... in the patient folder
    std::string form;      // the form the preview returns to
};

void RegisterResultPage(ResultPage page);
// Every registered page, in the order of registration.
const std::vector<ResultPage>& ResultPages();

// The page procedure of a state; empty when none is registered.
PageProcedure PageProcedureFor(PreviewState state);
// The form the preview's close button returns to; empty for None.
std::string FormForState(PreviewState state);
// The result file of the page ("CephAx1.png", ...); empty for None.
std::string PageFileName(PreviewState state);

}  // namespace vt
