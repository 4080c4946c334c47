#include "platform/Printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>
#include <string>

#include "platform/PainterSurface.h"
#include "platform/PrintQueue.h"
#include "platform/Seams.h"
#include "platform/Units.h"

namespace vt {

bool PrintPage(const PageProcedure& page) {
    QPrinter printer(QPrinter::HighResolution);
    std::string queue;  // empty when printing to a file
    if (!CurrentSeams().printToFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(CurrentSeams().printToFile);
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return false;
        printer.setPrinterName(info.printerName());
        queue = QueueOfPrinter(info.printerName().toStdString());
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Veltrane"));
    if (!printer.isValid()) return false;
    // Qt hands the job over and never says whether the queue took it, so we
    // ask the queue: one that refuses jobs fails before anything is drawn,
    // and the watch tells afterwards whether a job was created.
    if (!queue.empty() && !QueueAcceptsJobs(queue)) return false;
    std::optional<JobWatch> watch;
    if (!queue.empty()) watch.emplace(queue);

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Millimetres from the sheet's corner, from the printer's own resolution:
    // the paper's width in device pixels is rounded to whole points and would
    // shrink the sheet (tracing page 1 must lie life-size on the radiograph).
    const double pixelsPerMm = PerInchToPerMm(printer.resolution());
    PainterSurface surface(painter, 0, 0, pixelsPerMm);
    if (page) page(surface);
    // Ending the document hands the job over.
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    if (!watch) return ended;
    // Qt's submission, if it made one, was the last request sent: read its
    // status before the watch sends its own. A paused queue keeps the job,
    // which is no failure.
    const bool submitted = LastPrintRequestSucceeded();
    return ended && submitted && watch->jobCreated().value_or(true);
}

}  // namespace vt
