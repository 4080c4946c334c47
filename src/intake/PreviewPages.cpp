#include "intake/PreviewPages.h"

#include <map>

#include "intake/FormNames.h"

namespace vt {

namespace {
PreviewState& CurrentState() {
    static PreviewState state = PreviewState::None;
    return state;
}
std::map<PreviewState, PageProcedure>& Pages() {
    static std::map<PreviewState, PageProcedure> pages;
    return pages;
}
}  // namespace

PreviewState State() { return CurrentState(); }
void SetState(PreviewState state) { CurrentState() = state; }

void RegisterPageProcedure(PreviewState state, PageProcedure page) { Pages()[state] = std::move(page); }

PageProcedure PageProcedureFor(PreviewState state) {
    auto it = Pages().find(state);
    return it == Pages().end() ? PageProcedure{} : it->second;
}

std::string FormForState(PreviewState state) {
    switch (state) {
        case PreviewState::ModelPage: return FormName::Model;
        case PreviewState::CephPage: return FormName::Cephalo;
        case PreviewState::Tracing1:
        case PreviewState::Tracing2:
        case PreviewState::Tracing3: return FormName::Image;
        case PreviewState::DiagnosisPage: return FormName::Diagnosis;
        case PreviewState::None: break;
    }
    return {};
}

std::string PageFileName(PreviewState state) {
    switch (state) {
        case PreviewState::ModelPage: return "ModelAx.png";
        case PreviewState::CephPage: return "CephAx.png";
        case PreviewState::Tracing1: return "CephAx1.png";
        case PreviewState::Tracing2: return "CephAx2.png";
        case PreviewState::Tracing3: return "CephAx3.png";
        case PreviewState::DiagnosisPage: return "Diagnosis.png";
        case PreviewState::None: break;
    }
    return {};
}

TracingOffsets& Offsets() {
    static TracingOffsets offsets;
    return offsets;
}

}  // namespace vt
