// The cephalometric form end to end, filled by control name.
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include "ceph/CephaloForm.h"
#include "ceph/EvalScores.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

const QStringList kRefused{
    QStringLiteral("Cephalo 수치가 정상적으로 입력되지 않았습니다. 확인하시고 [Ceph 분석] 단추를 다시 눌러 주세요!")};
constexpr const char* kForm = "frmCephalo";
// The comment of the values typed below for a girl of 12.5: ANB -2 makes the only finding.
const QString kComment = QStringLiteral(
    "성장 양상이 straight downward growth pattern을 보이고 있으며 골격적으로 open bite이나 deep bite 경향은 없거나 "
    "미미하다. 상악과 하악은 Class III 골격 관계를 보이고 있고, 교합면을 기준으로 상하악 치조골은 Class I 경향을 "
    "보이고 있다. 상하악 전치 각도는 모두 정상이다. "
    "상하악 전치 모두 전후방 정상 범위에 위치하고 있으며 상하순의 위치는 모두 정상이다. ");

class CephaloFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient("Park", "55", "12.5", "3", 1);
        Forms::Hide("frmModel");
        Forms::Show(kForm);
    }
    // Every value inside its range; SNA 80 and SNB 82 give ANB -2.
    void typePassing() {
        for (const QString& entry :
             QStringLiteral(
                 "txtSNA=80 txtSNB=82 txtFA=88 txtABMP=70 txtPFH=80 txtAFH=120 txtSNMP=32 txtFMA=25 "
                 "txtPPMP=25 txtOPMP=15 txtWits=-1 txtUISN=105 txtIMPA=95 txtUIFP=7.5 txtLIFP=4 txtUL=-1.5 txtLL=0.5")
                 .split(' '))
            type(kForm, entry.section('=', 0, 0).toUtf8().constData(), entry.section('=', 1));
    }
    QString resultLabels() const {
        return QStringList{labelText(kForm, "lblODI"),
                           labelText(kForm, "lblPFHAFH"),
                           labelText(kForm, "lblANB"),
                           labelText(kForm, "lblAPDI")}
            .join(' ');
    }
    QString cephPage() const { return patientFolder("55(12.5Y3M)/CephAx.png"); }
    void run() {
        messages.clear();
        click(kForm, "cmdCephalo");
    }
};

// A passing run, refused runs after it, the navigation buttons, the next patient's fresh form and the exit.
TEST_F(CephaloFormTest, RunsNavigationAndNextPatient) {
    typePassing();
    run();
    EXPECT_EQ(
        std::tuple(
            messages, resultLabels(), labelText(kForm, "lblCephalo"), Ceph().MsgCephalo, Scores().SkelAP, State()),
        std::tuple(QStringList(),
                   QString("70.0 66.7 -2.0 85.0"),
                   kComment,
                   kComment.toStdString(),
                   -5,
                   PreviewState::CephPage));
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview")) << "cmdPreview enabled after a passing run";
    EXPECT_TRUE(isEnabled(kForm, "cmdNext")) << "cmdNext enabled after a passing run";
    QImageReader page(cephPage());
    EXPECT_EQ(std::tuple(page.format(), page.size()), std::tuple(QByteArray("png"), QSize(680, 1009)));

    // A refused run empties the four result labels, keeps the comment and changes nothing a page reads.
    const CephRecord before = Ceph();
    const QDateTime written = QFileInfo(cephPage()).lastModified();
    SetState(PreviewState::Tracing3);
    // A number beyond a double's range fails also where 0 lies inside the range.
    for (const auto& [box, text] : {std::pair{"txtSNMP", "68"},
                                    {"txtWits", "-30"},
                                    {"txtLL", "22"},
                                    {"txtSNMP", ""},
                                    {"txtFMA", "1e999"},
                                    {"txtUL", "-1e999"}}) {
        typePassing();
        type(kForm, "txtSNB", QStringLiteral("70"));  // would change ANB if accepted
        type(kForm, box, QString::fromUtf8(text));
        run();
        ASSERT_EQ(messages, kRefused) << box << "=" << text;
        EXPECT_EQ(std::tie(Ceph().SNB, Ceph().ANB, Ceph().MsgCephalo),
                  std::tie(before.SNB, before.ANB, before.MsgCephalo));
        EXPECT_EQ(std::tuple(resultLabels(),
                             labelText(kForm, "lblCephalo"),
                             Scores().SkelAP,
                             isEnabled(kForm, "cmdPreview"),
                             State(),
                             QFileInfo(cephPage()).lastModified()),
                  std::tuple(QString("   "), kComment, -5, true, PreviewState::Tracing3, written));
    }

    // A second accepted run replaces the page of the first: SNB 80 makes ANB 0.
    const QImage first(cephPage());
    typePassing();
    type(kForm, "txtSNB", QStringLiteral("80"));
    run();
    EXPECT_EQ(std::tuple(messages, labelText(kForm, "lblANB")), std::tuple(QStringList(), QString("0.0")));
    EXPECT_TRUE(QImage(cephPage()) != first) << "CephAx.png still holds the first run";

    // Each button shows its form instead of this one; the page left in the preview.
    using S = PreviewState;
    for (const auto& [button, target, state] : {std::tuple{"cmdImage", "frmImage", S::Tracing3},
                                                {"cmdNext", "frmDiagnosis", S::Tracing3},
                                                {"cmdTooth", "frmModel", S::None},
                                                {"cmdPreview", "frmAxPreview", S::CephPage}}) {
        SetState(S::Tracing3);
        Forms::Show(kForm);
        click(kForm, button);
        EXPECT_EQ(std::tuple(isVisible(target), isVisible(kForm), State()), std::tuple(true, false, state)) << button;
    }
    click("frmAxPreview", "cmdClose");
    EXPECT_TRUE(isVisible(kForm)) << "cephalometric form shown again on closing the preview";
    const QLineEdit* sna = control<QLineEdit>(kForm, "txtSNA");
    ASSERT_NE(sna, nullptr) << "txtSNA";
    EXPECT_EQ(sna->text(), QString("80")) << "txtSNA still loaded";

    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo")) << "frmPatientInfo shown for the next patient";
    EXPECT_FALSE(Forms::IsLoaded(kForm)) << "cephalometric form still loaded";
    Forms::Show(kForm);  // fresh, with nothing of the last patient
    EXPECT_EQ(control<QLineEdit>(kForm, "txtSNA")->text(), QString()) << "txtSNA of the fresh form";
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview")) << "cmdPreview enabled on the fresh form";
    EXPECT_FALSE(isEnabled(kForm, "cmdNext")) << "cmdNext enabled on the fresh form";
    EXPECT_EQ(std::tuple(Ceph().PFH, Ceph().Wits, Ceph().MsgCephalo, Scores().SkelAP),
              std::tuple(1.0, 100.0, std::string(), 0));
    run();  // every box empty
    EXPECT_EQ(messages, kRefused);
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
