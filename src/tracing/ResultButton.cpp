#include "tracing/ResultButton.h"

#include <QWidget>
#include <memory>

#include "ceph/CephaloForm.h"
#include "intake/PreviewForm.h"
#include "intake/SaveResultPages.h"
#include "platform/MessageBox.h"
#include "platform/PainterSurface.h"
#include "tracing/RadiographWindow.h"
#include "tracing/TracingChecks.h"
#include "tracing/TracingHandOver.h"
#include "tracing/TracingPages.h"
#include "tracing/TracingResult.h"

namespace vt {

bool PressResultButton(const TracingInput& input, const QImage& radiograph, QWidget* digitizingForm) {
    TracingResult result;
    result.points = PointsOnSheet(input);
    result.measures = MeasureTracing(result.points);
    const TracingCheck check = CheckTracing(result.measures);
    if (!check.passed()) {
        const std::string_view message = RefusalMessage(check);
        ShowMessage(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())), digitizingForm);
        return false;
    }
    result.SellaX = input.landmarks[1].x;
    result.SellaY = input.landmarks[1].y;
    result.MmPerPixel = input.MmPerPixel;
    if (!radiograph.isNull()) {
        // Cut once here, at the resolution of the pages on screen and on file.
        result.radiograph = std::make_shared<RadiographWindow>(
            radiograph, RadiographWindowMm(result.SellaX, result.SellaY, result.MmPerPixel), kScreenPixelsPerMm);
    }
    const CephRecord traced = HandedOver(Ceph(), result.measures);

    // Everything is known; from here on the hand-over runs through.
    LastTracing() = std::move(result);
    Forms::Get<CephaloForm>().PublishTraced(traced);
    Forms::Get<PreviewForm>().open(PreviewState::Tracing1);
    if (digitizingForm) digitizingForm->hide();

    // The saved image begins 15 mm inside the sheet; page 1's radiograph
    // follows that origin while the pages are drawn.
    Offsets() = {kSaveOriginMm, kSaveOriginMm};
    SaveResultPages({{&TracingPage2, "CephAx2.png"}, {&TracingPage3, "CephAx3.png"}, {&TracingPage1, "CephAx1.png"}});
    Offsets() = {0, 0};
    return true;
}

}  // namespace vt
