#pragma once
// The diagnosis form: the occlusal findings, the extraction analyses, the
// diagnosis run and its page, and the way back to the cephalometric form,
// to the next patient or out. Its record is Findings().

#include <array>
#include <vector>

#include "intake/FormNames.h"
#include "platform/Forms.h"
#include "platform/ResultSurface.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vt {

struct FindingsEntries;

class DiagnosisForm : public Form {
    Q_OBJECT
public:
    static constexpr const char* kName = FormName::Diagnosis;
    DiagnosisForm();
    void Form_Load() override;

    void cmdExt_Click();
    void cmdDiagnosis_Click();
    void cmdPreview_Click();
    void cmdCephalo_Click();
    void cmdNextPatient_Click();
    void cmdExit_Click();
    // Each receives the index of the clicked button of its array; any other
    // index than 0, 1 or 2 changes nothing.
    void optMolarRt_Click(int index);
    void optMolarLt_Click(int index);
    void optCrossRt_Click(int index);
    void optCrossLt_Click(int index);

private:
    FindingsEntries entries() const;
    void showTexts(bool accepted);
    QLineEdit* addSide(const char* frame,
                       const char* caption,
                       int blanks,
                       const char* box,
                       const char* options,
                       int top,
                       std::array<const char*, 3> captions,
                       int lastWidth,
                       void (DiagnosisForm::*onClick)(int));

    QLineEdit* txtALDMx;
    QLineEdit* txtALDMn;
    QLineEdit* txtCOS;
    QLineEdit* txtOB;
    QLineEdit* txtOJ;
    QLineEdit* txtMolarRt;
    QLineEdit* txtMolarLt;
    QLineEdit* txtCrossRt;
    QLineEdit* txtCrossLt;
    QLabel* lblJarabak;
    QLabel* lblKims;
    QLabel* lblDiagnosis;
    QPushButton* cmdExt;
    QPushButton* cmdDiagnosis;
    QPushButton* cmdPreview;
    QPushButton* cmdCephalo;
    QPushButton* cmdNextPatient;
    QPushButton* cmdExit;
    std::vector<QWidget*> sideTabOrder_;
};

}  // namespace vt
