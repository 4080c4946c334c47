#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QSettings>

namespace vt {

namespace {

// Qt's file dialog keeps its history and last folder in a user settings file
// (QtProject.conf) whenever one closes. The program keeps no settings: user
// settings go where no file can ever be made, so nothing is written or read.
void KeepNoSettings() {
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/no-settings"));
}
Q_COREAPP_STARTUP_FUNCTION(KeepNoSettings)
}  // namespace

std::optional<SaveAnswer> AskSaveFileName(QWidget* owner, const QString& filter, const QString& startPath) {
    if (CurrentSeams().saveDialog) return CurrentSeams().saveDialog(SaveDialogRequest{filter, startPath});
    QString selected;
    const QString name =
        QFileDialog::getSaveFileName(owner,
                                     QString(),
                                     startPath,
                                     filter,
                                     &selected,
                                     QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return SaveAnswer{name, selected};
}

std::optional<QString> AskOpenFileName(QWidget* owner,
                                       const QString& title,
                                       const QString& filter,
                                       const QString& startFolder) {
    if (CurrentSeams().openDialog) return CurrentSeams().openDialog(OpenDialogRequest{title, filter, startFolder});
    const QString name =
        QFileDialog::getOpenFileName(owner, title, startFolder, filter, nullptr, QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

}  // namespace vt
