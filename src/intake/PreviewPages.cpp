#include "intake/PreviewPages.h"

#include <algorithm>

#include "intake/Session.h"

namespace vt {

namespace {

struct PreviewStatus {
    PreviewState state = PreviewState::None;
};

std::vector<ResultPage>& Registry() {
    static std::vector<ResultPage> pages;
    return pages;
}

const ResultPage* Find(PreviewState state) {
    const auto& pages = Registry();
    const auto page = std::find_if(pages.begin(), pages.end(), [&](const ResultPage& p) { return p.state == state; });
    return page == pages.end() ? nullptr : &*page;
}

}  // namespace

PreviewState State() { return CurrentSession().record<PreviewStatus>().state; }
void SetState(PreviewState state) { CurrentSession().record<PreviewStatus>().state = state; }

void RegisterResultPage(ResultPage page) {
    auto& pages = Registry();
    pages.erase(std::remove_if(pages.begin(), pages.end(), [&](const ResultPage& p) { return p.state == page.state; }),
                pages.end());
    pages.push_back(std::move(page));
}

const std::vector<ResultPage>& ResultPages() { return Registry(); }

PageProcedure PageProcedureFor(PreviewState state) {
    const ResultPage* page = Find(state);
    return page ? page->draw : PageProcedure{};
}

std::string FormForState(PreviewState state) {
    const ResultPage* page = Find(state);
    return page ? page->form : std::string{};
}

std::string PageFileName(PreviewState state) {
    const ResultPage* page = Find(state);
    return page ? page->fileName : std::string{};
}

}  // namespace vt
