#pragma once
// The form runtime: every form exists once, as a global instance created
// and loaded on first use. Forms are found by name, so a form can show a
// form above it without including it.

#include <QWidget>
#include <functional>
#include <string>

namespace vt {

class Form : public QWidget {
    Q_OBJECT
public:
    // `name` becomes the objectName (frmPatientInfo, frmModel, ...).
    explicit Form(const char* name);
    // Runs once when the form is loaded, before it is first shown.
    virtual void Form_Load() {}
    // Runs when the window's close box is pressed; it does what the form's
    // own exit button does: end the program. A form whose close button does
    // something else (the preview) routes its close box there.
    virtual void Form_CloseBox();

    // Before its first showing: a form sized to the screen fills the screen,
    // any other is centred on it. Later showings keep the place, so forms
    // never wander between showings.
    void placeOnScreenOnce();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool placed_ = false;
};

// The primary screen's whole area, which the preview and the digitizing form
// fill; a 1024 x 768 area when the program runs without a screen.
QRect ScreenArea();

namespace Forms {

using Factory = std::function<Form*()>;

// Tells the runtime how to create the form of this name.
void Register(const std::string& name, Factory factory);

bool IsRegistered(const std::string& name);
bool IsLoaded(const std::string& name);

// The loaded instance of the form; creates and loads it when it is not loaded.
Form& Get(const std::string& name);
// Typed access for code that knows the form's class.
template <class T>
T& Get() {
    if (!IsRegistered(T::kName)) Register(T::kName, [] { return new T; });
    return static_cast<T&>(Get(T::kName));
}

// Modeless show (loading first when needed) and hide.
void Show(const std::string& name);
void Hide(const std::string& name);
// Discards the form's window and entries. Safe from the form's own handler:
// the widget is deleted later; the next Get creates a new instance.
void Unload(const std::string& name);
// Unloads every form and deletes them now (tests and the end of the program).
void UnloadAll();

// Ends the program at once, without unloading or saving anything (tests and
// the fuzz driver go on instead, through the end-program seam).
void EndProgram();

}  // namespace Forms

}  // namespace vt
