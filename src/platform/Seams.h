#pragma once
// Where tests and the fuzz driver stand in for the user, the printer and the
// disk. The program leaves every seam empty and so gets the real message
// boxes, dialogs, printer and disk.

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <string>

namespace vt {

// What the save dialog was asked; it reads as the filter, so answers that
// look only at the filter need not know the rest.
struct SaveDialogRequest {
    QString filter;
    QString startPath;  // a folder and the file name filled in
    operator const QString&() const { return filter; }
};

// What the open dialog was asked.
struct OpenDialogRequest {
    QString title;
    QString filter;
    QString startFolder;  // the folder the dialog shows first
};

// The chosen file name and the chosen filter.
struct SaveAnswer {
    QString fileName;
    QString selectedFilter;
};

struct Seams {
    // A message box, recorded instead of shown.
    std::function<void(const QString& title, const QString& text)> message;
    // The save dialog's answer instead of the user's; nothing is a cancel.
    std::function<std::optional<SaveAnswer>(const SaveDialogRequest& request)> saveDialog;
    // The open dialog's answer instead of the user's; nothing is a cancel.
    std::function<std::optional<QString>(const OpenDialogRequest& request)> openDialog;
    // Ending the program, instead of quitting the process.
    std::function<void()> endProgram;
    // Printing into this PDF file instead of on the default printer.
    QString printToFile;
    // Every file written fails after this many bytes, as on a full disk.
    std::optional<qint64> writeLimit;
    // No image file can be encoded at all.
    bool imageEncodingFails = false;
    // Sees every image file the program writes and whether it was written.
    std::function<void(const std::string& path, bool written)> imageWritten;
};

// The seams in force now.
Seams& CurrentSeams();

// Tests and the fuzz driver hold one while they run: it starts from empty
// seams and puts back, when it ends, the seams it found.
class SeamsGuard {
public:
    SeamsGuard();
    ~SeamsGuard();
    SeamsGuard(const SeamsGuard&) = delete;
    SeamsGuard& operator=(const SeamsGuard&) = delete;

private:
    Seams saved_;
};

}  // namespace vt
