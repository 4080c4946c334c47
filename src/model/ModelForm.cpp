#include "model/ModelForm.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "intake/NextPatient.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "intake/SaveResultPages.h"
#include "model/ModelAnalysis.h"
#include "model/ModelRecord.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/MessageBox.h"

namespace vt {

namespace {

// The way on to the cephalometric form leaves the preview on tracing page 2,
// as it always has; nothing reads it before the cephalometric form's own
// runs set the state again.
constexpr PreviewState kStateOnWayToCephalo = PreviewState::Tracing2;

constexpr std::array<const char*, 12> kToothCaptions{"상악 중절치",
                                                     "상악 측절치",
                                                     "상악 견치",
                                                     "상악 제1소구치",
                                                     "상악 제2소구치",
                                                     "상악 제1대구치",
                                                     "하악 중절치",
                                                     "하악 측절치",
                                                     "하악 견치",
                                                     "하악 제1소구치",
                                                     "하악 제2소구치",
                                                     "하악 제1대구치"};

// Upper teeth in the first block of rows, lower teeth in the second.
int ToothRowTop(int i) { return i < 6 ? 1320 + 480 * i : 4320 + 480 * (i - 6); }

QFont ControlFont() { return FormFont(12); }
QFont OptionFont() { return FormFont(9.75); }

// A frame without border or caption: it only keeps its option buttons
// exclusive among themselves.
QWidget* MakePlainFrame(QWidget* parent, const char* name, const Twips& rect) {
    auto* frame = new QWidget(parent);
    frame->setObjectName(QString::fromUtf8(name));
    PlaceTwips(frame, rect);
    return frame;
}

QLabel* MakeResultLabel(QWidget* parent, const char* name, const Twips& rect) {
    QLabel* label = MakeLabel(parent, name, QString(), rect, ControlFont());
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// An option array in its own frame; clicks report the button's index.
template <class Handler>
void MakeOptionArray(QWidget* frame,
                     const char* name,
                     std::initializer_list<const char*> captions,
                     std::initializer_list<Twips> rects,
                     int checked,
                     Handler onClick) {
    auto* group = new QButtonGroup(frame);
    int index = 0;
    auto rect = rects.begin();
    for (const char* caption : captions) {
        const std::string controlName = std::string(name) + "_" + std::to_string(index);
        QRadioButton* option =
            MakeOption(frame, controlName.c_str(), QString::fromUtf8(caption), *rect++, OptionFont());
        option->setChecked(index == checked);
        group->addButton(option, index++);
    }
    QObject::connect(group, &QButtonGroup::idClicked, frame, onClick);
}

}  // namespace

ModelForm::ModelForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Veltrane"));
    SizeFormTwips(this, 11910, 8520);
    setFont(FormFont(9.75));
    const QFont font = ControlFont();

    QLabel* title =
        MakeLabel(this, "Label1", QStringLiteral("Model 분석, 가상 Setup"), {360, 240, 5775, 495}, FormFont(24, true));
    title->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    // The substitute face's line is a little taller than the label: set on
    // the label's bottom, only the blank above the glyphs is cut off.
    title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    for (int i = 0; i < 12; ++i) {
        const std::string label = "Label2_" + std::to_string(i), box = "txtSize_" + std::to_string(i);
        MakeLabel(this, label.c_str(), QString::fromUtf8(kToothCaptions[i]), {600, ToothRowTop(i), 2055, 375}, font);
        txtSize[i] = MakeTextBox(this, box.c_str(), {2760, ToothRowTop(i), 975, 375}, font);
    }

    MakeLabel(this, "Label3", QStringLiteral("Sum of Incisor"), {4680, 1320, 1935, 255}, font);
    lblSOI = MakeResultLabel(this, "lblSOI", {6960, 1320, 4095, 375});
    MakeLabel(this, "Label4", QStringLiteral("Bolton Analysis"), {4680, 1800, 1935, 375}, font);
    lblBolton = MakeResultLabel(this, "lblBolton", {6960, 1800, 4095, 375});
    MakeLabel(this, "Label6", QStringLiteral("악궁 폭경 상악"), {4680, 2400, 1935, 255}, font);
    txtUBAW = MakeTextBox(this, "txtUBAW", {6960, 2400, 1335, 375}, font);
    MakeLabel(this, "Label7", QStringLiteral("하악"), {8640, 2400, 615, 255}, font);
    txtLBAW = MakeTextBox(this, "txtLBAW", {9720, 2400, 1335, 375}, font);
    MakeLabel(this, "Label5", QStringLiteral("Howes' Analysis"), {4680, 2880, 1935, 375}, font);
    lblHowes = MakeResultLabel(this, "lblHowes", {6960, 2880, 4095, 375});

    buildSetupFrame();

    const QFont buttonFont = FormFont(11.25);
    cmdFourIncisor =
        MakeButton(this, "cmdFourIncisor", QStringLiteral("4전치 분석"), {600, 7440, 1695, 615}, buttonFont);
    cmdTotalTeeth =
        MakeButton(this, "cmdTotalTeeth", QStringLiteral("Model 분석"), {2520, 7440, 1695, 615}, buttonFont);
    cmdPreview = MakeButton(this, "cmdPreview", QStringLiteral("결과인쇄 보기"), {4440, 7440, 1695, 615}, buttonFont);
    cmdNext = MakeButton(this, "cmdNext", QStringLiteral("다음 분석으로"), {6360, 7440, 1575, 615}, buttonFont);
    cmdNextPatient =
        MakeButton(this, "cmdNextPatient", QStringLiteral("다음 환자"), {8160, 7440, 1455, 615}, buttonFont);
    cmdExit = MakeButton(this, "cmdExit", QStringLiteral("종    료"), {9840, 7440, 1455, 615}, buttonFont);

    SetTabOrder({txtSize[0],     txtSize[1],    txtSize[2], txtSize[3],  txtSize[4],     txtSize[5], txtSize[6],
                 txtSize[7],     txtSize[8],    txtSize[9], txtSize[10], txtSize[11],    txtUBAW,    txtLBAW,
                 cmdFourIncisor, cmdTotalTeeth, cmdPreview, cmdNext,     cmdNextPatient, cmdExit});

    connect(cmdFourIncisor, &QPushButton::clicked, this, [this] { cmdFourIncisor_Click(); });
    connect(cmdTotalTeeth, &QPushButton::clicked, this, [this] { cmdTotalTeeth_Click(); });
    connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPreview_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdNextPatient, &QPushButton::clicked, this, [this] { cmdNextPatient_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

void ModelForm::buildSetupFrame() {
    auto* fraSetup = new QGroupBox(QStringLiteral("가상 Model Setup"), this);
    fraSetup->setObjectName(QStringLiteral("fraSetup"));
    PlaceTwips(fraSetup, {4680, 3480, 6375, 3615});
    FitCaption(fraSetup);

    // The three fixed set-ups, named by an option each alone in its frame so
    // that all three show selected; they do nothing.
    const char* fixed[] = {"비발치", "44/44 발치", "44/ 발치"};
    const int fixedLefts[] = {480, 2400, 4440};
    for (int i = 0; i < 3; ++i) {
        const std::string frameName = "Frame1_" + std::to_string(i), optionName = "Option1_" + std::to_string(i);
        QWidget* frame = MakePlainFrame(fraSetup, frameName.c_str(), {fixedLefts[i], 360, 1695, 615});
        MakeOption(frame, optionName.c_str(), QString::fromUtf8(fixed[i]), {120, 240, 1575, 375}, OptionFont())
            ->setChecked(true);
    }

    QWidget* frmExt = MakePlainFrame(fraSetup, "frmExt", {360, 840, 5535, 735});
    MakeOptionArray(frmExt,
                    "optExt",
                    {"/44 발치", "44/1 발치", "/1 발치"},
                    {{240, 240, 1455, 375}, {2160, 240, 1455, 375}, {4200, 240, 1455, 375}},
                    0,
                    [this](int i) { optExt_Click(i); });

    MakeLabel(fraSetup, "Label10", QStringLiteral("Desired Arch Form"), {240, 1680, 2175, 375}, ControlFont());
    QWidget* fraArchform = MakePlainFrame(fraSetup, "fraArchform", {480, 1920, 5535, 615});
    MakeOptionArray(fraArchform,
                    "optArchform",
                    {"Narrow", "Normal", "Broad"},
                    {{120, 240, 1335, 255}, {2040, 240, 1335, 255}, {4080, 240, 1335, 255}},
                    1,
                    [this](int i) { optArchform_Click(i); });

    MakeLabel(fraSetup, "Label8", QStringLiteral("Desired Overjet"), {240, 2640, 1935, 375}, ControlFont());
    QWidget* fraOverjet = MakePlainFrame(fraSetup, "fraOverjet", {360, 2880, 5535, 615});
    MakeOptionArray(fraOverjet,
                    "optOverjet",
                    {"2.0", "2.5", "3.0", "3.5", "4.0"},
                    {{240, 120, 1095, 375},
                     {1320, 120, 1095, 375},
                     {2400, 120, 1095, 375},
                     {3480, 120, 1095, 375},
                     {4560, 120, 1095, 375}},
                    1,
                    [this](int i) { optOverjet_Click(i); });
}

void ModelForm::Form_Load() { cmdPreview->setEnabled(false); }

ModelEntries ModelForm::entries() const {
    ModelEntries e;
    for (int i = 0; i < 12; ++i) e.size[i] = txtSize[i]->text().toStdString();
    e.UBAW = txtUBAW->text().toStdString();
    e.LBAW = txtLBAW->text().toStdString();
    return e;
}

void ModelForm::showResultTexts() {
    const ModelRecord& m = Model();
    lblSOI->setText(QString::fromStdString(m.SoiText));
    lblBolton->setText(QString::fromStdString(m.BoltonText));
    lblHowes->setText(QString::fromStdString(m.HowesText));
}

void ModelForm::cmdFourIncisor_Click() {
    const ModelRun run = RunIncisorRatio(Model(), entries());
    Model() = run.record;
    lblSOI->clear();
    lblBolton->clear();
    lblHowes->clear();
    if (!run.accepted) ShowMessage(QString::fromUtf8(kToothSizeMessage), this);
    lblSOI->setText(QString::fromStdString(Model().SoiText));
}

void ModelForm::cmdTotalTeeth_Click() {
    const ModelRun run = RunModelAnalysis(Model(), entries());
    Model() = run.record;
    lblSOI->clear();
    lblBolton->clear();
    lblHowes->clear();
    cmdPreview->setEnabled(run.accepted);
    if (!run.accepted) ShowMessage(QString::fromUtf8(kToothSizeMessage), this);
    // After a refused run the labels show the last accepted results.
    showResultTexts();
    if (run.accepted) SaveResultPages({PreviewState::ModelPage});
}

void ModelForm::cmdPreview_Click() {
    Forms::Get<PreviewForm>().open(PreviewState::ModelPage);
    hide();
}

void ModelForm::cmdNext_Click() {
    Forms::Show(FormName::Cephalo);
    hide();
    SetState(kStateOnWayToCephalo);
}

void ModelForm::cmdNextPatient_Click() { NextPatient(); }

void ModelForm::cmdExit_Click() { Forms::EndProgram(); }

void ModelForm::optArchform_Click(int index) {
    if (index >= 0 && index <= 2) Model().ArchForm = static_cast<std::int16_t>(index);
}

void ModelForm::optExt_Click(int index) {
    if (index >= 0 && index <= 2) Model().ExtChoice = static_cast<std::int16_t>(index);
}

void ModelForm::optOverjet_Click(int index) {
    if (index >= 0 && index <= 4) Model().Overjet = 2.0f + 0.5f * static_cast<float>(index);
}

}  // namespace vt
