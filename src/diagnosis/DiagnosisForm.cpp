#include "diagnosis/DiagnosisForm.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ceph/CephRecord.h"
#include "ceph/EvalScores.h"
#include "diagnosis/DiagnosisRun.h"
#include "diagnosis/ExtractionAnalysis.h"
#include "intake/NextPatient.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewForm.h"
#include "intake/SaveResultPages.h"
#include "model/ModelRecord.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/MessageBox.h"

namespace vt {

namespace {

// Going back to the cephalometric form leaves this state for the preview,
// as the model form does; nothing reads it before a run sets it again.
constexpr PreviewState kStateOnWayToCephalo = PreviewState::Tracing2;

QFont FormFontOf() { return FormFont(12); }

QLabel* MakeResultLabel(QWidget* parent, const char* name, const Twips& rect) {
    QLabel* label = MakeLabel(parent, name, QString(), rect, FormFontOf());
    label->setWordWrap(true);
    label->setFrameShape(QFrame::Box);
    return label;
}

void StoreIndex(std::int16_t& value, int index) {
    if (index >= 0 && index <= 2) value = static_cast<std::int16_t>(index);
}

}  // namespace

DiagnosisForm::DiagnosisForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Veltrane"));
    SizeFormTwips(this, 11910, 8520);
    const QFont font = FormFontOf();
    setFont(font);

    QLabel* title =
        MakeLabel(this, "Label1", QStringLiteral("발치 분석, 진단"), {360, 240, 4095, 615}, FormFont(24, true));
    title->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));

    MakeLabel(this, "Label2_0", QStringLiteral("ALD"), {720, 1320, 615, 255}, font);
    MakeLabel(this, "Label2_1", QStringLiteral("상악"), {1320, 1320, 495, 255}, font);
    txtALDMx = MakeTextBox(this, "txtALDMx", {1920, 1320, 975, 375}, font);
    MakeLabel(this, "Label2_2", QStringLiteral("하악 "), {3120, 1320, 615, 255}, font);
    txtALDMn = MakeTextBox(this, "txtALDMn", {4080, 1320, 975, 375}, font);
    MakeLabel(this, "Label2_3", QStringLiteral("COS"), {720, 1920, 1095, 255}, font);
    txtCOS = MakeTextBox(this, "txtCOS", {1920, 1920, 975, 375}, font);
    MakeLabel(this, "Label2_7", QStringLiteral("Overbite"), {720, 2520, 975, 255}, font);
    txtOB = MakeTextBox(this, "txtOB", {1920, 2520, 975, 375}, font);
    MakeLabel(this, "Label2_8", QStringLiteral("Overjet"), {3120, 2520, 855, 375}, font);
    txtOJ = MakeTextBox(this, "txtOJ", {4080, 2520, 975, 375}, font);

    // The blanks that end each frame's caption keep its line free for the
    // text box that sits on it.
    MakeLabel(this, "Label2_4", QStringLiteral("Molar relation"), {720, 3120, 1575, 255}, font);
    txtMolarRt = addSide("fraMolarRt",
                         " Right",
                         14,
                         "txtMolarRt",
                         "optMolarRt",
                         3480,
                         {"Class I", "Class II", "Class III"},
                         1215,
                         &DiagnosisForm::optMolarRt_Click);
    txtMolarLt = addSide("fraMolarLt",
                         " Left",
                         9,
                         "txtMolarLt",
                         "optMolarLt",
                         4560,
                         {"Class I", "Class II", "Class III"},
                         1215,
                         &DiagnosisForm::optMolarLt_Click);
    MakeLabel(this, "Label2_9", QStringLiteral("Molar cross-bite"), {720, 5640, 1815, 255}, font);
    txtCrossRt = addSide("fraCrossRt",
                         " Right",
                         7,
                         "txtCrossRt",
                         "optCrossRt",
                         6000,
                         {"Normal", "Cross", "Scissors"},
                         1335,
                         &DiagnosisForm::optCrossRt_Click);
    txtCrossLt = addSide("fraCrossLt",
                         " Left",
                         9,
                         "txtCrossLt",
                         "optCrossLt",
                         7080,
                         {"Normal", "Cross", "Scissors"},
                         1335,
                         &DiagnosisForm::optCrossLt_Click);

    MakeLabel(this, "Label2_12", QStringLiteral("Jarabak Ax"), {5640, 1200, 1335, 255}, font);
    lblJarabak = MakeResultLabel(this, "lblJarabak", {5880, 1560, 5415, 495});
    MakeLabel(this, "Label2_13", QStringLiteral("Kim's Ax"), {5640, 2280, 1095, 255}, font);
    lblKims = MakeResultLabel(this, "lblKims", {5880, 2640, 5415, 615});
    lblDiagnosis = MakeCommentLabel(this, "lblDiagnosis", {5760, 3480, 5535, 3015}, font);

    cmdExt = MakeButton(this, "cmdExt", QStringLiteral("발치 분석"), {5880, 6720, 1575, 495}, FormFont(11.25));
    cmdDiagnosis = MakeButton(this, "cmdDiagnosis", QStringLiteral("진  단"), {7800, 6720, 1575, 495}, font);
    cmdPreview = MakeButton(this, "cmdPreview", QStringLiteral("결과인쇄 보기"), {9720, 6720, 1575, 495}, font);
    cmdCephalo = MakeButton(this, "cmdCephalo", QStringLiteral("Ceph 분석"), {5880, 7560, 1575, 495}, font);
    cmdNextPatient = MakeButton(this, "cmdNextPatient", QStringLiteral("다음 환자"), {7800, 7560, 1575, 495}, font);
    cmdExit = MakeButton(this, "cmdExit", QStringLiteral("종  료"), {9720, 7560, 1575, 495}, font);

    std::vector<QWidget*> order{txtALDMx, txtALDMn, txtCOS, txtOB, txtOJ};
    order.insert(order.end(), sideTabOrder_.begin(), sideTabOrder_.end());
    order.insert(order.end(), {cmdExt, cmdDiagnosis, cmdPreview, cmdCephalo, cmdNextPatient, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cmdExt, &QPushButton::clicked, this, [this] { cmdExt_Click(); });
    connect(cmdDiagnosis, &QPushButton::clicked, this, [this] { cmdDiagnosis_Click(); });
    connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPreview_Click(); });
    connect(cmdCephalo, &QPushButton::clicked, this, [this] { cmdCephalo_Click(); });
    connect(cmdNextPatient, &QPushButton::clicked, this, [this] { cmdNextPatient_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

// One side's frame with its option array, and the text box that sits on the
// frame's caption line.
QLineEdit* DiagnosisForm::addSide(const char* frameName,
                                  const char* caption,
                                  int blanks,
                                  const char* boxName,
                                  const char* options,
                                  int top,
                                  std::array<const char*, 3> captions,
                                  int lastWidth,
                                  void (DiagnosisForm::*onClick)(int)) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption) + QString(blanks, u' '), this);
    frame->setObjectName(QString::fromUtf8(frameName));
    PlaceTwips(frame, {840, top, 4455, 975});
    FitCaption(frame);

    auto* group = new QButtonGroup(frame);
    const int lefts[] = {360, 1560, 2760};
    const int widths[] = {1095, 1095, lastWidth};
    std::vector<QWidget*> buttons;
    for (int i = 0; i < 3; ++i) {
        const std::string name = std::string(options) + "_" + std::to_string(i);
        QRadioButton* option =
            MakeOption(frame, name.c_str(), QString::fromUtf8(captions[i]), {lefts[i], 480, widths[i], 255}, font());
        option->setChecked(i == 0);
        group->addButton(option, i);
        buttons.push_back(option);
    }
    connect(group, &QButtonGroup::idClicked, this, [this, onClick](int i) { (this->*onClick)(i); });

    QLineEdit* box = MakeTextBox(this, boxName, {1920, top, 975, 375}, font());
    box->raise();
    sideTabOrder_.push_back(box);
    sideTabOrder_.insert(sideTabOrder_.end(), buttons.begin(), buttons.end());
    return box;
}

void DiagnosisForm::Form_Load() { cmdPreview->setEnabled(false); }

FindingsEntries DiagnosisForm::entries() const {
    const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    return {text(txtALDMx),
            text(txtALDMn),
            text(txtCOS),
            text(txtOB),
            text(txtOJ),
            text(txtMolarRt),
            text(txtMolarLt),
            text(txtCrossRt),
            text(txtCrossLt)};
}

// A refused press empties the labels but leaves the record, and so the page
// and its file, as the last accepted press left them.
void DiagnosisForm::showTexts(bool accepted) {
    const FindingsRecord& r = Findings();
    lblJarabak->setText(accepted ? QString::fromStdString(r.JarabakText) : QString());
    lblKims->setText(accepted ? QString::fromStdString(r.KimsText) : QString());
    lblDiagnosis->setText(accepted ? QString::fromStdString(r.DxText) : QString());
}

void DiagnosisForm::cmdExt_Click() {
    const std::optional<FindingsRecord> run = RunExtraction(Findings(), entries(), Ceph());
    showTexts(false);
    if (!run) {
        ShowMessage(QString::fromUtf8(kExtRefused), this);
        return;
    }
    Findings() = *run;
    showTexts(true);
}

void DiagnosisForm::cmdDiagnosis_Click() {
    const std::optional<FindingsRecord> run =
        RunDiagnosis(Findings(), entries(), {Ceph(), Scores(), Model(), Patient()});
    showTexts(false);
    if (!run) {
        ShowMessage(QString::fromUtf8(kDxRefused), this);
        return;
    }
    Findings() = *run;
    cmdPreview->setEnabled(true);
    showTexts(true);
    SaveResultPages({PreviewState::DiagnosisPage});
}

void DiagnosisForm::cmdPreview_Click() {
    Forms::Get<PreviewForm>().open(PreviewState::DiagnosisPage);
    hide();
}

void DiagnosisForm::cmdCephalo_Click() {
    Forms::Show(FormName::Cephalo);
    hide();
    SetState(kStateOnWayToCephalo);
}

void DiagnosisForm::cmdNextPatient_Click() { NextPatient(); }

void DiagnosisForm::cmdExit_Click() { Forms::EndProgram(); }

void DiagnosisForm::optMolarRt_Click(int index) { StoreIndex(Findings().optMolarRtIdx, index); }
void DiagnosisForm::optMolarLt_Click(int index) { StoreIndex(Findings().optMolarLtIdx, index); }
void DiagnosisForm::optCrossRt_Click(int index) { StoreIndex(Findings().optCrossRtIdx, index); }
void DiagnosisForm::optCrossLt_Click(int index) { StoreIndex(Findings().optCrossLtIdx, index); }

}  // namespace vt
