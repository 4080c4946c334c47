#pragma once
// The cephalometric form: 17 typed measurements, their check, the derived
// values and the evaluation comment; a crossroads of the navigation.

#include "ceph/CephMeasurements.h"
#include "ceph/CephRecord.h"
#include "intake/FormNames.h"
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
    static constexpr const char* kName = FormName::Cephalo;
    CephaloForm();
    void Form_Load() override;

    void cmdCephalo_Click();
    void cmdImage_Click();
    void cmdNext_Click();
    void cmdPreview_Click();
    void cmdTooth_Click();
    void cmdNextPatient_Click();
    void cmdExit_Click();

    // Publishes an accepted record: stores it as Ceph(), shows its derived
    // values, runs the evaluation and shows its comment; the scores go to
    // Scores(). Both the typed run and the tracing hand-over end with it.
    void PublishEvaluation(const CephRecord& accepted);

    // Takes a record measured on a tracing: shows its 17 measurements and
    // four derived values with one decimal, publishes it unrounded, and
    // closes the typed analysis and its page, leaving the way on to the
    // diagnosis open.
    void PublishTraced(const CephRecord& traced);

private:
    void addCaption(const char* caption, const Twips& rect);
    void addMeasurement(const TypedMeasurement& m);
    void addResult(const DerivedValue& d);
    QLineEdit* box(const TypedMeasurement& m) const;
    QLabel* resultLabel(const DerivedValue& d) const;

    int captionCount_ = 0;
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
