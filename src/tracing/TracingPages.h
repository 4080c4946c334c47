#pragma once
// The three tracing pages of the last accepted tracing, as the preview and
// the result button draw them: pages of states Tracing1 to Tracing3.

#include "platform/ResultSurface.h"

namespace vt {

// Page 1 places its radiograph by the offsets of Offsets().
void TracingPage1(ResultSurface& s);
void TracingPage2(ResultSurface& s);
// Page 3 prints the comment of the cephalometric record.
void TracingPage3(ResultSurface& s);

// Makes them the pages of the preview's states Tracing1 to Tracing3.
void RegisterTracingPages();

}  // namespace vt
