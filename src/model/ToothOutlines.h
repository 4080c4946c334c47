#pragma once
// The tooth outlines the virtual set-ups are pasted from: side views of one
// quadrant's teeth, upper crowns pointing down to the occlusal line, lower
// crowns up, each filling its picture so that neighbours touch.

#include <string_view>

#include "model/ToothPic.h"
#include "platform/Picture.h"

namespace vt {

// The outline picture of a tooth; one program-wide instance each.
const Picture& ToothOutline(ToothPic id);
// By picture name ("picMx1" .. "picMn7"); nullptr for any other name.
const Picture* ToothOutlineNamed(std::string_view name);

}  // namespace vt
