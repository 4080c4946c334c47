#include "platform/Forms.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <map>

namespace vt {

Form::Form(const char* name) : QWidget(nullptr) {
    setObjectName(QString::fromUtf8(name));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

namespace Forms {

namespace {

std::map<std::string, Factory>& Factories() {
    static std::map<std::string, Factory> factories;
    return factories;
}

std::map<std::string, QPointer<Form>>& Loaded() {
    static std::map<std::string, QPointer<Form>> loaded;
    return loaded;
}

std::function<void()>& EndHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void Register(const std::string& name, Factory factory) { Factories()[name] = std::move(factory); }

bool IsRegistered(const std::string& name) { return Factories().count(name) != 0; }

bool IsLoaded(const std::string& name) {
    auto it = Loaded().find(name);
    return it != Loaded().end() && !it->second.isNull();
}

Form& Get(const std::string& name) {
    auto& loaded = Loaded();
    auto it = loaded.find(name);
    if (it != loaded.end() && !it->second.isNull()) return *it->second;
    auto factory = Factories().find(name);
    if (factory == Factories().end()) qFatal("form %s is not registered", name.c_str());
    Form* form = factory->second();
    loaded[name] = form;
    form->Form_Load();
    return *form;
}

void Show(const std::string& name) {
    Form& form = Get(name);
    form.show();
    // The offscreen platform of the tests cannot raise windows.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        form.raise();
        form.activateWindow();
    }
}

void Hide(const std::string& name) {
    if (IsLoaded(name)) Loaded()[name]->hide();
}

void Unload(const std::string& name) {
    auto it = Loaded().find(name);
    if (it == Loaded().end()) return;
    QPointer<Form> form = it->second;
    Loaded().erase(it);
    if (form) {
        form->hide();
        form->deleteLater();
    }
}

void UnloadAll() {
    auto loaded = std::move(Loaded());
    Loaded().clear();
    for (auto& [name, form] : loaded)
        if (form) delete form.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SetEndProgramHandler(std::function<void()> handler) { EndHandler() = std::move(handler); }

void EndProgram() {
    if (EndHandler()) {
        EndHandler()();
        return;
    }
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace Forms

}  // namespace vt
