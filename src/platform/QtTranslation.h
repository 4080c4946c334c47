#pragma once
// Qt's own Korean translation of its standard dialogs and buttons, so that a
// message box reads 확인 and the file dialog speaks Korean like the forms.

namespace vt {

// Installs the translation once for the application; later calls do nothing.
// Returns whether it is installed (false when the file is missing).
bool InstallQtKoreanTranslation();

}  // namespace vt
