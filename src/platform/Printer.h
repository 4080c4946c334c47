#pragma once
// Prints one result page on the default printer: A4 portrait, full page,
// millimetres from the sheet's corner, no dialog, no white fill.

#include <QString>

#include "platform/PageImage.h"

namespace vt {

// False when there is no printer, the job fails or the queue refuses it
// (a paused queue that keeps the job is no failure); nothing is shown.
// Tests print into a PDF file instead (Seams.h).
bool PrintPage(const PageProcedure& page);

}  // namespace vt
