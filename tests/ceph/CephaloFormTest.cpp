// The cephalometric form end to end: a passing run, a refused run after it,
// the navigation buttons and the next-patient sequence.

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

const QString kRefused =
    QStringLiteral("Cephalo 수치가 정상적으로 입력되지 않았습니다. 확인하시고 [Ceph 분석] 단추를 다시 눌러 주세요!");
constexpr const char* kForm = "frmCephalo";

struct Typed {
    const char* box;
    const char* text;
};
const Typed kPassing[] = {{"txtSNA", "80"},   {"txtSNB", "82"},   {"txtFA", "88"},   {"txtABMP", "70"},
                          {"txtPFH", "80"},   {"txtAFH", "120"},  {"txtSNMP", "32"}, {"txtFMA", "25"},
                          {"txtPPMP", "25"},  {"txtOPMP", "15"},  {"txtWits", "-1"}, {"txtUISN", "105"},
                          {"txtIMPA", "95"},  {"txtUIFP", "7.5"}, {"txtLIFP", "4"},  {"txtUL", "-1.5"},
                          {"txtLL", "0.5"}};

class CephaloFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient(QStringLiteral("Park"), QStringLiteral("55"), QStringLiteral("12.5"), QStringLiteral("3"), 1);
        Forms::Hide("frmModel");
        Forms::Show(kForm);
    }
    void typeAll(const Typed (&values)[17]) {
        for (const Typed& t : values) type(kForm, t.box, QString::fromUtf8(t.text));
    }
    CephRecord& record() { return Forms::Get<CephaloForm>().record(); }
    QString cephPage() const { return patientFolder(QStringLiteral("55(12.5Y3M)/CephAx.png")); }
};

TEST_F(CephaloFormTest, LoadsWithDefaultsAndClosedResultButtons) {
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
    EXPECT_FALSE(isEnabled(kForm, "cmdNext"));
    EXPECT_TRUE(isEnabled(kForm, "cmdCephalo"));
    EXPECT_EQ(record().PFH, 1);
    EXPECT_EQ(record().Wits, 100);
    EXPECT_EQ(record().LL, 100);
    EXPECT_TRUE(record().MsgCephalo.empty());
    EXPECT_EQ(labelText(kForm, "Label2_1"), QStringLiteral("Dental &amp; Esthetic Ax"));
    EXPECT_EQ(labelText(kForm, "Label2_7"), QStringLiteral("<u>1</u> / SN"));
    EXPECT_EQ(control<QAbstractButton>(kForm, "cmdImage")->text(), QStringLiteral("Image Tracing && 분석"));
    ASSERT_NE(control<QWidget>(kForm, "Line1"), nullptr);
    EXPECT_EQ(control<QWidget>(kForm, "Line1")->geometry(), QRect(584, 248, 8, 1));
    EXPECT_EQ(control<QWidget>(kForm, "txtLIFP")->geometry(), QRect(664, 248, 81, 25));
}

TEST_F(CephaloFormTest, PassingRunShowsResultsAndSavesThePage) {
    typeAll(kPassing);
    click(kForm, "cmdCephalo");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(labelText(kForm, "lblODI"), QStringLiteral("70.0"));
    EXPECT_EQ(labelText(kForm, "lblPFHAFH"), QStringLiteral("66.7"));
    EXPECT_EQ(labelText(kForm, "lblANB"), QStringLiteral("-2.0"));
    EXPECT_EQ(labelText(kForm, "lblAPDI"), QStringLiteral("85.0"));
    EXPECT_EQ(record().IIA, 128);
    EXPECT_EQ(record().LIOP, 70);

    const CephEvalResult expected = CephEval(record(), Patient());
    EXPECT_FALSE(expected.MsgCephalo.empty());
    EXPECT_EQ(record().MsgCephalo, expected.MsgCephalo);
    EXPECT_EQ(labelText(kForm, "lblCephalo"), QString::fromStdString(expected.MsgCephalo));
    EXPECT_EQ(Scores().SkelAP, expected.scores.SkelAP);
    EXPECT_EQ(Scores().SkelVert, expected.scores.SkelVert);

    EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
    EXPECT_TRUE(isEnabled(kForm, "cmdNext"));
    EXPECT_EQ(State(), 2);
    QImageReader page(cephPage());
    EXPECT_EQ(page.format(), QByteArray("png"));
    EXPECT_EQ(page.size(), QSize(680, 1009));
}

TEST_F(CephaloFormTest, RefusedRunAfterAPassingOneChangesNothing) {
    typeAll(kPassing);
    click(kForm, "cmdCephalo");
    const CephRecord before = record();
    const EvalScores scoresBefore = Scores();
    const QString comment = labelText(kForm, "lblCephalo");
    const QDateTime written = QFileInfo(cephPage()).lastModified();
    SetState(5);

    // A number beyond a double's range fails also where 0 lies inside the range.
    const Typed refused[] = {{"txtSNMP", "68"}, {"txtWits", "-30"}, {"txtLL", "22"}, {"txtSNMP", ""},
                             {"txtFMA", "1e999"}, {"txtUL", "-1e999"}};
    for (const Typed& t : refused) {
        typeAll(kPassing);
        type(kForm, "txtSNB", QStringLiteral("70"));  // would change ANB if accepted
        type(kForm, t.box, QString::fromUtf8(t.text));
        messages.clear();
        click(kForm, "cmdCephalo");
        ASSERT_EQ(messages, QStringList{kRefused}) << t.box << "=" << t.text;
        EXPECT_EQ(record().SNB, before.SNB);
        EXPECT_EQ(record().ANB, before.ANB);
        EXPECT_EQ(record().MsgCephalo, before.MsgCephalo);
        EXPECT_EQ(labelText(kForm, "lblANB"), QStringLiteral("-2.0"));
        EXPECT_EQ(labelText(kForm, "lblCephalo"), comment);
        EXPECT_EQ(Scores().SkelAP, scoresBefore.SkelAP);
        EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
        EXPECT_EQ(State(), 5);
        EXPECT_EQ(QFileInfo(cephPage()).lastModified(), written);
    }
}

TEST_F(CephaloFormTest, EmptyFormIsRefused) {
    click(kForm, "cmdCephalo");
    EXPECT_EQ(messages, QStringList{kRefused});
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
    EXPECT_FALSE(QFileInfo::exists(cephPage()));
}

TEST_F(CephaloFormTest, NavigationButtonsShowTheirFormsAndHideThisOne) {
    struct Row {
        const char* button;
        const char* shown;
    };
    typeAll(kPassing);
    click(kForm, "cmdCephalo");
    const Row rows[] = {{"cmdImage", "frmImage"}, {"cmdNext", "frmDiagnosis"}, {"cmdTooth", "frmModel"},
                        {"cmdPreview", "frmAxPreview"}};
    for (const Row& row : rows) {
        SetState(2);
        Forms::Show(kForm);
        click(kForm, row.button);
        EXPECT_TRUE(isVisible(row.shown)) << row.button;
        EXPECT_FALSE(isVisible(kForm)) << row.button;
        Forms::Hide(row.shown);
    }
    EXPECT_EQ(State(), 2);  // the preview was opened last
    click("frmAxPreview", "cmdClose");
    EXPECT_TRUE(isVisible(kForm));
    EXPECT_EQ(control<QLineEdit>(kForm, "txtSNA")->text(), QStringLiteral("80"));  // still loaded
    click(kForm, "cmdTooth");
    EXPECT_EQ(State(), 0);
}

TEST_F(CephaloFormTest, NextPatientUnloadsTheAnalysesAndExitEnds) {
    typeAll(kPassing);
    click(kForm, "cmdCephalo");
    Scores().SkelAP = 4;
    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo"));
    EXPECT_FALSE(Forms::IsLoaded(kForm));
    EXPECT_FALSE(Forms::IsLoaded("frmModel"));
    EXPECT_EQ(State(), 0);
    Forms::Show(kForm);
    EXPECT_TRUE(control<QLineEdit>(kForm, "txtSNA")->text().isEmpty());
    EXPECT_EQ(record().Wits, 100);
    EXPECT_EQ(Scores().SkelAP, 0);  // no scores of the last patient
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
