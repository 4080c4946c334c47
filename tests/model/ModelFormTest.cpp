// The model form end to end, filled by control name.
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "model/ModelAnalysis.h"
#include "model/ModelRecord.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmModel";
const QStringList kRefused{QString::fromUtf8(kToothSizeMessage)};
const QStringList kWorkedResults{
    " 15.3 : 11.4 = 4 : 2.98", " 6 : 79.3 (77%), 12 : 92.4 (91%)", " PMUBAW/TM = 46.5/95.0 = 48.9"},
    kNoResults{"", "", ""};

class ModelFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient("Kim", "77", "12.5", "3", 0);
    }
    void typeWidths() {  // the worked example
        const QStringList widths =
            QStringLiteral("8.5 6.8 7.9 7.2 6.8 10.3 5.4 6.0 7.0 7.1 7.2 11.2 46.5 40").split(' ');
        for (int i = 0; i < 14; ++i)
            i < 12 ? typeWidth(i, widths[i]) : type(kForm, i == 12 ? "txtUBAW" : "txtLBAW", widths[i]);
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
    void analyse() {
        typeWidths();
        run("cmdTotalTeeth");
    }
    std::string unchecked(std::initializer_list<const char*> options) {
        std::string out;
        for (const char* o : options) out += control<QRadioButton>(kForm, o)->isChecked() ? "" : std::string(o) + " ";
        return out;
    }
};

// An accepted run and its saved page, refused runs, the incisor ratio, the options; preview and the
// cephalometric form and back keep everything; the next patient finds the form fresh.
TEST_F(ModelFormTest, RunsOptionsNavigationAndNextPatient) {
    // A spot check of the layout, in twips, 15 to the pixel.
    EXPECT_EQ(control<QWidget>(kForm, "txtSize_6")->geometry(), QRect(2760 / 15, 4320 / 15, 975 / 15, 375 / 15));
    run("cmdTotalTeeth");  // an empty form
    EXPECT_TRUE(messages == kRefused && !QFileInfo::exists(modelPage()));
    analyse();
    EXPECT_EQ(std::tuple(messages, labels(), isEnabled(kForm, "cmdPreview"), State()),
              std::tuple(QStringList(), kWorkedResults, true, PreviewState::None));
    const QImage page(modelPage());
    EXPECT_EQ(page.size(), QSize(680, 1009));
    int drawn = 0;  // the header and the blue rule beneath it cross this column
    for (int y = 0; y < 100; ++y) drawn += page.pixel(340, y) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, 0);
    const double soi = Model().SOI;
    const QDateTime written = QFileInfo(modelPage()).lastModified();

    for (auto [box, text] : {std::pair{0, "16"}, {5, "20"}, {11, "22"}, {7, "1e400"}}) {
        typeWidths();
        typeWidth(box, text);
        run("cmdTotalTeeth");
        EXPECT_EQ(
            std::tuple(
                messages, isEnabled(kForm, "cmdPreview"), labels(), Model().SOI, QFileInfo(modelPage()).lastModified()),
            std::tuple(kRefused, false, kWorkedResults, soi, written))
            << box;
    }

    analyse();
    typeWidth(1, "7.5");
    run("cmdFourIncisor");
    EXPECT_EQ(labels(), QStringList({" 16.0 : 11.4 = 4 : 2.85", "", ""}));
    const double incisorSoi = Model().SOI;
    typeWidth(6, "14");  // refused
    run("cmdFourIncisor");
    EXPECT_EQ(std::tuple(messages, labels(), Model().SOI, isEnabled(kForm, "cmdPreview")),  // as the analysis left it
              std::tuple(kRefused, kNoResults, incisorSoi, true));

    const std::tuple<const char*, int, float, int> clicks[] = {{"optArchform_2", 2, 2.5f, 0},
                                                               {"optOverjet_4", 2, 4.0f, 0},
                                                               {"optExt_1", 2, 4.0f, 1},
                                                               {"optOverjet_0", 2, 2.0f, 1},
                                                               {"optArchform_0", 0, 2.0f, 1},
                                                               {"optExt_2", 0, 2.0f, 2}};
    for (const auto& [option, archForm, overjet, ext] : clicks) {
        click(kForm, option);
        EXPECT_EQ(std::tuple(int(Model().ArchForm), Model().Overjet, int(Model().ExtChoice)),
                  std::tuple(archForm, overjet, ext))
            << option;
    }
    analyse();
    click(kForm, "cmdPreview");
    EXPECT_TRUE(isVisible("frmAxPreview") && !isVisible(kForm) && State() == PreviewState::ModelPage);
    EXPECT_FALSE(control<PagePicture>("frmAxPreview", "picPreview")->page().isNull());
    click("frmAxPreview", "cmdClose");
    click(kForm, "cmdNext");
    EXPECT_TRUE(isVisible("frmCephalo") && !isVisible(kForm) && State() == PreviewState::Tracing2);
    click("frmCephalo", "cmdTooth");
    EXPECT_EQ(
        std::tuple(
            isVisible(kForm), control<QLineEdit>(kForm, "txtUBAW")->text(), labels(), isEnabled(kForm, "cmdPreview")),
        std::tuple(true, QString("46.5"), kWorkedResults, true));
    EXPECT_EQ(unchecked({"optArchform_0", "optOverjet_0", "optExt_2", "Option1_0", "Option1_1", "Option1_2"}), "");
    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo") && !Forms::IsLoaded(kForm));
    startPatient("Lee", "78", "9", "0", 1);
    EXPECT_TRUE(control<QLineEdit>(kForm, "txtSize_0")->text().isEmpty() && !isEnabled(kForm, "cmdPreview"));
    EXPECT_EQ(unchecked({"optExt_0", "optArchform_1", "optOverjet_1", "Option1_0", "Option1_1", "Option1_2"}), "");
    const ModelRecord& m = Model();
    EXPECT_EQ(std::tuple(m.ArchForm, m.Overjet, m.ExtChoice, m.SOI), std::tuple(1, 2.5f, 0, 0.0));
    EXPECT_FALSE(m.U12T || m.UBAW);
    run("cmdTotalTeeth");  // refused: shows nothing of the last patient
    EXPECT_EQ(labels(), kNoResults);
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
