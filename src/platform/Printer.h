#pragma once
// Prints one result page on the default printer: A4 portrait, full page,
// millimetres from the sheet's corner, no dialog, no white fill.

#include <QString>

#include "platform/PageImage.h"

namespace vt {

// False when there is no printer, the job fails or the queue refuses it
// (a paused queue that keeps the job is no failure); nothing is shown.
bool PrintPage(const PageProcedure& page);

// Tests print into this PDF file instead of the default printer; an empty
// name restores the printer.
void SetPrintToFile(const QString& pdfPath);

}  // namespace vt
