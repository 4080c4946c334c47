// How the forms behave as windows: the close box does what the form's own
// close or exit button does, forms sit centred and stay put between
// showings, the preview fills the screen, and Qt's own buttons speak Korean.

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QWindow>

#include "intake/FormNames.h"
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

class WindowsTest : public ProgramTest {
protected:
    // What the window manager does when its close box is pressed.
    static void pressCloseBox(const char* formName) {
        QWindow* window = form(formName)->windowHandle();
        ASSERT_NE(window, nullptr) << formName;
        window->close();
    }
    static QRect freeScreen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(WindowsTest, PreviewCloseBoxReturnsToTheFormThatStateNames) {
    startPatient("Choi", "12", "9", "0");
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    for (const auto& [state, opener] :
         {std::pair{PreviewState::ModelPage, FormName::Model}, std::pair{PreviewState::CephPage, FormName::Cephalo}}) {
        Forms::Hide(opener);
        Forms::Get<PreviewForm>().open(state);
        ASSERT_TRUE(isVisible("frmAxPreview"));
        pressCloseBox("frmAxPreview");
        EXPECT_TRUE(isVisible(opener)) << opener;
        EXPECT_FALSE(Forms::IsLoaded("frmAxPreview"));
        EXPECT_TRUE(State() == state);
    }
    EXPECT_EQ(endRequests, 0);
    EXPECT_EQ(lastClosed.count(), 0);
    EXPECT_TRUE(control<QLineEdit>("frmModel", "txtSize_0") != nullptr);  // entries kept
}

TEST_F(WindowsTest, CloseBoxOfAnAnalysisOrTheStartFormEndsTheProgramLikeItsExitButton) {
    pressCloseBox("frmPatientInfo");
    EXPECT_EQ(endRequests, 1);
    startPatient("Choi", "12", "9", "0");
    pressCloseBox("frmModel");
    EXPECT_EQ(endRequests, 2);
}

TEST_F(WindowsTest, FormsAreCentredOnceAndShownAgainAtTheSamePlace) {
    const QPoint centre = freeScreen().center();
    const QRect start = form("frmPatientInfo")->geometry();
    EXPECT_LE((start.center() - centre).manhattanLength(), 4) << start.x() << "," << start.y();

    startPatient("Choi", "12", "9", "0");
    const QRect model = form("frmModel")->geometry();
    EXPECT_LE((model.center() - centre).manhattanLength(), 4);
    for (int round = 0; round < 2; ++round) {
        Forms::Hide("frmModel");
        Forms::Show("frmCephalo");
        EXPECT_LE((form("frmCephalo")->geometry().center() - centre).manhattanLength(), 4);
        Forms::Hide("frmCephalo");
        Forms::Show("frmModel");
        EXPECT_EQ(form("frmModel")->geometry(), model) << round;
    }
}

TEST_F(WindowsTest, PreviewFillsTheScreen) {
    Forms::Get<PreviewForm>().open(PreviewState::ModelPage);
    EXPECT_TRUE(form("frmAxPreview")->isMaximized());
    EXPECT_TRUE(form("frmAxPreview")->frameGeometry().intersects(freeScreen()));
}

TEST_F(WindowsTest, QtsStandardButtonsReadKorean) {
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("확인"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("취소"));
}

}  // namespace
}  // namespace vt::testing
