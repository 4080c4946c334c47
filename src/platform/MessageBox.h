#pragma once
// The program's one kind of message: modal, OK only, titled "Veltrane".

#include <QString>
#include <functional>

class QWidget;

namespace vt {

void ShowMessage(const QString& text, QWidget* owner = nullptr);

// Tests record messages here instead of blocking on a dialog; an empty
// sink restores the dialog.
void SetMessageSink(std::function<void(const QString&)> sink);

}  // namespace vt
