#pragma once
// The cephalometric form: 17 typed measurements, their check, the derived
// values and the evaluation comment; a crossroads of the navigation.

#include "ceph/CephRecord.h"
#include "platform/FormControls.h"
#include "platform/Forms.h"
#include "platform/ResultSurface.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vt {

class CephaloForm : public Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmCephalo";
    CephaloForm();
    void Form_Load() override;

    void cmdCephalo_Click();
    void cmdImage_Click();
    void cmdNext_Click();
    void cmdPreview_Click();
    void cmdTooth_Click();
    void cmdNextPatient_Click();
    void cmdExit_Click();

    // The cephalometric record, read and written by the other analyses.
    CephRecord& record() { return record_; }
    const CephRecord& record() const { return record_; }

    // The cephalometric page of the current record.
    static void DrawPage(ResultSurface& surface);

private:
    void addCaption(const char* caption, const Twips& rect);
    QLineEdit* addMeasurement(const char* caption, const char* boxName, int captionLeft, int fieldLeft, int top,
                              int captionWidth = 1095);
    QLabel* addResult(const char* caption, const char* labelName, int captionLeft, int fieldLeft, int top);

    CephRecord record_;
    int captionCount_ = 0;
    QLabel* lblANB;
    QLabel* lblPFHAFH;
    QLabel* lblODI;
    QLabel* lblAPDI;
    QLabel* lblCephalo;
    QPushButton* cmdImage;
    QPushButton* cmdCephalo;
    QPushButton* cmdPreview;
    QPushButton* cmdNext;
    QPushButton* cmdTooth;
    QPushButton* cmdNextPatient;
    QPushButton* cmdExit;
};

}  // namespace vt
