// The start form end to end: age check, patient record, patient folder,
// refused chart numbers, help, exit and the next-patient sequence.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include "intake/NextPatient.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "platform/HelpViewer.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

const QString kAgeMessage =
    QStringLiteral("나이가 정상적으로 입력되지 않았습니다. 확인하시고 [시작] 단추를 다시 눌러 주세요!");

using StartFormTest = ProgramTest;

TEST_F(StartFormTest, ShowsOnlyTheStartFormWithEmptyBoxes) {
    EXPECT_TRUE(isVisible("frmPatientInfo"));
    EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    for (const char* box : {"txtName", "txtChartNo", "txtYear", "txtMonth"})
        EXPECT_TRUE(control<QLineEdit>("frmPatientInfo", box)->text().isEmpty()) << box;
    EXPECT_FALSE(control<QRadioButton>("frmPatientInfo", "optSex_0")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("frmPatientInfo", "optSex_1")->isChecked());
    EXPECT_EQ(form("frmPatientInfo")->windowTitle(), QStringLiteral("Veltrane"));
    EXPECT_EQ(form("frmPatientInfo")->size(), QSize(11910 / 15, 8520 / 15));
}

TEST_F(StartFormTest, ControlsSitAtTheirTwipPositions) {
    struct Row {
        const char* name;
        QRect pixels;
    };
    const Row rows[] = {
        {"txtName", {192, 320, 161, 25}},  {"txtChartNo", {496, 320, 161, 25}}, {"optSex_0", {192, 376, 81, 25}},
        {"optSex_1", {288, 376, 89, 25}},  {"txtYear", {496, 376, 49, 25}},     {"txtMonth", {608, 376, 49, 25}},
        {"cmdStart", {136, 432, 121, 41}}, {"cmdHelp", {336, 432, 121, 41}},    {"cmdExit", {536, 432, 121, 41}},
        {"Picture1", {-40, 0, 865, 297}},
    };
    for (const Row& row : rows) {
        QWidget* w = control<QWidget>("frmPatientInfo", row.name);
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->geometry(), row.pixels) << row.name;
    }
    EXPECT_EQ(control<QAbstractButton>("frmPatientInfo", "cmdStart")->text(), QStringLiteral("분석 시작"));
    EXPECT_EQ(control<QAbstractButton>("frmPatientInfo", "cmdExit")->text(), QStringLiteral("종  료"));
}

TEST_F(StartFormTest, RefusesAgesOutsideTheRanges) {
    struct Row {
        const char* years;
        const char* months;
    };
    const Row refused[] = {{"0", "0"}, {"100", "0"}, {"", "0"}, {"12", "11.5"}, {"12", "12"},
                           {"12", "-1"}, {"-3", "0"}, {"1e999", "0"}, {"12", "99999"}, {"abc", ""}};
    for (const Row& row : refused) {
        messages.clear();
        startPatient(QStringLiteral("Kim"), QStringLiteral("77"), QString::fromUtf8(row.years),
                     QString::fromUtf8(row.months));
        ASSERT_EQ(messages, QStringList{kAgeMessage}) << row.years << " / " << row.months;
        EXPECT_TRUE(isVisible("frmPatientInfo"));
        EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    }
    EXPECT_FALSE(QDir(home()).exists(QStringLiteral("Patient Data")));
}

TEST_F(StartFormTest, AcceptsAgesJustInsideTheRanges) {
    for (const char* years : {"0.5", "99.9"}) {
        SCOPED_TRACE(years);
        startPatient(QStringLiteral("Kim"), QStringLiteral("77"), QString::fromUtf8(years), QStringLiteral("2.5"));
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_TRUE(isVisible("frmModel"));
        EXPECT_FALSE(Forms::IsLoaded("frmPatientInfo"));
        EXPECT_EQ(Patient().AgeMonth, 2);  // halves go to the even neighbour
        NextPatient();
    }
}

TEST_F(StartFormTest, RefusedStartKeepsWhatWasTypedInTheRecord) {
    startPatient(QStringLiteral("홍길동"), QStringLiteral("A-1"), QStringLiteral("12abc"), QStringLiteral("11.5"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(Patient().PatientName, "홍길동");
    EXPECT_EQ(Patient().ChartNo, "A-1");
    EXPECT_EQ(Patient().AgeYear, 12);
    EXPECT_EQ(Patient().AgeMonth, 12);
    click("frmPatientInfo", "optSex_1");
    type("frmPatientInfo", "txtMonth", QStringLiteral("3"));
    click("frmPatientInfo", "cmdStart");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(Patient().AgeMonth, 3);
    EXPECT_EQ(Patient().Sex, 1);
}

TEST_F(StartFormTest, CreatesThePatientFolderNamedByChartAndAge) {
    struct Row {
        const char* chart;
        const char* years;
        const char* months;
        const char* folder;
    };
    const Row rows[] = {
        {"77", "12", "0", "77(12Y0M)"},
        {"77", "12.5", "", "77(12.5Y0M)"},
        {"", "12", "0", "(12Y0M)"},
        {"1234", "  12.5kg", "3", "1234(12.5Y3M)"},
        {"환자 7", "0.5", "11", "환자 7(0.5Y11M)"},
        {"8", "0.000001", "0", "8(0.000001Y0M)"},  // written out, no exponent
    };
    for (const Row& row : rows) {
        startPatient(QStringLiteral("Lee"), QString::fromUtf8(row.chart), QString::fromUtf8(row.years),
                     QString::fromUtf8(row.months));
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_TRUE(QFileInfo(patientFolder(QString::fromUtf8(row.folder))).isDir()) << row.folder;
        NextPatient();
    }
    EXPECT_EQ(QDir(home() + QStringLiteral("/Patient Data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 6);
}

TEST_F(StartFormTest, LeavesAnExistingFolderAndItsFilesAlone) {
    const QString folder = patientFolder(QStringLiteral("77(12Y0M)"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile old(folder + QStringLiteral("/ModelAx.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier page");
    old.close();
    startPatient(QStringLiteral("Lee"), QStringLiteral("77"), QStringLiteral("12"), QStringLiteral("0"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("earlier page"));
}

TEST_F(StartFormTest, RefusesChartNumbersThatLeaveThePatientFolder) {
    for (const char* chart : {"a/b", "..", ".", "a\\b", "../x", "7\t7", "7\x7f", "7\u00857"}) {
        messages.clear();
        startPatient(QStringLiteral("Lee"), QString::fromUtf8(chart), QStringLiteral("12"), QStringLiteral("0"));
        ASSERT_EQ(messages.size(), 1) << chart;
        EXPECT_TRUE(messages[0].contains(QStringLiteral("차트 번호"))) << chart;
        EXPECT_TRUE(isVisible("frmPatientInfo"));
        EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    }
    EXPECT_FALSE(QDir(home()).exists(QStringLiteral("Patient Data")));
    EXPECT_FALSE(QFileInfo(home() + QStringLiteral("/x")).exists());
}

TEST_F(StartFormTest, ReportsAPatientFolderThatCannotBeCreated) {
    QFile blocker(home() + QStringLiteral("/Patient Data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startPatient(QStringLiteral("Lee"), QStringLiteral("77"), QStringLiteral("12"), QStringLiteral("0"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("77(12Y0M)")));
    EXPECT_TRUE(isVisible("frmModel"));  // the clinician can go on
}

TEST_F(StartFormTest, SexIsMaleUntilAnOptionIsPressed) {
    startPatient(QStringLiteral("Lee"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("0"));
    EXPECT_EQ(Patient().Sex, 0);
    NextPatient();
    startPatient(QStringLiteral("Lee"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("0"), 1);
    EXPECT_EQ(Patient().Sex, 1);
    NextPatient();
    click("frmPatientInfo", "optSex_1");
    click("frmPatientInfo", "optSex_0");
    EXPECT_EQ(Patient().Sex, 0);
}

TEST_F(StartFormTest, NextPatientShowsAFreshStartForm) {
    startPatient(QStringLiteral("Lee"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("4"), 1);
    SetState(2);
    click("frmModel", "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo"));
    for (const char* f : {"frmModel", "frmCephalo", "frmImage", "frmDiagnosis"}) EXPECT_FALSE(Forms::IsLoaded(f)) << f;
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Patient().Sex, 0);
    EXPECT_EQ(Patient().AgeYear, 0);
    EXPECT_EQ(Patient().AgeMonth, 0);
    EXPECT_EQ(Patient().PatientName, "Lee");  // kept until the next start
    for (const char* box : {"txtName", "txtChartNo", "txtYear", "txtMonth"})
        EXPECT_TRUE(control<QLineEdit>("frmPatientInfo", box)->text().isEmpty()) << box;
    EXPECT_FALSE(control<QRadioButton>("frmPatientInfo", "optSex_1")->isChecked());
}

TEST_F(StartFormTest, HelpOpensTheHelpDocumentAndExitEndsTheProgram) {
    click("frmPatientInfo", "cmdHelp");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
    EXPECT_EQ(endRequests, 0);
    click("frmPatientInfo", "cmdExit");
    EXPECT_EQ(endRequests, 1);
    EXPECT_FALSE(ShowHelp(QStringLiteral("no-such-help.html")));
}

}  // namespace
}  // namespace vt::testing
