// The start form end to end, and the forms as windows.
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include "intake/FormNames.h"
#include "intake/NextPatient.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "platform/HelpViewer.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

using StartFormTest = ProgramTest;

// A refusal keeps the form and what was typed; an acceptance names the patient folder.
TEST_F(StartFormTest, AnAgeIsRefusedOnTheFormOrNamesThePatientFolder) {
    const QString old = patientFolder(QStringLiteral("77(12Y0M)/ModelAx.png"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(old).path()));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << old.toStdString();
    ASSERT_EQ(file.write("earlier page"), 12) << old.toStdString();
    file.close();
    // The record takes the age as read, refused or not; months round halves to even.
    const struct {
        const char *chart, *years, *months, *folder;
        double year;
        int month;
    } rows[] = {
        {"A", "0", "0", nullptr, 0, 0},
        {"B", "0.1", "0", "B(0.1Y0M)", 0.1, 0},
        {"C", "99.9", "11", "C(99.9Y11M)", 99.9, 11},
        {"A", "100", "0", nullptr, 100, 0},
        {"A", "12", "12", nullptr, 12, 12},
        {"A-1", "12abc", "11.5", nullptr, 12, 12},
        {"D", "12", "10.5", "D(12Y10M)", 12, 10},
        {"E", "12", "-0.4", "E(12Y0M)", 12, 0},
        {"A", "12", "-1", nullptr, 12, -1},
        {"A", "1e400", "0", nullptr, 0, 0},
        {"A", "12", "40000", nullptr, 12, 0},
        {"A", "", "", nullptr, 0, 0},
        {"77", "12", "0", "77(12Y0M)", 12, 0},
        {"", "12.5", "", "(12.5Y0M)", 12.5, 0},
        {"환자 7", " 0.000001kg", "2.5", "환자 7(0.000001Y2M)", 0.000001, 2},
    };
    for (const auto& row : rows) {
        messages.clear();
        startPatient("Lee", row.chart, row.years, row.months);
        EXPECT_EQ(std::tuple(Patient().PatientName, Patient().ChartNo, Patient().AgeYear, Patient().AgeMonth),
                  std::tuple(std::string("Lee"), std::string(row.chart), row.year, row.month))
            << row.years;
        if (!row.folder) {
            EXPECT_EQ(messages,
                      QStringList{QStringLiteral(
                          "나이가 정상적으로 입력되지 않았습니다. 확인하시고 [시작] 단추를 다시 눌러 주세요!")});
            ASSERT_TRUE(isVisible("frmPatientInfo")) << row.years << ": start form visible";
            ASSERT_FALSE(Forms::IsLoaded("frmModel")) << row.years << ": model form loaded";
            EXPECT_EQ(control<QLineEdit>("frmPatientInfo", "txtMonth")->text(), QString::fromUtf8(row.months));
            continue;
        }
        EXPECT_EQ(messages, QStringList()) << row.folder;
        EXPECT_TRUE(isVisible("frmModel")) << row.folder << ": model form visible";
        EXPECT_FALSE(Forms::IsLoaded("frmPatientInfo")) << row.folder << ": start form still loaded";
        EXPECT_TRUE(QFileInfo(patientFolder(QString::fromUtf8(row.folder))).isDir()) << row.folder << ": folder made";
        NextPatient();
    }
    EXPECT_EQ(QDir(home() + QStringLiteral("/Patient Data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 7);
    // An old folder is left alone.
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "earlier page readable";
    EXPECT_EQ(file.readAll(), QByteArray("earlier page"));
}

TEST_F(StartFormTest, RefusesChartNumbersThatLeaveThePatientFolder) {
    for (const char* chart : {"a/b", "..", ".", "a\\b", "7\t7", "7\x7f", "7\u00857"}) {
        messages.clear();
        startPatient("Lee", chart, "12", "0");
        EXPECT_EQ(messages.size(), 1) << chart << ": " << messages.join(u'|').toStdString();
        EXPECT_TRUE(messages.value(0).contains(QStringLiteral("차트 번호")))
            << chart << ": " << messages.value(0).toStdString();
        EXPECT_FALSE(Forms::IsLoaded("frmModel")) << chart << ": model form loaded";
    }
    EXPECT_FALSE(QDir(home()).exists(QStringLiteral("Patient Data")));
}

TEST_F(StartFormTest, EveryPageAndEveryFormThatNavigationNamesIsRegistered) {
    for (int state = 1; state <= 6; ++state) {
        EXPECT_NE(PageProcedureFor(PreviewState(state)), nullptr) << "page procedure of state " << state;
        EXPECT_TRUE(Forms::IsRegistered(FormForState(PreviewState(state))))
            << "form of state " << state << ": " << FormForState(PreviewState(state));
    }
    for (const char* name : {FormName::Start, FormName::Preview}) EXPECT_TRUE(Forms::IsRegistered(name)) << name;
}

class FormEvents : public QObject {  // the forms shown, hidden and deleted, in order
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        const char* kind = event->type() == QEvent::Show             ? "show "
                           : event->type() == QEvent::Hide           ? "hide "
                           : event->type() == QEvent::DeferredDelete ? "delete "
                                                                     : nullptr;
        if (kind && qobject_cast<Form*>(object)) log << kind + object->objectName();
        return false;
    }
    QStringList log;
};

// The start form is shown before the analysis forms go, so that a window is always open.
TEST_F(StartFormTest, NextPatientShowsAFreshStartFormThenUnloadsTheAnalysisFormsInOrder) {
    startPatient("Lee", "1", "12", "0");
    EXPECT_EQ(Patient().Sex, 0);  // male without an option
    NextPatient();
    startPatient("Kim", "1", "12", "4", 1);
    EXPECT_EQ(Patient().Sex, 1);
    for (const char* f : {"frmCephalo", "frmImage", "frmDiagnosis"}) Forms::Show(f);  // each unload shows
    SetState(PreviewState::CephPage);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the forms left earlier
    FormEvents events;
    qApp->installEventFilter(&events);
    QDir::setCurrent(home());
    click("frmModel", "cmdNextPatient");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qApp->removeEventFilter(&events);
    EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());  // the fresh form's load sets it
    EXPECT_EQ(events.log.join(u','),
              QStringLiteral("show frmPatientInfo,hide frmModel,hide frmCephalo,hide frmImage,hide frmDiagnosis,"
                             "delete frmModel,delete frmCephalo,delete frmImage,delete frmDiagnosis"));
    const PatientRecord& p = Patient();  // nothing of the last patient is kept
    EXPECT_EQ(std::tuple(control<QRadioButton>("frmPatientInfo", "optSex_1")->isChecked(),
                         State(),
                         p.Sex,
                         p.AgeYear,
                         p.AgeMonth,
                         p.PatientName),
              std::tuple(false, PreviewState::None, 0, 0.0, 0, ""));
    click("frmPatientInfo", "optSex_1");
    click("frmPatientInfo", "optSex_0");
    EXPECT_EQ(Patient().Sex, 0);  // Male pressed after Female
}

// Twips, 15 to the pixel; the banner's light tooth arch lies wholly inside the shown part.
TEST_F(StartFormTest, LayoutHelpAndExit) {
    EXPECT_EQ(form("frmPatientInfo")->size(), QSize(11910 / 15, 8520 / 15));
    const QImage shown = form("frmPatientInfo")->grab().toImage();
    int arch = 0, edge = 0;
    for (int x = 540; x < shown.width(); ++x)
        for (int y = 0; y < 283; ++y)
            if (qRed(shown.pixel(x, y)) > 120) ++(x < shown.width() - 12 ? arch : edge);
    EXPECT_GT(arch, 1000) << "light pixels of the arch";
    EXPECT_EQ(edge, 0) << "light pixels at the right edge";
    click("frmPatientInfo", "cmdHelp");
    ASSERT_NE(HelpWindow(), nullptr) << "help window made";
    ASSERT_TRUE(HelpWindow()->isVisible()) << "help window visible";
    ASSERT_EQ(endRequests, 0);
    const auto helpShown = [] { return HelpWindow() != nullptr && HelpWindow()->isVisible(); };
    QTest::keyClick(HelpWindow()->findChild<QWidget*>(QStringLiteral("helpText")), Qt::Key_Escape);  // Escape closes it
    EXPECT_FALSE(helpShown()) << "help window still shown after Escape";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("frmPatientInfo", "cmdHelp");
    HelpWindow()->findChild<QAbstractButton*>(QStringLiteral("cmdClose"))->click();  // and so does its own button
    EXPECT_FALSE(helpShown()) << "help window still shown after its close button";
    click("frmPatientInfo", "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

int OffCentre(const QWidget* form) {
    return (form->geometry().center() - qApp->primaryScreen()->availableGeometry().center()).manhattanLength();
}

// A close box does what the form's own close or exit button does; Qt's own buttons read Korean.
TEST_F(StartFormTest, FormsAreCentredOnceStayPutCloseAsTheirButtonsDoAndSpeakKorean) {
    EXPECT_LE(OffCentre(form(FormName::Start)), 4);
    startPatient("Choi", "12", "9", "0");
    EXPECT_LE(OffCentre(form(FormName::Model)), 4);
    form(FormName::Model)->move(form(FormName::Model)->pos() + QPoint(30, 20));  // as the clinician drags it
    const QRect model = form(FormName::Model)->geometry();
    Forms::Hide(FormName::Model);
    Forms::Show(FormName::Image);
    form(FormName::Image)->windowHandle()->close();  // what the window manager does for the close box
    ASSERT_TRUE(isVisible(FormName::Cephalo)) << "cephalometric form shown by the image form's close box";
    ASSERT_FALSE(isVisible(FormName::Image)) << "image form still shown after its close box";
    ASSERT_EQ(endRequests, 0);
    EXPECT_LE(OffCentre(form(FormName::Cephalo)), 4);
    form(FormName::Cephalo)->windowHandle()->close();
    EXPECT_EQ(endRequests, 1);
    Forms::Hide(FormName::Cephalo);
    Forms::Show(FormName::Model);
    EXPECT_EQ(form(FormName::Model)->geometry(), model);
    Forms::Get<PreviewForm>().open(PreviewState::ModelPage);
    EXPECT_TRUE(form("frmAxPreview")->isMaximized());
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text() + u'/' + box.button(QDialogButtonBox::Cancel)->text(),
              QStringLiteral("확인/취소"));
}

}  // namespace
}  // namespace vt::testing
