#include "platform/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <map>

#include "platform/Seams.h"

namespace vt {

namespace {
// True while EndProgram closes every window: those closes end the program
// and must not run any form's close-box routing.
bool endingProgram = false;
}  // namespace

Form::Form(const char* name) : QWidget(nullptr) {
    setObjectName(QString::fromUtf8(name));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::Form_CloseBox() { Forms::EndProgram(); }

void Form::closeEvent(QCloseEvent* event) {
    if (endingProgram) {
        event->accept();
        return;
    }
    // The form stays as it is; its routing decides what is shown next.
    event->ignore();
    Form_CloseBox();
}

QRect ScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void Form::placeOnScreenOnce() {
    if (placed_) return;
    placed_ = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    if (width() >= free.width() || height() >= free.height()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // An explicit position also tells the window manager not to place the
    // window by its own rules at each showing.
    move(free.center() - rect().center());
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
    form.placeOnScreenOnce();
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

void EndProgram() {
    if (CurrentSeams().endProgram) {
        CurrentSeams().endProgram();
        return;
    }
    endingProgram = true;
    QApplication::closeAllWindows();
    endingProgram = false;
    QCoreApplication::exit(0);
}

}  // namespace Forms

}  // namespace vt
