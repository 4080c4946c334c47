#include "intake/PreviewPages.h"

#include <map>

namespace vt {

namespace {
std::int16_t gState = 0;
std::map<std::int16_t, PageProcedure>& Pages() {
    static std::map<std::int16_t, PageProcedure> pages;
    return pages;
}
}  // namespace

std::int16_t State() { return gState; }
void SetState(std::int16_t state) { gState = state; }

void RegisterPageProcedure(std::int16_t state, PageProcedure page) { Pages()[state] = std::move(page); }

PageProcedure PageProcedureFor(std::int16_t state) {
    auto it = Pages().find(state);
    return it == Pages().end() ? PageProcedure{} : it->second;
}

std::string FormForState(std::int16_t state) {
    switch (state) {
        case 1: return "frmModel";
        case 2: return "frmCephalo";
        case 3:
        case 4:
        case 5: return "frmImage";
        case 6: return "frmDiagnosis";
        default: return {};
    }
}

TracingOffsets& Offsets() {
    static TracingOffsets offsets;
    return offsets;
}

}  // namespace vt
