#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QSettings>

namespace vt {

namespace {
std::function<std::optional<SaveAnswer>(const SaveDialogRequest&)>& Answer() {
    static std::function<std::optional<SaveAnswer>(const SaveDialogRequest&)> answer;
    return answer;
}

// Qt's file dialog keeps its history and last folder in a user settings file
// (QtProject.conf) whenever one closes. The program keeps no settings: user
// settings go where no file can ever be made, so nothing is written or read.
void KeepNoSettings() {
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/no-settings"));
}
Q_COREAPP_STARTUP_FUNCTION(KeepNoSettings)
}  // namespace

void SetSaveDialogAnswer(std::function<std::optional<SaveAnswer>(const SaveDialogRequest&)> answer) {
    Answer() = std::move(answer);
}

std::optional<SaveAnswer> AskSaveFileName(QWidget* owner, const QString& filter, const QString& startPath) {
    if (Answer()) return Answer()(SaveDialogRequest{filter, startPath});
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

namespace {
std::function<std::optional<QString>(const QString&, const QString&)>& OpenAnswer() {
    static std::function<std::optional<QString>(const QString&, const QString&)> answer;
    return answer;
}
}  // namespace

void SetOpenDialogAnswer(std::function<std::optional<QString>(const QString&, const QString&)> answer) {
    OpenAnswer() = std::move(answer);
}

std::optional<QString> AskOpenFileName(QWidget* owner,
                                       const QString& title,
                                       const QString& filter,
                                       const QString& lastName) {
    if (OpenAnswer()) return OpenAnswer()(title, filter);
    const QString name =
        QFileDialog::getOpenFileName(owner, title, lastName, filter, nullptr, QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

}  // namespace vt
