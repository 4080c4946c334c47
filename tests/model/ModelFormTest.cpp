// The model form end to end, filled by control name.
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "model/ModelRecord.h"
#include "platform/FormControls.h"
#include "support/ProgramFixture.h"

namespace vt {
// Readable preview states in failures.
static void PrintTo(PreviewState state, std::ostream* os) { *os << "PreviewState " << static_cast<int>(state); }
}  // namespace vt

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmModel";
const QStringList kRefused{
    QStringLiteral("치아 크기가 정상적으로 입력되지 않았습니다. 확인하시고 [분석] 단추를 다시 눌러 주세요!")};
// lblSOI, lblBolton, lblHowes after the worked example.
const QStringList kWorkedLabels{
    " 15.3 : 11.4 = 4 : 2.98", " 6 : 79.3 (77%), 12 : 92.4 (91%)", " PMUBAW/TM = 46.5/95.0 = 48.9"};

class ModelFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient("Kim", "77", "12.5", "3", 0);
    }
    // The worked example, with the lower basal arch width apart from the upper one.
    void typeWorked() {
        const QStringList widths = QStringLiteral("8.5 6.8 7.9 7.2 6.8 10.3 5.4 6.0 7.0 7.1 7.2 11.2").split(' ');
        for (int i = 0; i < 12; ++i) typeWidth(i, widths[i]);
        type(kForm, "txtUBAW", "46.5");
        type(kForm, "txtLBAW", "40");
    }
    void typeWidth(int box, const QString& text) { type(kForm, ("txtSize_" + std::to_string(box)).c_str(), text); }
    void run(const char* button) {
        messages.clear();
        click(kForm, button);
    }
    QStringList labels() const {
        return {labelText(kForm, "lblSOI"), labelText(kForm, "lblBolton"), labelText(kForm, "lblHowes")};
    }
    QString modelPage() const { return patientFolder("77(12.5Y3M)/ModelAx.png"); }
};

// A control's caption as the form shows it: a label's or button's text, a frame's title, a text box's content.
QString Caption(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    if (auto* box = qobject_cast<const QLineEdit*>(w)) return box->text();
    return QString();
}

enum Shown { NotAnOption, Unselected, Selected };

struct ControlCase {
    const char* name;
    const char* caption = "";
    Twips at;                   // in its container; a width of 0 where the size is free
    int tab = -1;               // place in the tab order; -1 outside it
    Shown shown = NotAnOption;  // an option as it shows at load
};

// The form as it loads: every control's caption, place, tab order and, for the options, whether it shows selected.
const ControlCase kControls[] = {
    {.name = "Label1", .caption = "Model 분석, 가상 Setup", .at = {360, 240, 5775, 495}},
    {.name = "Label2_0", .caption = "상악 중절치", .at = {600, 1320, 0, 0}},
    {.name = "Label2_1", .caption = "상악 측절치", .at = {600, 1800, 0, 0}},
    {.name = "Label2_2", .caption = "상악 견치", .at = {600, 2280, 0, 0}},
    {.name = "Label2_3", .caption = "상악 제1소구치", .at = {600, 2760, 0, 0}},
    {.name = "Label2_4", .caption = "상악 제2소구치", .at = {600, 3240, 0, 0}},
    {.name = "Label2_5", .caption = "상악 제1대구치", .at = {600, 3720, 0, 0}},
    {.name = "Label2_6", .caption = "하악 중절치", .at = {600, 4320, 0, 0}},
    {.name = "Label2_7", .caption = "하악 측절치", .at = {600, 4800, 0, 0}},
    {.name = "Label2_8", .caption = "하악 견치", .at = {600, 5280, 0, 0}},
    {.name = "Label2_9", .caption = "하악 제1소구치", .at = {600, 5760, 0, 0}},
    {.name = "Label2_10", .caption = "하악 제2소구치", .at = {600, 6240, 0, 0}},
    {.name = "Label2_11", .caption = "하악 제1대구치", .at = {600, 6720, 0, 0}},
    {.name = "txtSize_0", .at = {2760, 1320, 975, 375}, .tab = 0},
    {.name = "txtSize_1", .at = {2760, 1800, 975, 375}, .tab = 1},
    {.name = "txtSize_2", .at = {2760, 2280, 975, 375}, .tab = 2},
    {.name = "txtSize_3", .at = {2760, 2760, 975, 375}, .tab = 3},
    {.name = "txtSize_4", .at = {2760, 3240, 975, 375}, .tab = 4},
    {.name = "txtSize_5", .at = {2760, 3720, 975, 375}, .tab = 5},
    {.name = "txtSize_6", .at = {2760, 4320, 975, 375}, .tab = 6},
    {.name = "txtSize_7", .at = {2760, 4800, 975, 375}, .tab = 7},
    {.name = "txtSize_8", .at = {2760, 5280, 975, 375}, .tab = 8},
    {.name = "txtSize_9", .at = {2760, 5760, 975, 375}, .tab = 9},
    {.name = "txtSize_10", .at = {2760, 6240, 975, 375}, .tab = 10},
    {.name = "txtSize_11", .at = {2760, 6720, 975, 375}, .tab = 11},
    {.name = "Label3", .caption = "Sum of Incisor", .at = {4680, 1320, 1935, 255}},
    {.name = "lblSOI", .at = {6960, 1320, 4095, 375}},
    {.name = "Label4", .caption = "Bolton Analysis", .at = {4680, 1800, 1935, 375}},
    {.name = "lblBolton", .at = {6960, 1800, 4095, 375}},
    {.name = "Label6", .caption = "악궁 폭경 상악", .at = {4680, 2400, 1935, 255}},
    {.name = "txtUBAW", .at = {6960, 2400, 1335, 375}, .tab = 12},
    {.name = "Label7", .caption = "하악", .at = {8640, 2400, 615, 255}},
    {.name = "txtLBAW", .at = {9720, 2400, 1335, 375}, .tab = 13},
    {.name = "Label5", .caption = "Howes' Analysis", .at = {4680, 2880, 1935, 375}},
    {.name = "lblHowes", .at = {6960, 2880, 4095, 375}},
    {.name = "fraSetup", .caption = "가상 Model Setup", .at = {4680, 3480, 6375, 3615}},
    {.name = "Frame1_0", .at = {480, 360, 1695, 615}},
    {.name = "Frame1_1", .at = {2400, 360, 1695, 615}},
    {.name = "Frame1_2", .at = {4440, 360, 1695, 615}},
    {.name = "Option1_0", .caption = "비발치", .at = {120, 240, 0, 0}, .shown = Selected},
    {.name = "Option1_1", .caption = "44/44 발치", .at = {120, 240, 0, 0}, .shown = Selected},
    {.name = "Option1_2", .caption = "44/ 발치", .at = {120, 240, 0, 0}, .shown = Selected},
    {.name = "frmExt", .at = {360, 840, 5535, 735}},
    {.name = "optExt_0", .caption = "/44 발치", .at = {240, 240, 1455, 375}, .shown = Selected},
    {.name = "optExt_1", .caption = "44/1 발치", .at = {2160, 240, 1455, 375}, .shown = Unselected},
    {.name = "optExt_2", .caption = "/1 발치", .at = {4200, 240, 1455, 375}, .shown = Unselected},
    {.name = "Label10", .caption = "Desired Arch Form", .at = {240, 1680, 2175, 375}},
    {.name = "fraArchform", .at = {480, 1920, 5535, 615}},
    {.name = "optArchform_0", .caption = "Narrow", .at = {120, 240, 1335, 255}, .shown = Unselected},
    {.name = "optArchform_1", .caption = "Normal", .at = {2040, 240, 1335, 255}, .shown = Selected},
    {.name = "optArchform_2", .caption = "Broad", .at = {4080, 240, 1335, 255}, .shown = Unselected},
    {.name = "Label8", .caption = "Desired Overjet", .at = {240, 2640, 1935, 375}},
    {.name = "fraOverjet", .at = {360, 2880, 5535, 615}},
    {.name = "optOverjet_0", .caption = "2.0", .at = {240, 120, 1095, 375}, .shown = Unselected},
    {.name = "optOverjet_1", .caption = "2.5", .at = {1320, 120, 1095, 375}, .shown = Selected},
    {.name = "optOverjet_2", .caption = "3.0", .at = {2400, 120, 1095, 375}, .shown = Unselected},
    {.name = "optOverjet_3", .caption = "3.5", .at = {3480, 120, 1095, 375}, .shown = Unselected},
    {.name = "optOverjet_4", .caption = "4.0", .at = {4560, 120, 1095, 375}, .shown = Unselected},
    {.name = "cmdFourIncisor", .caption = "4전치 분석", .at = {600, 7440, 1695, 615}, .tab = 14},
    {.name = "cmdTotalTeeth", .caption = "Model 분석", .at = {2520, 7440, 1695, 615}, .tab = 15},
    {.name = "cmdPreview", .caption = "결과인쇄 보기", .at = {4440, 7440, 1695, 615}, .tab = 16},
    {.name = "cmdNext", .caption = "다음 분석으로", .at = {6360, 7440, 1575, 615}, .tab = 17},
    {.name = "cmdNextPatient", .caption = "다음 환자", .at = {8160, 7440, 1455, 615}, .tab = 18},
    {.name = "cmdExit", .caption = "종    료", .at = {9840, 7440, 1455, 615}, .tab = 19},
};

TEST_F(ModelFormTest, ControlsAtLoad) {
    QWidget* f = form(kForm);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Veltrane");
    EXPECT_EQ(f->size(), QSize(11910 / 15, 8520 / 15)) << "client area";
    // The tab order: the named controls in the order the focus chain passes them, from the first text box.
    QStringList chain;
    QWidget* const first = control<QWidget>(kForm, "txtSize_0");
    ASSERT_NE(first, nullptr);
    QWidget* w = first;
    do {
        chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && chain.size() < 1000);
    QStringList tabStops;
    for (const ControlCase& c : kControls)
        if (c.tab >= 0) tabStops << c.name;
    QStringList inOrder;
    for (const QString& name : chain)
        if (tabStops.contains(name)) inOrder << name;

    for (const ControlCase& c : kControls) {
        const QWidget* w = control<QWidget>(kForm, c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(Caption(w), QString::fromUtf8(c.caption)) << c.name << " caption";
        // Twips, 15 to the pixel.
        EXPECT_EQ(w->pos(), QPoint(c.at.left / 15, c.at.top / 15)) << c.name << " position";
        if (c.at.width) {
            EXPECT_EQ(w->size(), QSize(c.at.width / 15, c.at.height / 15)) << c.name << " size";
        }
        EXPECT_EQ(inOrder.indexOf(c.name), c.tab) << c.name << " tab order";
        auto* option = qobject_cast<const QRadioButton*>(w);
        EXPECT_EQ(!option ? NotAnOption : option->isChecked() ? Selected : Unselected, c.shown) << c.name << " shown";
    }
}

TEST_F(ModelFormTest, AcceptedRunShowsItsResultsAndWritesThePage) {
    EXPECT_EQ(isEnabled(kForm, "cmdPreview"), false);
    typeWorked();
    run("cmdTotalTeeth");
    EXPECT_EQ(messages, QStringList());
    EXPECT_EQ(labels(), kWorkedLabels);
    EXPECT_EQ(Model().LBAW, 40.0f);
    EXPECT_EQ(isEnabled(kForm, "cmdPreview"), true);
    EXPECT_EQ(State(), PreviewState::None);
    EXPECT_EQ(QImage(modelPage()).size(), QSize(680, 1009));
}

// A refused run says so, disables the preview, writes nothing and shows the last accepted results.
TEST_F(ModelFormTest, RefusedRunKeepsTheLastResults) {
    run("cmdTotalTeeth");  // an empty form
    EXPECT_EQ(messages, kRefused);
    EXPECT_EQ(QFileInfo::exists(modelPage()), false);
    typeWorked();
    run("cmdTotalTeeth");
    typeWidth(11, "22");
    run("cmdTotalTeeth");
    EXPECT_EQ(messages, kRefused);
    EXPECT_EQ(isEnabled(kForm, "cmdPreview"), false);
    EXPECT_EQ(labels(), kWorkedLabels);
}

// The incisor ratio empties the other two labels and leaves the preview as the analysis left it.
TEST_F(ModelFormTest, IncisorRatio) {
    typeWorked();
    run("cmdTotalTeeth");
    typeWidth(1, "7.5");
    run("cmdFourIncisor");
    EXPECT_EQ(labels(), QStringList({" 16.0 : 11.4 = 4 : 2.85", "", ""}));
    typeWidth(6, "14");  // refused
    run("cmdFourIncisor");
    EXPECT_EQ(messages, kRefused);
    EXPECT_EQ(labels(), QStringList({"", "", ""}));
    EXPECT_EQ(isEnabled(kForm, "cmdPreview"), true);
}

// Each click stores its option; the others keep theirs.
TEST_F(ModelFormTest, SetupOptions) {
    const struct {
        const char* option;
        int archForm;
        float overjet;
        int ext;
    } clicks[] = {
        {.option = "optArchform_2", .archForm = 2, .overjet = 2.5f, .ext = 0},
        {.option = "optOverjet_4", .archForm = 2, .overjet = 4.0f, .ext = 0},
        {.option = "optArchform_0", .archForm = 0, .overjet = 4.0f, .ext = 0},
        {.option = "optExt_2", .archForm = 0, .overjet = 4.0f, .ext = 2},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.option);
        click(kForm, c.option);
        EXPECT_EQ(Model().ArchForm, c.archForm);
        EXPECT_EQ(Model().Overjet, c.overjet);
        EXPECT_EQ(Model().ExtChoice, c.ext);
    }
}

// Preview and back, on to the cephalometric form and back: everything kept; the exit button ends the program.
TEST_F(ModelFormTest, Navigation) {
    typeWorked();
    run("cmdTotalTeeth");
    click(kForm, "cmdPreview");
    EXPECT_EQ(isVisible("frmAxPreview"), true);
    EXPECT_EQ(isVisible(kForm), false);
    EXPECT_EQ(State(), PreviewState::ModelPage);
    click("frmAxPreview", "cmdClose");
    EXPECT_EQ(isVisible(kForm), true);
    click(kForm, "cmdNext");
    EXPECT_EQ(isVisible("frmCephalo"), true);
    EXPECT_EQ(isVisible(kForm), false);
    EXPECT_EQ(State(), PreviewState::Tracing2);
    click("frmCephalo", "cmdTooth");
    EXPECT_EQ(isVisible(kForm), true);
    EXPECT_EQ(control<QLineEdit>(kForm, "txtUBAW")->text(), "46.5");
    EXPECT_EQ(labels(), kWorkedLabels);
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
