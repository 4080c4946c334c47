#pragma once
// The program's one kind of message: modal, OK only, titled "Veltrane"
// unless a procedure reports under its own name.

#include <QString>

class QWidget;

namespace vt {

// An empty title gives the program's title. Tests record the message
// through the message seam (Seams.h) instead of blocking on a dialog.
void ShowMessage(const QString& text, QWidget* owner = nullptr, const QString& title = QString());

}  // namespace vt
