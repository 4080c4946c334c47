#pragma once
// The save dialog for a copy of a result page, and the open dialog for a
// radiograph.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace vt {

// Asks for a file name with the given filter ("PNG Files (*.png);;..."),
// starting at `startPath` (a folder and the file name filled in). Returns the
// chosen name and the chosen filter, or nothing when cancelled. Qt's own
// dialog, which remembers nothing: the program writes no settings file.
struct SaveAnswer {
    QString fileName;
    QString selectedFilter;
};
std::optional<SaveAnswer> AskSaveFileName(QWidget* owner, const QString& filter, const QString& startPath);

// What the dialog was asked; it reads as the filter, so answers that look
// only at the filter need not know the rest.
struct SaveDialogRequest {
    QString filter;
    QString startPath;
    operator const QString&() const { return filter; }
};

// Tests answer the dialog instead of the user.
void SetSaveDialogAnswer(std::function<std::optional<SaveAnswer>(const SaveDialogRequest& request)> answer);

// Asks for an existing file to open, with the given title and filter
// ("JPEG Files (*.jpg *.JPG);;..."), starting at the last chosen name.
// Returns the chosen name, or nothing when cancelled.
std::optional<QString> AskOpenFileName(QWidget* owner,
                                       const QString& title,
                                       const QString& filter,
                                       const QString& lastName);

// Tests answer the open dialog instead of the user.
void SetOpenDialogAnswer(std::function<std::optional<QString>(const QString& title, const QString& filter)> answer);

}  // namespace vt
