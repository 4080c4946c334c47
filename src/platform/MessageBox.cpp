#include "platform/MessageBox.h"

#include <QMessageBox>

namespace vt {

namespace {
std::function<void(const QString&)>& Sink() {
    static std::function<void(const QString&)> sink;
    return sink;
}
std::function<void(const QString&, const QString&)>& TitledSink() {
    static std::function<void(const QString&, const QString&)> sink;
    return sink;
}
}  // namespace

void SetMessageSink(std::function<void(const QString&)> sink) { Sink() = std::move(sink); }

void SetTitledMessageSink(std::function<void(const QString&, const QString&)> sink) { TitledSink() = std::move(sink); }

void ShowMessage(const QString& text, QWidget* owner, const QString& title) {
    const QString caption = title.isEmpty() ? QStringLiteral("Veltrane") : title;
    if (TitledSink()) {
        TitledSink()(caption, text);
        return;
    }
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace vt
