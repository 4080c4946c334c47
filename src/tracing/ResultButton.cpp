#include "tracing/ResultButton.h"

#include <memory>

#include "tracing/RadiographPicture.h"
#include "tracing/TracingChecks.h"
#include "tracing/TracingHandOver.h"

namespace vt {

TracingOutcome MeasureAndCheck(const TracingInput& input, const QImage& radiograph, const CephRecord& current) {
    TracingResult result;
    result.points = PointsOnSheet(input);
    result.measures = MeasureTracing(result.points);
    const TracingCheck check = CheckTracing(result.measures);
    if (!check.passed()) return {RefusalMessage(check), std::nullopt};
    result.SellaX = input.landmarks[Landmark::Sella].x;
    result.SellaY = input.landmarks[Landmark::Sella].y;
    result.MmPerPixel = input.MmPerPixel;
    if (!radiograph.isNull()) result.radiograph = std::make_shared<RadiographPicture>(radiograph);
    const CephRecord record = HandedOver(current, result.measures);
    return {{}, AcceptedTracing{std::move(result), record}};
}

}  // namespace vt
