// The forms as windows: the close box does what the form's own close or exit
// button does, forms sit centred and stay put, Qt's buttons speak Korean.

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "intake/FormNames.h"
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

class WindowsTest : public ProgramTest {
protected:
    // What the window manager does when the close box is pressed.
    static void pressCloseBox(const char* formName) { form(formName)->windowHandle()->close(); }
    static int offCentre(const char* formName) {
        return (form(formName)->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center())
            .manhattanLength();
    }
};

TEST_F(WindowsTest, CloseBoxOfThePreviewOrDigitizingFormGoesBackOthersEndTheProgram) {
    startPatient("Choi", "12", "9", "0");
    for (const auto& [state, opener] :
         {std::pair{PreviewState::ModelPage, FormName::Model}, std::pair{PreviewState::CephPage, FormName::Cephalo}}) {
        Forms::Hide(opener);
        Forms::Get<PreviewForm>().open(state);
        pressCloseBox("frmAxPreview");
        EXPECT_TRUE(isVisible(opener) && !Forms::IsLoaded("frmAxPreview")) << opener;
    }
    Forms::Hide(FormName::Cephalo);
    Forms::Show(FormName::Image);  // the digitizing form's close box goes back too
    pressCloseBox(FormName::Image);
    EXPECT_TRUE(isVisible(FormName::Cephalo) && !isVisible(FormName::Image));
    EXPECT_EQ(endRequests, 0);
    pressCloseBox(FormName::Cephalo);
    EXPECT_EQ(endRequests, 1);
}

TEST_F(WindowsTest, FormsAreCentredOnceAndShownAgainAtTheSamePlace) {
    EXPECT_LE(offCentre(FormName::Start), 4);
    startPatient("Choi", "12", "9", "0");
    const QRect model = form(FormName::Model)->geometry();
    EXPECT_LE(offCentre(FormName::Model), 4);
    for (int round = 0; round < 2; ++round) {
        Forms::Hide(FormName::Model);
        Forms::Show(FormName::Cephalo);
        EXPECT_LE(offCentre(FormName::Cephalo), 4);
        Forms::Hide(FormName::Cephalo);
        Forms::Show(FormName::Model);
        EXPECT_EQ(form(FormName::Model)->geometry(), model) << round;
    }
    Forms::Get<PreviewForm>().open(PreviewState::ModelPage);
    EXPECT_TRUE(form("frmAxPreview")->isMaximized());
}

TEST_F(WindowsTest, QtsStandardButtonsReadKorean) {
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("확인"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("취소"));
}

}  // namespace
}  // namespace vt::testing
