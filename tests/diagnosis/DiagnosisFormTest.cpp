// The diagnosis form end to end, from the start form to its page file; refused presses; navigation.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRadioButton>
#include <tuple>

#include "ceph/CephRecord.h"
#include "diagnosis/DiagnosisForm.h"
#include "diagnosis/FindingsRecord.h"
#include "intake/PreviewPages.h"
#include "platform/RecordingSurface.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmDiagnosis";

class DiagnosisFormTest : public ProgramTest {
protected:
    static void fill(const char* form, std::initializer_list<std::pair<const char*, const char*>> entries) {
        for (auto [box, text] : entries) type(form, box, QString::fromUtf8(text));
    }
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient(QStringLiteral("Kim"), QStringLiteral("31"), QStringLiteral("15"), QStringLiteral("2"), 1);
        // Incisor ratio 4 x 10.5 / 15 = 2.8.
        fill("frmModel", {{"txtSize_0", "8.5"}, {"txtSize_1", "6.5"}, {"txtSize_6", "5"}, {"txtSize_7", "5.5"}});
        click("frmModel", "cmdFourIncisor");
        click("frmModel", "cmdNext");
        fill("frmCephalo",
             {{"txtSNA", "82"},
              {"txtSNB", "79"},
              {"txtFA", "87"},
              {"txtABMP", "71"},
              {"txtPFH", "88"},
              {"txtAFH", "130"},
              {"txtSNMP", "34"},
              {"txtFMA", "27"},
              {"txtPPMP", "26"},
              {"txtOPMP", "15"},
              {"txtWits", "-2"},
              {"txtUISN", "107"},
              {"txtIMPA", "95"},
              {"txtUIFP", "9"},
              {"txtLIFP", "4"},
              {"txtUL", "-1"},
              {"txtLL", "1"}});
        click("frmCephalo", "cmdCephalo");
        click("frmCephalo", "cmdNext");
    }
    void typeFindings() {
        fill(kForm,
             {{"txtALDMx", "3"},
              {"txtALDMn", "4"},
              {"txtCOS", "2"},
              {"txtOB", "2"},
              {"txtOJ", "3"},
              {"txtMolarRt", "3"},
              {"txtMolarLt", "1"},
              {"txtCrossRt", ""},
              {"txtCrossLt", "2"}});
        for (const char* option : {"optMolarRt_1", "optCrossLt_2"}) click(kForm, option);
    }
    QString page() const { return patientFolder(QStringLiteral("31(15Y2M)/Diagnosis.png")); }
};

TEST_F(DiagnosisFormTest, FromTheStartFormToDiagnosisPng) {
    ASSERT_TRUE(isVisible(kForm) && !isEnabled(kForm, "cmdPreview"));
    typeFindings();
    click(kForm, "cmdExt");
    EXPECT_EQ(labelText(kForm, "lblJarabak"), QStringLiteral(" 4.0/2 + 2.0/2 + (5.0-5) = 3.0          (non-ext)"));
    EXPECT_TRUE(labelText(kForm, "lblKims").startsWith(QStringLiteral(" 72.0 + 83.0 - (125-")));
    EXPECT_FALSE(QFileInfo::exists(page()));
    click(kForm, "cmdDiagnosis");
    EXPECT_TRUE(messages.isEmpty());
    const QString comment = labelText(kForm, "lblDiagnosis");
    // Asymmetry (dM 3, dC 2), no vertical or sagittal finding, a girl of 15
    // with Severity 1, no space for extraction, incisor ratio 2.8.
    EXPECT_EQ(comment,
              QStringLiteral("상하악 교합 관계에서 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. "
                             "전치부 open bite이나 deep bite에 대한 문제는 없거나 미미하다. "
                             "상하악의 전후방 골격과 치열 관계는 정상적이다. "
                             "수술이 필요한 경우, 악골 성장이 완료된 후 악교정수술과 교정치료 방법을 결정한다. "
                             "수술하지 않고 치료할 경우, 소구치 발치 없이 치료하는 방법이 추천된다. "
                             "Finishing 과정에서 상하악 전치부 크기 부조화를 고려해야 한다. "));
    // The incisor floor of the analyses never reaches the cephalometric record.
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview") && Ceph().LIFP == 4);
    const QImage png(page());
    ASSERT_EQ(png.size(), QSize(680, 1009));
    int drawn = 0;  // the comment's first line crosses this column, 163 mm down the sheet
    for (int x = 100; x < 500; ++x) drawn += png.pixel(x, (178 + 2 - 15) * 96 / 25.4) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, 0);
    // The same findings give the same diagnosis without "발치 분석" first.
    Forms::Unload(kForm);
    Forms::Show(kForm);
    typeFindings();
    click(kForm, "cmdDiagnosis");
    EXPECT_EQ(labelText(kForm, "lblDiagnosis"), comment);
    click(kForm, "cmdPreview");
    EXPECT_TRUE(isVisible("frmAxPreview") && !isVisible(kForm) && State() == PreviewState::DiagnosisPage);
    click("frmAxPreview", "cmdClose");
    EXPECT_TRUE(isVisible(kForm));
}

// A refused press shows its message and empties the labels, and stores
// nothing: the page and its file keep the last accepted run.
TEST_F(DiagnosisFormTest, RefusedPressesKeepTheAcceptedRun) {
    typeFindings();
    click(kForm, "cmdDiagnosis");
    const FindingsRecord accepted = Findings();
    const QDateTime written = QFileInfo(page()).lastModified();
    type(kForm, "txtOB", QStringLiteral("20"));
    type(kForm, "txtALDMx", QStringLiteral("9"));
    click(kForm, "cmdDiagnosis");
    type(kForm, "txtALDMx", QStringLiteral("30"));
    click(kForm, "cmdExt");
    EXPECT_EQ(
        messages,
        (QStringList{
            QStringLiteral("수치가 정상적으로 입력되지 않았습니다. 확인하시고 [진단] 단추를 다시 눌러 주세요!"),
            QStringLiteral("수치가 정상적으로 입력되지 않았습니다. 확인하시고 [발치 분석] 단추를 다시 눌러 주세요!")}));
    EXPECT_TRUE(labelText(kForm, "lblJarabak").isEmpty() && labelText(kForm, "lblKims").isEmpty() &&
                labelText(kForm, "lblDiagnosis").isEmpty() && isEnabled(kForm, "cmdPreview"));
    EXPECT_EQ((std::tuple{Findings().OB, Findings().ALDMx, Findings().DxText}),
              (std::tuple{accepted.OB, accepted.ALDMx, accepted.DxText}));
    EXPECT_EQ(QFileInfo(page()).lastModified(), written);
    RecordingSurface s;
    PageProcedureFor(PreviewState::DiagnosisPage)(s);
    EXPECT_TRUE(s.findText("2.0 (1.6)"));
    // A page that cannot be written is named in one message.
    QFile::remove(page());
    ASSERT_TRUE(QDir().mkpath(page()));
    typeFindings();
    messages.clear();
    click(kForm, "cmdDiagnosis");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Diagnosis.png")));
}

TEST_F(DiagnosisFormTest, NavigationAndAFreshForm) {
    for (const char* option : {"optMolarRt_2", "optMolarRt_0", "optCrossRt_1"}) click(kForm, option);
    EXPECT_TRUE(Findings().optMolarRtIdx == 0 && Findings().optCrossRtIdx == 1);
    type(kForm, "txtOB", QStringLiteral("3"));
    click(kForm, "cmdCephalo");
    EXPECT_TRUE(isVisible("frmCephalo") && !isVisible(kForm) && State() == PreviewState::Tracing2);
    click("frmCephalo", "cmdNext");
    EXPECT_EQ(control<QLineEdit>(kForm, "txtOB")->text(), QStringLiteral("3"));
    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo") && !Forms::IsLoaded(kForm) && State() == PreviewState::None);
    Forms::Show(kForm);
    EXPECT_TRUE(control<QLineEdit>(kForm, "txtOB")->text().isEmpty() && !isEnabled(kForm, "cmdPreview"));
    EXPECT_TRUE(control<QRadioButton>(kForm, "optCrossRt_0")->isChecked() && Findings().optCrossRtIdx == 0);
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
