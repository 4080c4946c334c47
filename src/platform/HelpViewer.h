#pragma once
// Opens the program's help document from the program's folder in a viewer
// window. A missing document does nothing.

#include <QString>

class QWidget;

namespace vt {

// Returns true when the document was found and shown.
bool ShowHelp(const QString& fileName, QWidget* owner = nullptr);
// The viewer window, when one is open (tests look at it).
QWidget* HelpWindow();
void CloseHelp();

}  // namespace vt
