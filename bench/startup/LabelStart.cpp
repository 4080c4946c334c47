// The yardstick of start-up: a Qt program that shows one window with one
// label and exits after its first paint.

#include <QApplication>
#include <QLabel>

#include "FirstPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Veltrane"));
    bench::QuitAfterFirstPaint quit;
    label.installEventFilter(&quit);
    label.show();
    return app.exec();
}
