#pragma once
// Runs the real program in-process for end-to-end tests: a temporary home
// folder, recorded messages instead of dialogs, and controls found by name.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <string>

#include "platform/Forms.h"
#include "platform/Seams.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) { *os << list.join(u'|').toStdString(); }

namespace vt::testing {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The loaded form of this name, or null.
    static QWidget* form(const char* name) { return Forms::IsLoaded(name) ? &Forms::Get(name) : nullptr; }
    template <class T>
    static T* control(const char* formName, const char* controlName) {
        QWidget* f = form(formName);
        return f ? f->findChild<T*>(QString::fromUtf8(controlName)) : nullptr;
    }
    // Types into a text box and clicks a button, as the clinician does.
    static void type(const char* formName, const char* box, const QString& text);
    static void click(const char* formName, const char* button);
    static QString labelText(const char* formName, const char* label) {
        return control<QLabel>(formName, label) ? control<QLabel>(formName, label)->text()
                                                : QStringLiteral("<missing>");
    }
    static bool isVisible(const char* formName) { return form(formName) && form(formName)->isVisible(); }
    static bool isEnabled(const char* f, const char* b) {
        return control<QAbstractButton>(f, b) && control<QAbstractButton>(f, b)->isEnabled();
    }

    // Fills the start form and presses the start button.
    static void startPatient(
        const QString& name, const QString& chartNo, const QString& years, const QString& months, int sexOption = -1);
    // Starts the patient Kim (chart 7, 15 years, male) and opens the digitizing form from the cephalometric form.
    static void openDigitizingForm();

    QString home() const { return home_->path(); }
    QString patientFolder(const QString& folderName) const {
        return home() + QStringLiteral("/Patient Data/") + folderName;
    }

    QStringList messages;
    QStringList messageTitles;  // the title of each message, in order
    int endRequests = 0;

private:
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<SeamsGuard> seams_;
    QByteArray oldHome_;
};

}  // namespace vt::testing
