#include "ceph/CephaloForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>
#include <limits>

#include "ceph/CephEval.h"
#include "ceph/CephInputs.h"
#include "ceph/CephMeasurements.h"
#include "ceph/EvalScores.h"
#include "intake/NextPatient.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewForm.h"
#include "intake/SaveResultPages.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

namespace vt {

namespace {

// The twips of the measurement grid's columns and rows.
constexpr int kCaptionLefts[] = {1320, 4800, 8760};
constexpr int kFieldLefts[] = {2520, 6120, 9960};
constexpr int kRowTops[] = {1800, 2280, 2760, 3240, 3720, 4200, 4680};
static_assert(std::size(kCaptionLefts) == kFormColumns && std::size(kFieldLefts) == kFormColumns);
static_assert(std::size(kRowTops) == kFormRows);

// A number beyond a double's range becomes an infinity, which fails every
// range, also those that hold the 0 such a number would otherwise read as.
double ReadBox(const QLineEdit* box) {
    const NumberRead read = ReadNumber(box->text().toStdString());
    return read.overflow ? std::numeric_limits<double>::infinity() : read.value;
}

QString Tenths(double value) { return QString::fromStdString(FormatNumber(value, "#0.0")); }

}  // namespace

// The next member of the caption array Label2.
void CephaloForm::addCaption(const char* caption, const Twips& rect) {
    const std::string name = "Label2_" + std::to_string(captionCount_++);
    MakeMnemonicLabel(this, name.c_str(), QString::fromUtf8(caption), rect, FormFont(12));
}

void CephaloForm::addMeasurement(const TypedMeasurement& m) {
    const int top = kRowTops[m.cell.row];
    addCaption(m.caption, {kCaptionLefts[m.cell.column], top, m.captionWidth, 375});
    MakeTextBox(this, m.box, {kFieldLefts[m.cell.column], top, 1215, 375}, FormFont(12));
}

void CephaloForm::addResult(const DerivedValue& d) {
    const int top = kRowTops[d.cell.row];
    addCaption(d.caption, {kCaptionLefts[d.cell.column], top, 1095, 375});
    QLabel* label = MakeLabel(this, d.label, QString(), {kFieldLefts[d.cell.column], top, 1215, 375}, FormFont(12));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QLineEdit* CephaloForm::box(const TypedMeasurement& m) const { return findChild<QLineEdit*>(QString::fromUtf8(m.box)); }

QLabel* CephaloForm::resultLabel(const DerivedValue& d) const { return findChild<QLabel*>(QString::fromUtf8(d.label)); }

CephaloForm::CephaloForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Veltrane"));
    SizeFormTwips(this, 11910, 8520);
    const QFont font = FormFont(12);
    setFont(font);

    QLabel* title =
        MakeLabel(this, "Label1", QStringLiteral("Cephalo 분석"), {360, 240, 6000, 720}, FormFont(24, true));
    title->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    MakeMnemonicLabel(this, "Label2_0", QStringLiteral("Skeletal Ax"), {720, 1200, 3000, 375}, font);
    MakeMnemonicLabel(this, "Label2_1", QStringLiteral("Dental && Esthetic Ax"), {8160, 1200, 3600, 375}, font);
    captionCount_ = 2;

    // Row by row, left to right: the order that numbers the captions from
    // Label2_2 on and stacks the controls.
    for (int row = 0; row < kFormRows; ++row) {
        for (int column = 0; column < kFormColumns; ++column) {
            if (const TypedMeasurement* m = TypedAt({column, row}))
                addMeasurement(*m);
            else if (const DerivedValue* d = ShownAt({column, row}))
                addResult(*d);
        }
    }

    // The bar over the 1 of "1 to FP" marks the lower incisor.
    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(TwipsToPixels(8760), TwipsToPixels(3720), TwipsToPixels(8880 - 8760), 1);
    line1->setStyleSheet(QStringLiteral("background-color: black;"));

    lblCephalo = MakeCommentLabel(this, "lblCephalo", {720, 5400, 6735, 2775}, font);

    const QFont buttonFont = FormFont(11.25);
    cmdImage =
        MakeButton(this, "cmdImage", QStringLiteral("Image Tracing && 분석"), {7920, 5400, 3375, 495}, buttonFont);
    cmdCephalo = MakeButton(this, "cmdCephalo", QStringLiteral("Ceph 분석"), {7920, 6120, 1575, 495}, buttonFont);
    cmdPreview = MakeButton(this, "cmdPreview", QStringLiteral("결과인쇄 보기"), {9720, 6120, 1575, 495}, buttonFont);
    cmdNext = MakeButton(this, "cmdNext", QStringLiteral("다음 분석으로"), {7920, 6840, 1575, 495}, buttonFont);
    cmdTooth = MakeButton(this, "cmdTooth", QStringLiteral("Model 분석"), {9720, 6840, 1575, 495}, buttonFont);
    cmdNextPatient =
        MakeButton(this, "cmdNextPatient", QStringLiteral("다음 환자"), {7920, 7560, 1575, 495}, buttonFont);
    cmdExit = MakeButton(this, "cmdExit", QStringLiteral("종    료"), {9720, 7560, 1575, 495}, buttonFont);

    // The boxes down each column, then the buttons.
    QWidget* previous = nullptr;
    for (const TypedMeasurement& m : kTypedMeasurements) {
        if (previous) QWidget::setTabOrder(previous, box(m));
        previous = box(m);
    }
    SetTabOrder({previous, cmdImage, cmdCephalo, cmdPreview, cmdNext, cmdTooth, cmdNextPatient, cmdExit});

    connect(cmdCephalo, &QPushButton::clicked, this, [this] { cmdCephalo_Click(); });
    connect(cmdImage, &QPushButton::clicked, this, [this] { cmdImage_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPreview_Click(); });
    connect(cmdTooth, &QPushButton::clicked, this, [this] { cmdTooth_Click(); });
    connect(cmdNextPatient, &QPushButton::clicked, this, [this] { cmdNextPatient_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

void CephaloForm::Form_Load() {
    cmdPreview->setEnabled(false);
    cmdNext->setEnabled(false);
}

void CephaloForm::cmdCephalo_Click() {
    CephRecord typed = Ceph();
    for (const TypedMeasurement& m : kTypedMeasurements) typed.*m.value = ReadBox(box(m));

    // A refused run keeps the record, comment and scores of the last accepted
    // one for the pages, so nothing ever mixes two runs; only its four result
    // labels are emptied, so no old result stands beside the refused entries.
    const std::optional<CephRecord> accepted = ApplyCephInputs(typed);
    if (!accepted) {
        for (const DerivedValue& d : kDerivedValues)
            if (d.label) resultLabel(d)->clear();
        ShowMessage(QString::fromUtf8(kCephInputsRefused), this);
        return;
    }
    PublishEvaluation(*accepted);
    cmdPreview->setEnabled(true);
    cmdNext->setEnabled(true);
    SetState(PreviewState::CephPage);
    SaveResultPages({PreviewState::CephPage});
}

void CephaloForm::PublishEvaluation(const CephRecord& accepted) {
    CephRecord& record = Ceph();
    record = accepted;
    for (const DerivedValue& d : kDerivedValues)
        if (d.label) resultLabel(d)->setText(Tenths(record.*d.value));

    const CephEvalResult evaluation = CephEval(record, Patient());
    record.MsgCephalo = evaluation.MsgCephalo;
    Scores() = evaluation.scores;
    lblCephalo->setText(QString::fromStdString(record.MsgCephalo));
}

void CephaloForm::PublishTraced(const CephRecord& traced) {
    cmdCephalo->setEnabled(false);
    cmdPreview->setEnabled(false);
    for (const TypedMeasurement& m : kTypedMeasurements) box(m)->setText(Tenths(traced.*m.value));
    PublishEvaluation(traced);
    cmdNext->setEnabled(true);
}

void CephaloForm::cmdImage_Click() {
    Forms::Show(FormName::Image);
    hide();
}

void CephaloForm::cmdNext_Click() {
    Forms::Show(FormName::Diagnosis);
    hide();
}

void CephaloForm::cmdPreview_Click() {
    Forms::Get<PreviewForm>().open(PreviewState::CephPage);
    hide();
}

void CephaloForm::cmdTooth_Click() {
    Forms::Show(FormName::Model);
    hide();
    SetState(PreviewState::None);
}

void CephaloForm::cmdNextPatient_Click() { NextPatient(); }

void CephaloForm::cmdExit_Click() { Forms::EndProgram(); }

}  // namespace vt
