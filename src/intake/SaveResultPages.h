#pragma once
// Writes the pages of an analysis run as image files into the patient folder.

#include <string>
#include <vector>

#include "platform/PageImage.h"

namespace vt {

struct ResultPage {
    PageProcedure page;
    std::string fileName;  // "CephAx.png", ...
};

// Draws each page on the preview's off-screen page and writes it to the
// patient folder, in order. Files that could not be written are named in
// one message; returns true when every file was written.
bool SaveResultPages(const std::vector<ResultPage>& pages);

}  // namespace vt
