// The model form end to end, filled by control name.
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "model/ModelRecord.h"
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
        {.option = "optOverjet_4", .archForm = 1, .overjet = 4.0f, .ext = 0},
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
