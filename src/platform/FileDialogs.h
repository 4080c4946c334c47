#pragma once
// The save dialog for a copy of a result page, and the open dialog for a
// radiograph.

#include <QString>
#include <optional>

#include "platform/Seams.h"

class QWidget;

namespace vt {

// Asks for a file name with the given filter ("PNG Files (*.png);;..."),
// starting at `startPath` (a folder and the file name filled in). Returns the
// chosen name and the chosen filter, or nothing when cancelled. Qt's own
// dialog, which remembers nothing: the program writes no settings file.
std::optional<SaveAnswer> AskSaveFileName(QWidget* owner, const QString& filter, const QString& startPath);

// Asks for an existing file to open, with the given title and filter
// ("JPEG Files (*.jpg *.JPG);;..."), showing `startFolder` first. Returns
// the chosen name, or nothing when cancelled.
std::optional<QString> AskOpenFileName(QWidget* owner,
                                       const QString& title,
                                       const QString& filter,
                                       const QString& startFolder);

}  // namespace vt
