#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace vt {

namespace {
std::function<std::optional<SaveAnswer>(const QString&)>& Answer() {
    static std::function<std::optional<SaveAnswer>(const QString&)> answer;
    return answer;
}
}  // namespace

void SetSaveDialogAnswer(std::function<std::optional<SaveAnswer>(const QString&)> answer) {
    Answer() = std::move(answer);
}

std::optional<SaveAnswer> AskSaveFileName(QWidget* owner, const QString& filter, const QString& lastName) {
    if (Answer()) return Answer()(filter);
    QString selected;
    const QString name = QFileDialog::getSaveFileName(owner, QString(), lastName, filter, &selected,
                                                      QFileDialog::DontConfirmOverwrite);
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

std::optional<QString> AskOpenFileName(QWidget* owner, const QString& title, const QString& filter,
                                       const QString& lastName) {
    if (OpenAnswer()) return OpenAnswer()(title, filter);
    const QString name = QFileDialog::getOpenFileName(owner, title, lastName, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

}  // namespace vt
