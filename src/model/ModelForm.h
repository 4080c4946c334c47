#pragma once
// The model form: twelve tooth widths and two basal arch widths, the incisor
// ratio and the whole model analysis, the set-up choices, and the way on to
// the preview, the cephalometric form or the next patient. Its record is
// Model(), which a fresh load resets.

#include <array>

#include "intake/FormNames.h"
#include "platform/Forms.h"
#include "platform/ResultSurface.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vt {

struct ModelEntries;

class ModelForm : public Form {
    Q_OBJECT
public:
    static constexpr const char* kName = FormName::Model;
    ModelForm();
    void Form_Load() override;

    void cmdFourIncisor_Click();
    void cmdTotalTeeth_Click();
    void cmdPreview_Click();
    void cmdNext_Click();
    void cmdNextPatient_Click();
    void cmdExit_Click();
    // Each receives the index of the clicked button of its array; any other
    // index changes nothing.
    void optArchform_Click(int index);
    void optExt_Click(int index);
    void optOverjet_Click(int index);

private:
    void buildSetupFrame();
    ModelEntries entries() const;
    void showResultTexts();

    std::array<QLineEdit*, 12> txtSize{};
    QLineEdit* txtUBAW;
    QLineEdit* txtLBAW;
    QLabel* lblSOI;
    QLabel* lblBolton;
    QLabel* lblHowes;
    QPushButton* cmdFourIncisor;
    QPushButton* cmdTotalTeeth;
    QPushButton* cmdPreview;
    QPushButton* cmdNext;
    QPushButton* cmdNextPatient;
    QPushButton* cmdExit;
};

}  // namespace vt
