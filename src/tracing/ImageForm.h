#pragma once
// The digitizing form `frmImage`: opens a radiograph, takes its scale from
// two clicks, places the 25 landmarks, zooms and pans. The clicks' meaning
// lives in ClickMode.h; this form reads its controls, calls it and shows
// the result.

#include <QString>
#include <functional>

#include "ceph/CephRecord.h"
#include "intake/FormNames.h"
#include "platform/Forms.h"
#include "tracing/ClickMode.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vt {

class CephDisplay;

class ImageForm : public Form {
    Q_OBJECT
public:
    static constexpr const char* kName = FormName::Image;
    ImageForm();
    void Form_Load() override;

    void cmdOpen_Click();
    void cboScale_Click();
    void cmdScale_Click();
    void cmdLandmark_Click();
    void cboLandmark_Click();
    void cmdModify_Click();
    void cmdMagnify_Click();
    void cmdMove_Click();
    // The result button: measurements, hand-over and tracing pages.
    void cmdPreview_Click();
    void cmdClose_Click();
    // The close box does what the close button does.
    void Form_CloseBox() override { cmdClose_Click(); }

    void picCeph_MouseDown(std::int16_t button, float X, float Y);
    void picCeph_MouseMove(std::int16_t buttons, float X, float Y);
    void picCeph_MouseUp(std::int16_t button, float X, float Y);
    // Redraws the display from the view, the scale and the landmarks.
    void PicCephPaint();

    const DigitizeState& digitizing() const { return state_; }

    // Where an accepted tracing's cephalometric record goes: the
    // cephalometric form, wired by StartProgram().
    static void SetCephHandOver(std::function<void(const CephRecord& traced)> handOver);

private:
    DisplaySizes sizes() const;
    void apply(const Reaction& reaction);
    void applyTools(ToolEvent event);
    void paintAt(const View& view);

    DigitizeState state_;

    QPushButton* cmdOpen;
    QPushButton* cmdScale;
    QComboBox* cboScale;
    QPushButton* cmdLandmark;
    QPushButton* cmdModify;
    QComboBox* cboLandmark;
    QPushButton* cmdMagnify;
    QPushButton* cmdMove;
    QPushButton* cmdPreview;
    QPushButton* cmdClose;
    QLabel* lblScale;
    QLabel* lblLandmark;
    CephDisplay* picCeph;
};

}  // namespace vt
