#include "platform/MessageBox.h"

#include <QMessageBox>

#include "platform/ProcedureError.h"
#include "platform/Seams.h"

namespace vt {

void ShowMessage(const QString& text, QWidget* owner, const QString& title) {
    const QString caption = title.isEmpty() ? QStringLiteral("Veltrane") : title;
    if (CurrentSeams().message) {
        CurrentSeams().message(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void ReportProcedureError(std::string_view procedure, std::string_view text) {
    ShowMessage(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                nullptr,
                QString::fromUtf8(procedure.data(), static_cast<qsizetype>(procedure.size())));
}

}  // namespace vt
