#include "support/ProgramSeams.h"

#include <QCoreApplication>

#include "intake/Session.h"
#include "platform/Forms.h"
#include "platform/HelpViewer.h"

namespace vt::testing {

void UnloadProgram() {
    Forms::UnloadAll();
    CloseHelp();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CurrentSession().reset();
}

}  // namespace vt::testing
