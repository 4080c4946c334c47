#include "support/ProgramFixture.h"

#include "support/ProgramSeams.h"

#include <QCoreApplication>

#include "Program.h"
#include "intake/Session.h"

namespace vt::testing {

void ProgramTest::SetUp() {
    home_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(home_->isValid());
    oldHome_ = qgetenv("HOME");
    qputenv("HOME", home_->path().toLocal8Bit());
    seams_ = std::make_unique<SeamsGuard>();
    CurrentSeams().message = [this](const QString& title, const QString& text) {
        messageTitles << title;
        messages << text;
    };
    CurrentSeams().endProgram = [this] { ++endRequests; };
    CurrentSession().reset();
    StartProgram();
}

void ProgramTest::TearDown() {
    UnloadProgram();
    seams_.reset();
    qputenv("HOME", oldHome_);
}

void ProgramTest::type(const char* formName, const char* box, const QString& text) {
    auto* edit = control<QLineEdit>(formName, box);
    ASSERT_NE(edit, nullptr) << formName << "." << box;
    edit->setText(text);
}

void ProgramTest::click(const char* formName, const char* button) {
    auto* b = control<QAbstractButton>(formName, button);
    ASSERT_NE(b, nullptr) << formName << "." << button;
    b->click();
}

void ProgramTest::startPatient(
    const QString& name, const QString& chartNo, const QString& years, const QString& months, int sexOption) {
    for (const auto& [box, text] :
         {std::pair{"txtName", name}, {"txtChartNo", chartNo}, {"txtYear", years}, {"txtMonth", months}})
        type("frmPatientInfo", box, text);
    if (sexOption >= 0) click("frmPatientInfo", sexOption == 0 ? "optSex_0" : "optSex_1");
    click("frmPatientInfo", "cmdStart");
}

void ProgramTest::openDigitizingForm() {
    startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("0"), 0);
    Forms::Show("frmCephalo");
    click("frmCephalo", "cmdImage");
}

}  // namespace vt::testing
