#include "support/ProgramSeams.h"

#include <QCoreApplication>
#include <optional>

#include "platform/FileDialogs.h"
#include "platform/Forms.h"
#include "platform/HelpViewer.h"
#include "platform/ImageWriter.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/WholeFile.h"

namespace vt::testing {

void UnloadProgramAndRestoreSeams() {
    Forms::UnloadAll();
    CloseHelp();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageSink({});
    SetTitledMessageSink({});
    SetSaveDialogAnswer({});
    SetOpenDialogAnswer({});
    SetSaveObserver({});
    SetPrintToFile({});
    SetWriteLimit(std::nullopt);
    SetImageLibraryAvailable(true);
    Forms::SetEndProgramHandler({});
}

}  // namespace vt::testing
