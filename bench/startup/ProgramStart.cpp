// The program's start-up, as main() runs it, ending once the start form has
// painted for the first time.

#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "FirstPaint.h"
#include "Program.h"
#include "intake/FormNames.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vt::StartProgram();
    // The form is shown but not yet painted: painting waits for the event loop.
    QWidget* startForm = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(vt::FormName::Start) && window->isVisible()) startForm = window;
    if (!startForm) {
        std::fputs("the start form is not shown\n", stderr);
        return 1;
    }
    bench::QuitAfterFirstPaint quit;
    startForm->installEventFilter(&quit);
    return app.exec();
}
