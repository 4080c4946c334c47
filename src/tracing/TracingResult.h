#pragma once
// The last accepted tracing: what the three tracing pages draw. Written
// only by a press of the result button whose checks pass, so a refused press
// leaves the pages and files of the last accepted one.

#include <memory>

#include "platform/Picture.h"
#include "tracing/TracingMeasures.h"
#include "tracing/TracingPoints.h"

namespace vt {

struct TracingResult {
    // Sella on the radiograph (picture units) and the scale, which place
    // the radiograph under the tracing on page 1.
    double SellaX = 0, SellaY = 0, MmPerPixel = 0;
    TracingPoints points;
    TracingMeasures measures;
    // The radiograph as page 1 paints it; null when none was opened.
    std::shared_ptr<const Picture> radiograph;
};

// The session's patient's last accepted tracing.
TracingResult& LastTracing();

}  // namespace vt
