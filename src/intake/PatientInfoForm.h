#pragma once
// The start form: the patient's name, chart number, sex and age.

#include "intake/FormNames.h"
#include "platform/Forms.h"

class QLineEdit;
class QRadioButton;
class QPushButton;

namespace vt {

class PatientInfoForm : public Form {
    Q_OBJECT
public:
    static constexpr const char* kName = FormName::Start;
    PatientInfoForm();
    void Form_Load() override;

    void optSex_Click(int index);
    void cmdStart_Click();
    void cmdHelp_Click();
    void cmdExit_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* txtName;
    QLineEdit* txtChartNo;
    QRadioButton* optSex[2];
    QLineEdit* txtYear;
    QLineEdit* txtMonth;
    QPushButton* cmdStart;
    QPushButton* cmdHelp;
    QPushButton* cmdExit;
};

}  // namespace vt
