// The diagnosis form end to end, from the start form to its page file; refused presses; navigation.

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
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
    ASSERT_TRUE(isVisible(kForm)) << "diagnosis form shown from the cephalometric form";
    ASSERT_FALSE(isEnabled(kForm, "cmdPreview")) << "cmdPreview enabled before any run";
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
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview")) << "cmdPreview enabled after the diagnosis";
    EXPECT_EQ(Ceph().LIFP, 4) << "LIFP of the cephalometric record";
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
    EXPECT_TRUE(isVisible("frmAxPreview")) << "preview form shown";
    EXPECT_FALSE(isVisible(kForm)) << "diagnosis form still shown under the preview";
    EXPECT_EQ(State(), PreviewState::DiagnosisPage) << "page in the preview";
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
    EXPECT_EQ(labelText(kForm, "lblJarabak"), QString()) << "lblJarabak after a refused press";
    EXPECT_EQ(labelText(kForm, "lblKims"), QString()) << "lblKims after a refused press";
    EXPECT_EQ(labelText(kForm, "lblDiagnosis"), QString()) << "lblDiagnosis after a refused press";
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview")) << "cmdPreview enabled after a refused press";
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
    EXPECT_EQ(Findings().optMolarRtIdx, 0) << "right molar option";
    EXPECT_EQ(Findings().optCrossRtIdx, 1) << "right cross-bite option";
    type(kForm, "txtOB", QStringLiteral("3"));
    click(kForm, "cmdCephalo");
    EXPECT_TRUE(isVisible("frmCephalo")) << "cephalometric form shown";
    EXPECT_FALSE(isVisible(kForm)) << "diagnosis form still shown after cmdCephalo";
    EXPECT_EQ(State(), PreviewState::Tracing2) << "page in the preview after cmdCephalo";
    click("frmCephalo", "cmdNext");
    EXPECT_EQ(control<QLineEdit>(kForm, "txtOB")->text(), QStringLiteral("3"));
    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo")) << "frmPatientInfo shown for the next patient";
    EXPECT_FALSE(Forms::IsLoaded(kForm)) << "diagnosis form still loaded";
    EXPECT_EQ(State(), PreviewState::None) << "page in the preview for the next patient";
    Forms::Show(kForm);
    EXPECT_EQ(control<QLineEdit>(kForm, "txtOB")->text(), QString()) << "txtOB of the fresh form";
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview")) << "cmdPreview enabled on the fresh form";
    EXPECT_TRUE(control<QRadioButton>(kForm, "optCrossRt_0")->isChecked()) << "optCrossRt_0 selected on the fresh form";
    EXPECT_EQ(Findings().optCrossRtIdx, 0) << "right cross-bite option of the fresh form";
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

// What a control shows and where, in twips of its parent (the frame for an option button), as the clinician sees
// it: "parent: caption @ left,top widthxheight", an option button marked "(x)" when selected.
QString Shown(QWidget* w) {
    if (!w) return QStringLiteral("<missing>");
    QString caption = QStringLiteral("<?>");
    if (auto* label = qobject_cast<QLabel*>(w)) caption = label->text();
    if (auto* box = qobject_cast<QLineEdit*>(w)) caption = box->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) caption = frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
    if (auto* option = qobject_cast<QRadioButton*>(w); option && option->isChecked()) caption += QStringLiteral(" (x)");
    const QRect g = w->geometry();
    return QStringLiteral("%1: \"%2\" @ %3,%4 %5x%6")
        .arg(w->parentWidget() ? w->parentWidget()->objectName() : QString(), caption)
        .arg(g.x() * 15)
        .arg(g.y() * 15)
        .arg(g.width() * 15)
        .arg(g.height() * 15);
}

TEST_F(DiagnosisFormTest, TitleCaptionsPlacesAndTabOrder) {
    QWidget* f = form(kForm);
    ASSERT_TRUE(f);
    EXPECT_EQ(QStringLiteral("%1 %2x%3").arg(f->windowTitle()).arg(f->width() * 15).arg(f->height() * 15),
              QStringLiteral("Veltrane 11910x8520"));
    const QString right = QStringLiteral(" Right"), left = QStringLiteral(" Left");
    const struct {
        const char* name;
        QString parent, caption;
        int left, top, width, height;
    } rows[] = {
        {"Label1", kForm, QStringLiteral("발치 분석, 진단"), 360, 240, 4095, 615},
        {"Label2_0", kForm, QStringLiteral("ALD"), 720, 1320, 615, 255},
        {"Label2_1", kForm, QStringLiteral("상악"), 1320, 1320, 495, 255},
        {"txtALDMx", kForm, QString(), 1920, 1320, 975, 375},
        {"Label2_2", kForm, QStringLiteral("하악 "), 3120, 1320, 615, 255},
        {"txtALDMn", kForm, QString(), 4080, 1320, 975, 375},
        {"Label2_3", kForm, QStringLiteral("COS"), 720, 1920, 1095, 255},
        {"txtCOS", kForm, QString(), 1920, 1920, 975, 375},
        {"Label2_7", kForm, QStringLiteral("Overbite"), 720, 2520, 975, 255},
        {"txtOB", kForm, QString(), 1920, 2520, 975, 375},
        {"Label2_8", kForm, QStringLiteral("Overjet"), 3120, 2520, 855, 375},
        {"txtOJ", kForm, QString(), 4080, 2520, 975, 375},
        {"Label2_4", kForm, QStringLiteral("Molar relation"), 720, 3120, 1575, 255},
        {"fraMolarRt", kForm, right + QString(14, u' '), 840, 3480, 4455, 975},
        {"txtMolarRt", kForm, QString(), 1920, 3480, 975, 375},
        {"fraMolarLt", kForm, left + QString(9, u' '), 840, 4560, 4455, 975},
        {"txtMolarLt", kForm, QString(), 1920, 4560, 975, 375},
        {"Label2_9", kForm, QStringLiteral("Molar cross-bite"), 720, 5640, 1815, 255},
        {"fraCrossRt", kForm, right + QString(7, u' '), 840, 6000, 4455, 975},
        {"txtCrossRt", kForm, QString(), 1920, 6000, 975, 375},
        {"fraCrossLt", kForm, left + QString(9, u' '), 840, 7080, 4455, 975},
        {"txtCrossLt", kForm, QString(), 1920, 7080, 975, 375},
        {"Label2_12", kForm, QStringLiteral("Jarabak Ax"), 5640, 1200, 1335, 255},
        {"lblJarabak", kForm, QString(), 5880, 1560, 5415, 495},
        {"Label2_13", kForm, QStringLiteral("Kim's Ax"), 5640, 2280, 1095, 255},
        {"lblKims", kForm, QString(), 5880, 2640, 5415, 615},
        {"lblDiagnosis", kForm, QString(), 5760, 3480, 5535, 3015},
        {"cmdExt", kForm, QStringLiteral("발치 분석"), 5880, 6720, 1575, 495},
        {"cmdDiagnosis", kForm, QStringLiteral("진  단"), 7800, 6720, 1575, 495},
        {"cmdPreview", kForm, QStringLiteral("결과인쇄 보기"), 9720, 6720, 1575, 495},
        {"cmdCephalo", kForm, QStringLiteral("Ceph 분석"), 5880, 7560, 1575, 495},
        {"cmdNextPatient", kForm, QStringLiteral("다음 환자"), 7800, 7560, 1575, 495},
        {"cmdExit", kForm, QStringLiteral("종  료"), 9720, 7560, 1575, 495},
        {"optMolarRt_0", "fraMolarRt", QStringLiteral("Class I (x)"), 360, 480, 1095, 255},
        {"optMolarRt_1", "fraMolarRt", QStringLiteral("Class II"), 1560, 480, 1095, 255},
        {"optMolarRt_2", "fraMolarRt", QStringLiteral("Class III"), 2760, 480, 1215, 255},
        {"optMolarLt_0", "fraMolarLt", QStringLiteral("Class I (x)"), 360, 480, 1095, 255},
        {"optMolarLt_1", "fraMolarLt", QStringLiteral("Class II"), 1560, 480, 1095, 255},
        {"optMolarLt_2", "fraMolarLt", QStringLiteral("Class III"), 2760, 480, 1215, 255},
        {"optCrossRt_0", "fraCrossRt", QStringLiteral("Normal (x)"), 360, 480, 1095, 255},
        {"optCrossRt_1", "fraCrossRt", QStringLiteral("Cross"), 1560, 480, 1095, 255},
        {"optCrossRt_2", "fraCrossRt", QStringLiteral("Scissors"), 2760, 480, 1335, 255},
        {"optCrossLt_0", "fraCrossLt", QStringLiteral("Normal (x)"), 360, 480, 1095, 255},
        {"optCrossLt_1", "fraCrossLt", QStringLiteral("Cross"), 1560, 480, 1095, 255},
        {"optCrossLt_2", "fraCrossLt", QStringLiteral("Scissors"), 2760, 480, 1335, 255},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Shown(control<QWidget>(kForm, row.name)),
                  QStringLiteral("%1: \"%2\" @ %3,%4 %5x%6")
                      .arg(row.parent, row.caption)
                      .arg(row.left)
                      .arg(row.top)
                      .arg(row.width)
                      .arg(row.height))
            << row.name;
    // The heading in bold blue.
    QLabel* heading = control<QLabel>(kForm, "Label1");
    heading->ensurePolished();
    EXPECT_EQ((std::pair{heading->font().bold(), heading->palette().color(heading->foregroundRole()).name()}),
              (std::pair{true, QStringLiteral("#0000c0")}));

    QStringList expected{"txtALDMx", "txtALDMn", "txtCOS", "txtOB", "txtOJ"};
    for (const char* side : {"MolarRt", "MolarLt", "CrossRt", "CrossLt"}) {
        expected << QStringLiteral("txt%1").arg(side);
        for (int i = 0; i < 3; ++i) expected << QStringLiteral("opt%1_%2").arg(side).arg(i);
    }
    expected << "cmdExt"
             << "cmdDiagnosis"
             << "cmdPreview"
             << "cmdCephalo"
             << "cmdNextPatient"
             << "cmdExit";
    QStringList chain{"txtALDMx"};
    for (QWidget* w = control<QWidget>(kForm, "txtALDMx")->nextInFocusChain(); chain.size() < expected.size() + 1;
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
    }
    EXPECT_EQ(chain.join(u' '), (expected + QStringList{"txtALDMx"}).join(u' '));
}

}  // namespace
}  // namespace vt::testing
