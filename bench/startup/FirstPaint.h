#pragma once
// Ends the process's event loop once a window has painted for the first time,
// so that a start-up run stops at the same point for the program and for its
// yardstick.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace bench {

class QuitAfterFirstPaint : public QObject {
public:
    // The quit is queued: the paint event's children and the flush of the
    // window's backing store finish first.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

}  // namespace bench
