#pragma once
// The result button of the digitizing form: measures the tracing, checks it
// and, when it passes, hands it to the cephalometric form, opens the preview
// on tracing page 1 and writes the three tracing pages.

#include <QImage>

#include "tracing/TracingPoints.h"

class QWidget;

namespace vt {

// Refused (the check's message shown, nothing else changed) or accepted as
// a whole: everything is computed and checked before the first thing is
// written. `radiograph` is the picture kept in memory since it was opened;
// `digitizingForm` is hidden on success.
bool PressResultButton(const TracingInput& input, const QImage& radiograph, QWidget* digitizingForm);

}  // namespace vt
