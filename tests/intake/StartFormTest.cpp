// The start form end to end: controls, age check, patient record, patient
// folder, refused chart numbers, help, exit and the next-patient sequence.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <map>

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

// The bounds are the age reader's; here a refused year and a refused month.
TEST_F(StartFormTest, RefusedAgesKeepTheFormAndWhatWasTyped) {
    for (const auto& [years, months] : {std::pair{"100", "0"}, {"12", "-1"}, {"12abc", "11.5"}}) {
        messages.clear();
        start("A-1", years, months);
        ASSERT_EQ(messages, QStringList{kAgeMessage}) << years << " / " << months;
        EXPECT_TRUE(isVisible("frmPatientInfo"));
        EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    }
    EXPECT_FALSE(QDir(home()).exists(QStringLiteral("Patient Data")));
    const PatientRecord& p = Patient();
    EXPECT_EQ(std::tuple(p.ChartNo, p.AgeYear, p.AgeMonth), std::tuple("A-1", 12.0, 12));  // 11.5 months to even
}

TEST_F(StartFormTest, AcceptedAgesCreateTheFolderNamedByChartAndAgeLeavingAnOldOneAlone) {
    const QString old = patientFolder(QStringLiteral("77(12Y0M)/ModelAx.png"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(old).path()));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier page");
    file.close();
    const struct { const char *chart, *years, *months, *folder; } rows[] = {
        {"77", "12", "0", "77(12Y0M)"},  {"", "12.5", "", "(12.5Y0M)"},
        {"환자 7", " 0.000001kg", "2.5", "환자 7(0.000001Y2M)"},  // 2.5 months go to the even neighbour
    };
    for (const auto& row : rows) {
        start(row.chart, row.years, row.months);
        EXPECT_TRUE(messages.isEmpty()) << row.folder;
        EXPECT_TRUE(isVisible("frmModel") && !Forms::IsLoaded("frmPatientInfo")) << row.folder;
        EXPECT_TRUE(QFileInfo(patientFolder(QString::fromUtf8(row.folder))).isDir()) << row.folder;
        NextPatient();
    }
    EXPECT_EQ(QDir(home() + QStringLiteral("/Patient Data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
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

// Records the forms shown, hidden and deleted, in order.
class FormEvents : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        const std::map<QEvent::Type, QString> kinds{
            {QEvent::Show, "show "}, {QEvent::Hide, "hide "}, {QEvent::DeferredDelete, "delete "}};
        if (qobject_cast<Form*>(object) && kinds.contains(event->type())) log << kinds.at(event->type()) + object->objectName();
        return false;
    }
    QStringList log;
};

// The start form is shown before the analysis forms go, so that a window is
// always open; they are unloaded in their order, and the record keeps only
// the name until the next start.
TEST_F(StartFormTest, NextPatientShowsAFreshStartFormThenUnloadsTheAnalysisFormsInOrder) {
    start("1", "12", "0");
    EXPECT_EQ(Patient().Sex, 0);  // male without an option
    NextPatient();
    startPatient(QStringLiteral("Kim"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("4"), 1);
    EXPECT_EQ(Patient().Sex, 1);
    for (const char* f : {"frmCephalo", "frmImage", "frmDiagnosis"}) Forms::Show(f);  // each unload shows
    SetState(PreviewState::CephPage);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the forms left earlier
    FormEvents events;
    qApp->installEventFilter(&events);
    click("frmModel", "cmdNextPatient");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qApp->removeEventFilter(&events);
    EXPECT_EQ(events.log, QStringList({"show frmPatientInfo", "hide frmModel", "hide frmCephalo", "hide frmImage",
                                       "hide frmDiagnosis", "delete frmModel", "delete frmCephalo", "delete frmImage",
                                       "delete frmDiagnosis"}));
    expectFreshForm();
    EXPECT_EQ(State(), PreviewState::None);
    const PatientRecord& p = Patient();
    EXPECT_EQ(std::tuple(p.Sex, p.AgeYear, p.AgeMonth, p.PatientName), std::tuple(0, 0.0, 0, "Kim"));
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

// The banner's tooth arch, light strokes on a dark sky, lies wholly inside
// the part of the banner that the form shows.
TEST_F(StartFormTest, TheBannerShowsItsToothArchWhole) {
    const QImage shown = form("frmPatientInfo")->grab().toImage();
    int arch = 0, edge = 0;
    for (int x = 540; x < shown.width(); ++x)
        for (int y = 0; y < 283; ++y)
            if (qRed(shown.pixel(x, y)) > 120) ++(x < shown.width() - 12 ? arch : edge);
    EXPECT_GT(arch, 1000);
    EXPECT_EQ(edge, 0);
}

// The layout in spot checks (twips, 15 to the pixel), help and exit.
TEST_F(StartFormTest, FreshFormHelpAndExit) {
    expectFreshForm();
    EXPECT_EQ(form("frmPatientInfo")->windowTitle(), QStringLiteral("Veltrane"));
    EXPECT_EQ(form("frmPatientInfo")->size(), QSize(11910 / 15, 8520 / 15));
    EXPECT_EQ(control<QWidget>("frmPatientInfo", "cmdStart")->geometry(), QRect(136, 432, 121, 41));
    EXPECT_EQ(control<QAbstractButton>("frmPatientInfo", "cmdStart")->text(), QStringLiteral("분석 시작"));
    click("frmPatientInfo", "cmdHelp");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible() && endRequests == 0);
    // Escape in the text closes it, and so does its own close button.
    QTest::keyClick(HelpWindow()->findChild<QWidget*>(QStringLiteral("helpText")), Qt::Key_Escape);
    EXPECT_TRUE(HelpWindow() == nullptr || !HelpWindow()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("frmPatientInfo", "cmdHelp");
    HelpWindow()->findChild<QAbstractButton*>(QStringLiteral("cmdClose"))->click();
    EXPECT_TRUE(HelpWindow() == nullptr || !HelpWindow()->isVisible());
    click("frmPatientInfo", "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
