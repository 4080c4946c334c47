#pragma once
// The program's one kind of message: modal, OK only, titled "Veltrane"
// unless a procedure reports under its own name.

#include <QString>
#include <functional>

class QWidget;

namespace vt {

// An empty title gives the program's title.
void ShowMessage(const QString& text, QWidget* owner = nullptr, const QString& title = QString());

// Tests record messages here instead of blocking on a dialog; an empty
// sink restores the dialog.
void SetMessageSink(std::function<void(const QString&)> sink);
// As above, for tests that look at the title too; when set, it is used
// instead of the plain sink.
void SetTitledMessageSink(std::function<void(const QString& title, const QString& text)> sink);

}  // namespace vt
