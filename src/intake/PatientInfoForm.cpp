#include "intake/PatientInfoForm.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "intake/AgeEntry.h"
#include "intake/FormNames.h"
#include "intake/PatientFolder.h"
#include "intake/PatientRecord.h"
#include "intake/StartPictures.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"

namespace vt {

namespace {

const QString kAgeMessage =
    QStringLiteral("나이가 정상적으로 입력되지 않았습니다. 확인하시고 [시작] 단추를 다시 눌러 주세요!");
const QString kChartNoMessage = QStringLiteral(
    "차트 번호에 폴더 이름으로 쓸 수 없는 문자(/, \\, 제어 문자)가 있거나 \".\", \"..\"입니다. 확인하시고 [시작] "
    "단추를 다시 눌러 주세요!");

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

PatientInfoForm::PatientInfoForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Veltrane"));
    SizeFormTwips(this, 11910, 8520);
    const QFont font = FormFont(12);
    setFont(font);

    QPalette pal = palette();
    pal.setBrush(QPalette::Window, StartBackground(height()));
    setPalette(pal);
    // The form paints its background itself (paintEvent); the brush stays in
    // the palette, where the style reads it.
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto* banner = new StartBannerView(this);
    banner->setObjectName(QStringLiteral("Picture1"));
    PlaceTwips(banner, {-600, 0, 12975, 4455});
    banner->lower();

    txtName = MakeTextBox(this, "txtName", {2880, 4800, 2415, 375}, font);
    txtChartNo = MakeTextBox(this, "txtChartNo", {7440, 4800, 2415, 375}, font);
    optSex[0] = MakeOption(this, "optSex_0", QStringLiteral("Male"), {2880, 5640, 1215, 375}, font);
    optSex[1] = MakeOption(this, "optSex_1", QStringLiteral("Female"), {4320, 5640, 1335, 375}, font);
    txtYear = MakeTextBox(this, "txtYear", {7440, 5640, 735, 375}, font);
    txtMonth = MakeTextBox(this, "txtMonth", {9120, 5640, 735, 375}, font);
    cmdStart = MakeButton(this, "cmdStart", QStringLiteral("분석 시작"), {2040, 6480, 1815, 615}, font);
    cmdHelp = MakeButton(this, "cmdHelp", QStringLiteral("도움말"), {5040, 6480, 1815, 615}, font);
    cmdExit = MakeButton(this, "cmdExit", QStringLiteral("종  료"), {8040, 6480, 1815, 615}, font);
    MakeLabel(this, "Label1", QStringLiteral("성별"), {1680, 5640, 855, 375}, font);
    MakeLabel(this, "Label2", QStringLiteral("나이"), {6120, 5640, 855, 375}, font);
    MakeLabel(this, "Label3", QStringLiteral("Year"), {8280, 5640, 615, 375}, font);
    MakeLabel(this, "Label4", QStringLiteral("Month"), {9960, 5640, 855, 375}, font);
    MakeLabel(this, "Label5", QStringLiteral("이름"), {1680, 4800, 855, 375}, font);
    MakeLabel(this, "Label6", QStringLiteral("Chart No."), {6120, 4800, 1095, 375}, font);

    auto* sexGroup = new QButtonGroup(this);
    sexGroup->addButton(optSex[0], 0);
    sexGroup->addButton(optSex[1], 1);
    connect(sexGroup, &QButtonGroup::idClicked, this, [this](int id) { optSex_Click(id); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    SetTabOrder({txtName, txtChartNo, optSex[0], optSex[1], txtYear, txtMonth, cmdStart, cmdHelp, cmdExit});
}

void PatientInfoForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintStartBackground(painter, event->region(), palette().window());
}

// A new patient's sex and age start at 0 with the session (NextPatient).
void PatientInfoForm::Form_Load() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

void PatientInfoForm::optSex_Click(int index) { Patient().Sex = index == 1 ? 1 : 0; }

void PatientInfoForm::cmdStart_Click() {
    PatientRecord& patient = Patient();
    patient.PatientName = Text(txtName);
    patient.ChartNo = Text(txtChartNo);
    const AgeEntry age = ReadAgeEntry(Text(txtYear), Text(txtMonth));
    patient.AgeYear = age.year;
    patient.AgeMonth = age.month;
    if (!age.valid) {
        ShowMessage(kAgeMessage, this);
        return;
    }
    // The chart number names a folder: it must not reach outside the patient folder.
    if (!ChartNoIsSafe(patient.ChartNo)) {
        ShowMessage(kChartNoMessage, this);
        return;
    }

    Forms::Show(FormName::Model);
    Forms::Unload(kName);
    CreateNewDirectory(PatientDataRoot());
    const QString folder = PatientFolderPath(patient);
    if (!CreateNewDirectory(folder))
        ShowMessage(QStringLiteral("환자 폴더를 만들 수 없습니다. 결과 파일이 저장되지 않습니다:\n") + folder);
}

void PatientInfoForm::cmdHelp_Click() { ShowHelp(QStringLiteral("VL_Help.html"), this); }

void PatientInfoForm::cmdExit_Click() { Forms::EndProgram(); }

}  // namespace vt
