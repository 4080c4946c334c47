// The start form end to end: controls, age check, patient record, patient
// folder, refused chart numbers, help, exit and the next-patient sequence.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include "intake/FormNames.h"
#include "intake/NextPatient.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "platform/HelpViewer.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

const QString kAgeMessage =
    QStringLiteral("나이가 정상적으로 입력되지 않았습니다. 확인하시고 [시작] 단추를 다시 눌러 주세요!");

class StartFormTest : public ProgramTest {
protected:
    void start(const char* chart, const char* years, const char* months) {
        startPatient(QStringLiteral("Lee"), QString::fromUtf8(chart), QString::fromUtf8(years),
                     QString::fromUtf8(months));
    }
    void expectFreshForm() {
        EXPECT_TRUE(isVisible("frmPatientInfo"));
        for (const char* box : {"txtName", "txtChartNo", "txtYear", "txtMonth"})
            EXPECT_TRUE(control<QLineEdit>("frmPatientInfo", box)->text().isEmpty()) << box;
        for (const char* option : {"optSex_0", "optSex_1"})
            EXPECT_FALSE(control<QRadioButton>("frmPatientInfo", option)->isChecked()) << option;
    }
};

TEST_F(StartFormTest, ControlsAtTheirTwipPositionsWithTheirCaptions) {
    expectFreshForm();
    EXPECT_EQ(form("frmPatientInfo")->windowTitle(), QStringLiteral("Veltrane"));
    EXPECT_EQ(form("frmPatientInfo")->size(), QSize(794, 568));
    const struct { const char* name; QRect pixels; const char* caption; } rows[] = {
        {"txtName", {192, 320, 161, 25}, ""},          {"txtChartNo", {496, 320, 161, 25}, ""},
        {"optSex_0", {192, 376, 81, 25}, "Male"},      {"optSex_1", {288, 376, 89, 25}, "Female"},
        {"txtYear", {496, 376, 49, 25}, ""},           {"txtMonth", {608, 376, 49, 25}, ""},
        {"cmdStart", {136, 432, 121, 41}, "분석 시작"}, {"cmdHelp", {336, 432, 121, 41}, "도움말"},
        {"cmdExit", {536, 432, 121, 41}, "종  료"},     {"Label6", {408, 320, 73, 25}, "Chart No."},
        {"Label4", {664, 376, 57, 25}, "Month"},       {"Picture1", {-40, 0, 865, 297}, ""},
    };
    for (const auto& row : rows) {
        QWidget* w = control<QWidget>("frmPatientInfo", row.name);
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->geometry(), row.pixels) << row.name;
        const auto* b = qobject_cast<QAbstractButton*>(w);
        const auto* l = qobject_cast<QLabel*>(w);
        if (b || (l && *row.caption)) {
            EXPECT_EQ(b ? b->text() : l->text(), QString::fromUtf8(row.caption)) << row.name;
        }
    }
}

TEST_F(StartFormTest, RefusesAgesOutsideTheRangesAndKeepsWhatWasTyped) {
    const std::pair<const char*, const char*> refused[] = {
        {"0", "0"}, {"100", "0"}, {"", "0"}, {"12", "11.5"}, {"12", "-1"}, {"1e999", "0"}, {"12", "99999"}};
    for (const auto& [years, months] : refused) {
        messages.clear();
        start("A-1", years, months);
        ASSERT_EQ(messages, QStringList{kAgeMessage}) << years << " / " << months;
        EXPECT_TRUE(isVisible("frmPatientInfo"));
        EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    }
    EXPECT_FALSE(QDir(home()).exists(QStringLiteral("Patient Data")));
    start("A-1", "12abc", "11.5");
    EXPECT_EQ(Patient().ChartNo, "A-1");
    EXPECT_EQ(Patient().AgeYear, 12);
    EXPECT_EQ(Patient().AgeMonth, 12);  // 11.5 goes to the even neighbour
}

TEST_F(StartFormTest, AcceptedAgesCreateTheFolderNamedByChartAndAgeLeavingAnOldOneAlone) {
    const QString old = patientFolder(QStringLiteral("77(12Y0M)/ModelAx.png"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(old).path()));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier page");
    file.close();
    const struct { const char *chart, *years, *months, *folder; } rows[] = {
        {"77", "12", "0", "77(12Y0M)"},      {"77", "12.5", "", "77(12.5Y0M)"},
        {"", "12", "0", "(12Y0M)"},          {"1234", " 12.5kg", "3", "1234(12.5Y3M)"},
        {"환자 7", "0.5", "11", "환자 7(0.5Y11M)"}, {"8", "0.000001", "0", "8(0.000001Y0M)"},
        {"9", "99.9", "2.5", "9(99.9Y2M)"},  // 2.5 months go to the even neighbour
    };
    for (const auto& row : rows) {
        start(row.chart, row.years, row.months);
        EXPECT_TRUE(messages.isEmpty()) << row.folder;
        EXPECT_TRUE(isVisible("frmModel") && !Forms::IsLoaded("frmPatientInfo")) << row.folder;
        EXPECT_TRUE(QFileInfo(patientFolder(QString::fromUtf8(row.folder))).isDir()) << row.folder;
        NextPatient();
    }
    EXPECT_EQ(QDir(home() + QStringLiteral("/Patient Data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 7);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("earlier page"));
}

TEST_F(StartFormTest, RefusesChartNumbersThatLeaveThePatientFolder) {
    for (const char* chart : {"a/b", "..", ".", "a\\b", "7\t7", "7\x7f", "7\u00857"}) {
        messages.clear();
        start(chart, "12", "0");
        ASSERT_EQ(messages.size(), 1) << chart;
        EXPECT_TRUE(messages[0].contains(QStringLiteral("차트 번호"))) << chart;
        EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    }
    EXPECT_FALSE(QDir(home()).exists(QStringLiteral("Patient Data")));
}

TEST_F(StartFormTest, ReportsAPatientFolderThatCannotBeCreated) {
    QFile blocker(home() + QStringLiteral("/Patient Data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    start("77", "12", "0");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("77(12Y0M)")));
    EXPECT_TRUE(isVisible("frmModel"));  // the clinician can go on
}

TEST_F(StartFormTest, SexIsMaleWithoutAnOptionAndNextPatientGivesAFreshForm) {
    start("1", "12", "0");
    EXPECT_EQ(Patient().Sex, 0);
    NextPatient();
    startPatient(QStringLiteral("Kim"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("4"), 1);
    EXPECT_EQ(Patient().Sex, 1);
    SetState(PreviewState::CephPage);
    click("frmModel", "cmdNextPatient");
    expectFreshForm();
    for (const char* f : {"frmModel", "frmCephalo", "frmImage", "frmDiagnosis"}) EXPECT_FALSE(Forms::IsLoaded(f)) << f;
    EXPECT_EQ(State(), PreviewState::None);
    EXPECT_EQ(Patient().Sex, 0);
    EXPECT_EQ(Patient().AgeYear, 0);
    EXPECT_EQ(Patient().AgeMonth, 0);
    EXPECT_EQ(Patient().PatientName, "Kim");  // kept until the next start
}

TEST_F(StartFormTest, EveryFormThatNavigationNamesIsRegistered) {
    for (const char* name : {FormName::Start, FormName::Preview, FormName::Model, FormName::Cephalo, FormName::Image,
                             FormName::Diagnosis})
        EXPECT_TRUE(Forms::IsRegistered(name)) << name;
    for (int state = 1; state <= 6; ++state)
        EXPECT_TRUE(Forms::IsRegistered(FormForState(PreviewState(state)))) << state;
    for (PreviewState state : {PreviewState::ModelPage, PreviewState::CephPage})
        EXPECT_TRUE(PageProcedureFor(state)) << int(state);
}

TEST_F(StartFormTest, HelpOpensTheHelpDocumentAndExitEndsTheProgram) {
    click("frmPatientInfo", "cmdHelp");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
    EXPECT_EQ(endRequests, 0);
    click("frmPatientInfo", "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
