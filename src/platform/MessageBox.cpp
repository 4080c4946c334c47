#include "platform/MessageBox.h"

#include <QMessageBox>

namespace vt {

namespace {
std::function<void(const QString&)>& Sink() {
    static std::function<void(const QString&)> sink;
    return sink;
}
}  // namespace

void SetMessageSink(std::function<void(const QString&)> sink) { Sink() = std::move(sink); }

void ShowMessage(const QString& text, QWidget* owner) {
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Veltrane"), text, QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace vt
