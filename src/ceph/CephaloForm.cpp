#include "ceph/CephaloForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "ceph/CephEval.h"
#include "ceph/CephInputs.h"
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

constexpr int kRowTops[] = {1800, 2280, 2760, 3240, 3720, 4200, 4680};

// A number beyond a double's range becomes an infinity, which fails every
// range, also those that hold the 0 such a number would otherwise read as.
double ReadBox(const QLineEdit* box) {
    const NumberRead read = ReadNumber(box->text().toStdString());
    return read.overflow ? std::numeric_limits<double>::infinity() : read.value;
}

QString Tenths(double value) { return QString::fromStdString(FormatNumber(value, "#0.0")); }

// The text boxes and the record values they show.
struct BoxValue {
    const char* box;
    double CephRecord::*value;
};
constexpr BoxValue kBoxes[] = {
    {"txtSNA", &CephRecord::SNA},
    {"txtSNB", &CephRecord::SNB},
    {"txtFA", &CephRecord::FA},
    {"txtABMP", &CephRecord::ABMP},
    {"txtPFH", &CephRecord::PFH},
    {"txtAFH", &CephRecord::AFH},
    {"txtSNMP", &CephRecord::SNMP},
    {"txtFMA", &CephRecord::FMA},
    {"txtPPMP", &CephRecord::PPMP},
    {"txtWits", &CephRecord::Wits},
    {"txtOPMP", &CephRecord::OPMP},
    {"txtUISN", &CephRecord::UISN},
    {"txtIMPA", &CephRecord::IMPA},
    {"txtUIFP", &CephRecord::UIFP},
    {"txtLIFP", &CephRecord::LIFP},
    {"txtUL", &CephRecord::UL},
    {"txtLL", &CephRecord::LL},
};

}  // namespace

// The next member of the caption array Label2.
void CephaloForm::addCaption(const char* caption, const Twips& rect) {
    const std::string name = "Label2_" + std::to_string(captionCount_++);
    MakeMnemonicLabel(this, name.c_str(), QString::fromUtf8(caption), rect, FormFont("돋움", 12));
}

QLineEdit* CephaloForm::addMeasurement(
    const char* caption, const char* boxName, int captionLeft, int fieldLeft, int top, int captionWidth) {
    addCaption(caption, {captionLeft, top, captionWidth, 375});
    return MakeTextBox(this, boxName, {fieldLeft, top, 1215, 375}, FormFont("돋움", 12));
}

QLabel* CephaloForm::addResult(const char* caption, const char* labelName, int captionLeft, int fieldLeft, int top) {
    addCaption(caption, {captionLeft, top, 1095, 375});
    QLabel* label = MakeLabel(this, labelName, QString(), {fieldLeft, top, 1215, 375}, FormFont("돋움", 12));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

CephaloForm::CephaloForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Veltrane"));
    SizeFormTwips(this, 11910, 8520);
    const QFont font = FormFont("돋움", 12);
    setFont(font);

    QLabel* title =
        MakeLabel(this, "Label1", QStringLiteral("Cephalo 분석"), {360, 240, 6000, 720}, FormFont("돋움", 24, true));
    title->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    MakeMnemonicLabel(this, "Label2_0", QStringLiteral("Skeletal Ax"), {720, 1200, 3000, 375}, font);
    MakeMnemonicLabel(this, "Label2_1", QStringLiteral("Dental && Esthetic Ax"), {8160, 1200, 3600, 375}, font);
    captionCount_ = 2;

    const int* row = kRowTops;
    QLineEdit* txtSNA = addMeasurement("SNA", "txtSNA", 1320, 2520, row[0]);
    QLineEdit* txtPFH = addMeasurement("PFH", "txtPFH", 4800, 6120, row[0]);
    QLineEdit* txtWits = addMeasurement("Wits", "txtWits", 8760, 9960, row[0]);
    QLineEdit* txtSNB = addMeasurement("SNB", "txtSNB", 1320, 2520, row[1]);
    QLineEdit* txtAFH = addMeasurement("AFH", "txtAFH", 4800, 6120, row[1]);
    QLineEdit* txtUISN = addMeasurement("&1 / SN", "txtUISN", 8760, 9960, row[1]);
    lblANB = addResult("ANB", "lblANB", 1320, 2520, row[2]);
    lblPFHAFH = addResult("PFH/AFH", "lblPFHAFH", 4800, 6120, row[2]);
    QLineEdit* txtIMPA = addMeasurement("IMPA", "txtIMPA", 8760, 9960, row[2]);
    QLineEdit* txtFA = addMeasurement("Facial A", "txtFA", 1320, 2520, row[3], 1215);
    QLineEdit* txtSNMP = addMeasurement("SN/MP", "txtSNMP", 4800, 6120, row[3]);
    QLineEdit* txtUIFP = addMeasurement("&1 to FP", "txtUIFP", 8760, 9960, row[3]);
    QLineEdit* txtABMP = addMeasurement("AB/MP", "txtABMP", 1320, 2520, row[4]);
    QLineEdit* txtFMA = addMeasurement("FMA", "txtFMA", 4800, 6120, row[4]);
    QLineEdit* txtLIFP = addMeasurement("1 to FP", "txtLIFP", 8760, 9960, row[4]);
    lblODI = addResult("ODI", "lblODI", 1320, 2520, row[5]);
    QLineEdit* txtPPMP = addMeasurement("PP/MP", "txtPPMP", 4800, 6120, row[5]);
    QLineEdit* txtUL = addMeasurement("UL", "txtUL", 8760, 9960, row[5]);
    lblAPDI = addResult("APDI", "lblAPDI", 1320, 2520, row[6]);
    QLineEdit* txtOPMP = addMeasurement("OP/MP", "txtOPMP", 4800, 6120, row[6]);
    QLineEdit* txtLL = addMeasurement("LL", "txtLL", 8760, 9960, row[6]);

    // The bar over the 1 of "1 to FP" marks the lower incisor.
    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(8760 / 15, 3720 / 15, (8880 - 8760) / 15, 1);
    line1->setStyleSheet(QStringLiteral("background-color: black;"));

    lblCephalo = MakeLabel(this, "lblCephalo", QString(), {720, 5400, 6735, 2775}, font);
    lblCephalo->setWordWrap(true);

    const QFont buttonFont = FormFont("돋움", 11.25);
    cmdImage =
        MakeButton(this, "cmdImage", QStringLiteral("Image Tracing && 분석"), {7920, 5400, 3375, 495}, buttonFont);
    cmdCephalo = MakeButton(this, "cmdCephalo", QStringLiteral("Ceph 분석"), {7920, 6120, 1575, 495}, buttonFont);
    cmdPreview = MakeButton(this, "cmdPreview", QStringLiteral("결과인쇄 보기"), {9720, 6120, 1575, 495}, buttonFont);
    cmdNext = MakeButton(this, "cmdNext", QStringLiteral("다음 분석으로"), {7920, 6840, 1575, 495}, buttonFont);
    cmdTooth = MakeButton(this, "cmdTooth", QStringLiteral("Model 분석"), {9720, 6840, 1575, 495}, buttonFont);
    cmdNextPatient =
        MakeButton(this, "cmdNextPatient", QStringLiteral("다음 환자"), {7920, 7560, 1575, 495}, buttonFont);
    cmdExit = MakeButton(this, "cmdExit", QStringLiteral("종    료"), {9720, 7560, 1575, 495}, buttonFont);

    SetTabOrder({txtSNA,  txtSNB,   txtFA,      txtABMP,    txtPFH,  txtAFH,   txtSNMP,        txtFMA,
                 txtPPMP, txtOPMP,  txtWits,    txtUISN,    txtIMPA, txtUIFP,  txtLIFP,        txtUL,
                 txtLL,   cmdImage, cmdCephalo, cmdPreview, cmdNext, cmdTooth, cmdNextPatient, cmdExit});

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
    auto box = [this](const char* name) { return ReadBox(findChild<QLineEdit*>(QString::fromUtf8(name))); };
    CephTyped typed;
    typed.SNMP = box("txtSNMP");
    typed.FMA = box("txtFMA");
    typed.PPMP = box("txtPPMP");
    typed.PFH = box("txtPFH");
    typed.AFH = box("txtAFH");
    typed.SNA = box("txtSNA");
    typed.SNB = box("txtSNB");
    typed.FA = box("txtFA");
    typed.ABMP = box("txtABMP");
    typed.Wits = box("txtWits");
    typed.OPMP = box("txtOPMP");
    typed.UISN = box("txtUISN");
    typed.IMPA = box("txtIMPA");
    typed.UIFP = box("txtUIFP");
    typed.LIFP = box("txtLIFP");
    typed.UL = box("txtUL");
    typed.LL = box("txtLL");

    // A refused run keeps the record, comment and scores of the last accepted
    // one for the pages, so nothing ever mixes two runs; only its four result
    // labels are emptied, so no old result stands beside the refused entries.
    const std::optional<CephRecord> accepted = ApplyCephInputs(Ceph(), typed);
    if (!accepted) {
        for (QLabel* label : {lblODI, lblPFHAFH, lblANB, lblAPDI}) label->clear();
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
    lblODI->setText(Tenths(record.ODI));
    lblPFHAFH->setText(Tenths(record.PFHAFH));
    lblANB->setText(Tenths(record.ANB));
    lblAPDI->setText(Tenths(record.APDI));

    const CephEvalResult evaluation = CephEval(record, Patient());
    record.MsgCephalo = evaluation.MsgCephalo;
    Scores() = evaluation.scores;
    lblCephalo->setText(QString::fromStdString(record.MsgCephalo));
}

void CephaloForm::PublishTraced(const CephRecord& traced) {
    cmdCephalo->setEnabled(false);
    cmdPreview->setEnabled(false);
    for (const BoxValue& b : kBoxes) findChild<QLineEdit*>(QString::fromUtf8(b.box))->setText(Tenths(traced.*b.value));
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
