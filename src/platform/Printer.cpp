#include "platform/Printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/PainterSurface.h"
#include "platform/Seams.h"
#include "platform/Units.h"

namespace vt {

bool PrintPage(const PageProcedure& page) {
    QPrinter printer(QPrinter::HighResolution);
    if (!CurrentSeams().printToFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(CurrentSeams().printToFile);
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return false;
        printer.setPrinterName(info.printerName());
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Veltrane"));
    if (!printer.isValid()) return false;

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Millimetres from the sheet's corner, from the printer's own resolution:
    // the paper's width in device pixels is rounded to whole points and would
    // shrink the sheet (tracing page 1 must lie life-size on the radiograph).
    const double pixelsPerMm = PerInchToPerMm(printer.resolution());
    PainterSurface surface(painter, 0, 0, pixelsPerMm);
    if (page) page(surface);
    // Ending the document hands the job over; a refused job shows in the state.
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace vt
