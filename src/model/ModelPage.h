#pragma once
// The model analysis page: the tooth-size table against the norms of the
// patient's sex, the incisor ratio, Bolton, basal arch and Howes lines, and
// the four virtual set-ups. Keeps nothing between calls, so the preview can
// redraw or print it at any moment.

#include <string>
#include <string_view>

#include "intake/PatientRecord.h"
#include "model/ModelRecord.h"
#include "platform/ResultSurface.h"

namespace vt {

void ModelAx(ResultSurface& s, const ModelRecord& m, const PatientRecord& p);

// The basal arch block and the Howes line are printed only when both basal
// arch widths are present and strictly inside 10 .. 80 as stored.
bool BasalArchBlockDrawn(const ModelRecord& m);

// A result line as the page prints it: without its leading blank; an empty
// line stays empty.
std::string_view WithoutFirstCharacter(std::string_view text);

}  // namespace vt
