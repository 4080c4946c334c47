// The cephalometric form end to end: a passing run, a refused run after it,
// the navigation buttons, the next patient's fresh form and the exit.

#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>

#include "ceph/CephEval.h"
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

struct Pair {
    const char* name;
    const char* text;
};

class CephaloFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient(QStringLiteral("Park"), QStringLiteral("55"), QStringLiteral("12.5"), QStringLiteral("3"), 1);
        Forms::Hide("frmModel");
        Forms::Show(kForm);
    }
    // Every value inside its range; SNA 80 and SNB 82 give ANB -2.
    void typePassing() {
        const Pair values[] = {{"txtSNA", "80"},  {"txtSNB", "82"},   {"txtFA", "88"},    {"txtABMP", "70"},  {"txtPFH", "80"},
                               {"txtAFH", "120"}, {"txtSNMP", "32"},  {"txtFMA", "25"},   {"txtPPMP", "25"},  {"txtOPMP", "15"},
                               {"txtWits", "-1"}, {"txtUISN", "105"}, {"txtIMPA", "95"},  {"txtUIFP", "7.5"}, {"txtLIFP", "4"},
                               {"txtUL", "-1.5"}, {"txtLL", "0.5"}};
        for (const Pair& t : values) type(kForm, t.name, QString::fromUtf8(t.text));
    }
    CephRecord& record() { return Ceph(); }
    QString cephPage() const { return patientFolder(QStringLiteral("55(12.5Y3M)/CephAx.png")); }
};

TEST_F(CephaloFormTest, PassingRunThenRefusedRunsThatChangeNothing) {
    typePassing();
    click(kForm, "cmdCephalo");
    EXPECT_TRUE(messages.isEmpty());
    for (const Pair& label : {Pair{"lblODI", "70.0"}, {"lblPFHAFH", "66.7"}, {"lblANB", "-2.0"}, {"lblAPDI", "85.0"}})
        EXPECT_EQ(labelText(kForm, label.name), QString::fromUtf8(label.text));
    const CephEvalResult expected = CephEval(record(), Patient());
    EXPECT_EQ(record().MsgCephalo, expected.MsgCephalo);
    EXPECT_EQ(labelText(kForm, "lblCephalo"), QString::fromStdString(expected.MsgCephalo));
    EXPECT_EQ(Scores().SkelAP, expected.scores.SkelAP);
    EXPECT_EQ(Scores().SkelVert, expected.scores.SkelVert);
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview") && isEnabled(kForm, "cmdNext"));
    EXPECT_EQ(State(), PreviewState::CephPage);
    QImageReader page(cephPage());
    EXPECT_EQ(page.format(), QByteArray("png"));
    EXPECT_EQ(page.size(), QSize(680, 1009));

    // A refused run after it changes nothing.
    const CephRecord before = record();
    const EvalScores scoresBefore = Scores();
    const QString comment = labelText(kForm, "lblCephalo");
    const QDateTime written = QFileInfo(cephPage()).lastModified();
    SetState(PreviewState::Tracing3);
    // A number beyond a double's range fails also where 0 lies inside the range.
    for (const Pair& t : {Pair{"txtSNMP", "68"}, {"txtWits", "-30"}, {"txtLL", "22"}, {"txtSNMP", ""},
                          {"txtFMA", "1e999"}, {"txtUL", "-1e999"}}) {
        typePassing();
        type(kForm, "txtSNB", QStringLiteral("70"));  // would change ANB if accepted
        type(kForm, t.name, QString::fromUtf8(t.text));
        messages.clear();
        click(kForm, "cmdCephalo");
        ASSERT_EQ(messages, kRefused) << t.name << "=" << t.text;
        EXPECT_EQ(record().SNB, before.SNB);
        EXPECT_EQ(record().ANB, before.ANB);
        EXPECT_EQ(record().MsgCephalo, before.MsgCephalo);
        EXPECT_EQ(labelText(kForm, "lblANB"), QStringLiteral("-2.0"));
        EXPECT_EQ(labelText(kForm, "lblCephalo"), comment);
        EXPECT_EQ(Scores().SkelAP, scoresBefore.SkelAP);
        EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
        EXPECT_EQ(State(), PreviewState::Tracing3);
        EXPECT_EQ(QFileInfo(cephPage()).lastModified(), written);
    }
}

TEST_F(CephaloFormTest, NavigationNextPatientAndExit) {
    typePassing();
    click(kForm, "cmdCephalo");
    for (const Pair& row : {Pair{"cmdImage", "frmImage"}, {"cmdNext", "frmDiagnosis"}, {"cmdTooth", "frmModel"},
                            {"cmdPreview", "frmAxPreview"}}) {
        SetState(PreviewState::CephPage);
        Forms::Show(kForm);
        click(kForm, row.name);
        EXPECT_TRUE(isVisible(row.text) && !isVisible(kForm)) << row.name;
        Forms::Hide(row.text);
    }
    EXPECT_EQ(State(), PreviewState::CephPage);  // the preview was opened last
    click("frmAxPreview", "cmdClose");
    EXPECT_TRUE(isVisible(kForm));
    EXPECT_EQ(control<QLineEdit>(kForm, "txtSNA")->text(), QStringLiteral("80"));  // still loaded
    click(kForm, "cmdTooth");
    EXPECT_EQ(State(), PreviewState::None);

    Forms::Show(kForm);
    SetState(PreviewState::CephPage);
    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo"));
    EXPECT_FALSE(Forms::IsLoaded(kForm) || Forms::IsLoaded("frmModel"));
    EXPECT_EQ(State(), PreviewState::None);

    Forms::Show(kForm);
    EXPECT_TRUE(control<QLineEdit>(kForm, "txtSNA")->text().isEmpty());
    EXPECT_EQ(record().PFH, 1);
    EXPECT_EQ(record().Wits, 100);
    EXPECT_TRUE(record().MsgCephalo.empty());
    EXPECT_EQ(Scores().SkelAP, 0);  // the last patient's was -5
    EXPECT_TRUE(isEnabled(kForm, "cmdCephalo") && !isEnabled(kForm, "cmdNext"));
    EXPECT_EQ(labelText(kForm, "Label2_7"), QStringLiteral("<u>1</u> / SN"));
    EXPECT_EQ(control<QWidget>(kForm, "Line1")->geometry(), QRect(584, 248, 8, 1));  // over the 1 of "1 to FP"

    click(kForm, "cmdCephalo");  // every box empty
    EXPECT_EQ(messages, kRefused);
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
