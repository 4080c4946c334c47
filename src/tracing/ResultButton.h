#pragma once
// The result button's step: measures the tracing and checks it. A refused
// tracing gives the check's message and nothing else; an accepted one gives,
// all computed before anything is written, what the pages draw and what the
// cephalometric record becomes. The digitizing form applies it.

#include <QImage>
#include <optional>
#include <string_view>

#include "ceph/CephRecord.h"
#include "tracing/TracingPoints.h"
#include "tracing/TracingResult.h"

namespace vt {

struct AcceptedTracing {
    TracingResult tracing;  // the tracing pages' source
    CephRecord record;      // `current` with the 28 traced values
};

struct TracingOutcome {
    std::string_view refusal;  // the failed check's message; empty when accepted
    std::optional<AcceptedTracing> accepted;
};

// `radiograph` is the picture kept in memory since it was opened (null when
// none was): tracing page 1 paints its window from it, shared, not copied.
TracingOutcome MeasureAndCheck(const TracingInput& input, const QImage& radiograph, const CephRecord& current);

}  // namespace vt
