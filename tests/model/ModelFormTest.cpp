// The model form end to end: started from the start form, filled by control
// name, analysed, refused, previewed, left and loaded afresh.

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
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
const QString kRefused = QString::fromUtf8(kToothSizeMessage);

// The worked example: upper widths, lower widths, basal arches.
const char* const kWidths[12] = {"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"};

class ModelFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient(QStringLiteral("Kim"), QStringLiteral("77"), QStringLiteral("12.5"), QStringLiteral("3"), 0);
    }
    void typeWidths(const char* const (&widths)[12], const char* ubaw = "46.5", const char* lbaw = "40") {
        for (int i = 0; i < 12; ++i) type(kForm, ("txtSize_" + std::to_string(i)).c_str(), QString::fromUtf8(widths[i]));
        type(kForm, "txtUBAW", QString::fromUtf8(ubaw));
        type(kForm, "txtLBAW", QString::fromUtf8(lbaw));
    }
    QString modelPage() const { return patientFolder(QStringLiteral("77(12.5Y3M)/ModelAx.png")); }
    bool checked(const char* option) { return control<QRadioButton>(kForm, option)->isChecked(); }
};

TEST_F(ModelFormTest, StartButtonShowsTheModelFormAsLoaded) {
    ASSERT_TRUE(isVisible(kForm));
    EXPECT_EQ(form(kForm)->windowTitle(), QStringLiteral("Veltrane"));
    EXPECT_EQ(form(kForm)->size(), QSize(11910 / 15, 8520 / 15));
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
    for (const char* label : {"lblSOI", "lblBolton", "lblHowes"}) EXPECT_EQ(labelText(kForm, label), QString()) << label;
    // Selected at load, matching the record's start values.
    for (const char* option : {"optExt_0", "optArchform_1", "optOverjet_1", "Option1_0", "Option1_1", "Option1_2"})
        EXPECT_TRUE(checked(option)) << option;
    EXPECT_EQ(Model().ArchForm, 1);
    EXPECT_EQ(Model().Overjet, 2.5f);
    EXPECT_EQ(Model().ExtChoice, 0);
    EXPECT_EQ(labelText(kForm, "Label2_5"), QStringLiteral("상악 제1대구치"));
    EXPECT_EQ(control<QAbstractButton>(kForm, "cmdExit")->text(), QStringLiteral("종    료"));
}

// Positions in twips, 15 to the pixel, relative to the container.
TEST_F(ModelFormTest, ControlsSitAtTheirTwipPositions) {
    struct Row {
        const char* name;
        int left, top, width, height;
    };
    const Row rows[] = {
        {"Label1", 360, 240, 5775, 495},       {"txtSize_0", 2760, 1320, 975, 375},  {"txtSize_5", 2760, 3720, 975, 375},
        {"txtSize_6", 2760, 4320, 975, 375},   {"txtSize_11", 2760, 6720, 975, 375}, {"lblSOI", 6960, 1320, 4095, 375},
        {"lblHowes", 6960, 2880, 4095, 375},   {"txtUBAW", 6960, 2400, 1335, 375},   {"txtLBAW", 9720, 2400, 1335, 375},
        {"fraSetup", 4680, 3480, 6375, 3615},  {"frmExt", 360, 840, 5535, 735},      {"optExt_1", 2160, 240, 1455, 375},
        {"optArchform_2", 4080, 240, 1335, 255}, {"optOverjet_4", 4560, 120, 1095, 375}, {"Frame1_2", 4440, 360, 1695, 615},
        {"cmdFourIncisor", 600, 7440, 1695, 615}, {"cmdExit", 9840, 7440, 1455, 615},
    };
    for (const Row& row : rows) {
        QWidget* w = control<QWidget>(kForm, row.name);
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->geometry(), QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15)) << row.name;
    }
    EXPECT_EQ(labelText(kForm, "Label2_11"), QStringLiteral("하악 제1대구치"));
    EXPECT_EQ(control<QWidget>(kForm, "Label2_11")->y(), control<QWidget>(kForm, "txtSize_11")->y());
}

TEST_F(ModelFormTest, TabOrderRunsThroughBoxesThenButtons) {
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) names.push_back("txtSize_" + std::to_string(i));
    for (const char* n : {"txtUBAW", "txtLBAW", "cmdFourIncisor", "cmdTotalTeeth", "cmdPreview", "cmdNext",
                          "cmdNextPatient", "cmdExit"})
        names.push_back(n);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        QWidget* w = control<QWidget>(kForm, names[i].c_str());
        ASSERT_NE(w, nullptr) << names[i];
        // The next control that Tab reaches; labels and frames take no focus.
        QWidget* next = w->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName().toStdString(), names[i + 1]);
    }
}

TEST_F(ModelFormTest, AcceptedAnalysisShowsResultsAndSavesThePage) {
    typeWidths(kWidths);
    SetState(0);
    click(kForm, "cmdTotalTeeth");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(labelText(kForm, "lblSOI"), QStringLiteral(" 15.3 : 11.4 = 4 : 2.98"));
    EXPECT_EQ(labelText(kForm, "lblBolton"), QStringLiteral(" 6 : 79.3 (77%), 12 : 92.4 (91%)"));
    EXPECT_EQ(labelText(kForm, "lblHowes"), QStringLiteral(" PMUBAW/TM = 46.5/95.0 = 48.9"));
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
    EXPECT_NEAR(Model().SOI, 4 * (11.4 / 15.3), 1e-12);
    EXPECT_EQ(State(), 0);  // the analysis leaves the preview's state alone
    QImageReader page(modelPage());
    EXPECT_EQ(page.format(), QByteArray("png"));
    EXPECT_EQ(page.size(), QSize(680, 1009));
}

TEST_F(ModelFormTest, RefusedAnalysisAfterAnAcceptedOneKeepsItsResults) {
    typeWidths(kWidths);
    click(kForm, "cmdTotalTeeth");
    const double soi = Model().SOI;
    const QDateTime written = QFileInfo(modelPage()).lastModified();

    struct Refusal {
        int box;
        const char* text;
    };
    const Refusal refusals[] = {{0, "16"}, {5, "20"}, {11, "22"}, {3, ""}, {7, "1e400"}};
    for (const Refusal& r : refusals) {
        typeWidths(kWidths);
        type(kForm, ("txtSize_" + std::to_string(r.box)).c_str(), QString::fromUtf8(r.text));
        messages.clear();
        click(kForm, "cmdTotalTeeth");
        ASSERT_EQ(messages, QStringList{kRefused}) << r.box << "=" << r.text;
        EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
        EXPECT_EQ(labelText(kForm, "lblSOI"), QStringLiteral(" 15.3 : 11.4 = 4 : 2.98"));
        EXPECT_EQ(labelText(kForm, "lblHowes"), QStringLiteral(" PMUBAW/TM = 46.5/95.0 = 48.9"));
        EXPECT_EQ(Model().SOI, soi);
        EXPECT_EQ(QFileInfo(modelPage()).lastModified(), written);
    }
    // The refused widths stay in the record.
    EXPECT_EQ(Model().L2, 0);
}

TEST_F(ModelFormTest, EmptyFormIsRefusedAndSavesNothing) {
    click(kForm, "cmdTotalTeeth");
    EXPECT_EQ(messages, QStringList{kRefused});
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
    for (const char* label : {"lblSOI", "lblBolton", "lblHowes"}) EXPECT_EQ(labelText(kForm, label), QString());
    EXPECT_FALSE(QFileInfo::exists(modelPage()));
}

TEST_F(ModelFormTest, IncisorRatioShowsOnlyItsLine) {
    typeWidths(kWidths);
    click(kForm, "cmdTotalTeeth");
    type(kForm, "txtSize_1", QStringLiteral("7.5"));
    click(kForm, "cmdFourIncisor");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(labelText(kForm, "lblSOI"), QStringLiteral(" 16.0 : 11.4 = 4 : 2.85"));
    EXPECT_EQ(labelText(kForm, "lblBolton"), QString());
    EXPECT_EQ(labelText(kForm, "lblHowes"), QString());
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));  // left as the model analysis set it

    const double soi = Model().SOI;
    type(kForm, "txtSize_6", QStringLiteral("14"));
    click(kForm, "cmdFourIncisor");
    EXPECT_EQ(messages, QStringList{kRefused});
    EXPECT_EQ(labelText(kForm, "lblSOI"), QString());
    EXPECT_EQ(Model().SOI, soi);
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
}

TEST_F(ModelFormTest, OptionsAreExclusiveWithinTheirOwnFrames) {
    struct Click {
        const char* option;
        std::int16_t archForm;
        float overjet;
        std::int16_t ext;
    };
    const Click clicks[] = {
        {"optArchform_2", 2, 2.5f, 0}, {"optOverjet_4", 2, 4.0f, 0}, {"optExt_1", 2, 4.0f, 1},
        {"optOverjet_0", 2, 2.0f, 1},  {"optArchform_0", 0, 2.0f, 1}, {"optExt_2", 0, 2.0f, 2},
        {"optOverjet_3", 0, 3.5f, 2},
    };
    for (const Click& c : clicks) {
        click(kForm, c.option);
        EXPECT_EQ(Model().ArchForm, c.archForm) << c.option;
        EXPECT_EQ(Model().Overjet, c.overjet) << c.option;
        EXPECT_EQ(Model().ExtChoice, c.ext) << c.option;
    }
    const char* expectChecked[] = {"optArchform_0", "optOverjet_3", "optExt_2", "Option1_0", "Option1_1", "Option1_2"};
    for (const char* option : expectChecked) EXPECT_TRUE(checked(option)) << option;
    for (const char* option : {"optArchform_1", "optArchform_2", "optOverjet_0", "optOverjet_1", "optExt_0", "optExt_1"})
        EXPECT_FALSE(checked(option)) << option;
}

TEST_F(ModelFormTest, PreviewShowsTheModelPageAndReturns) {
    typeWidths(kWidths);
    click(kForm, "cmdTotalTeeth");
    click(kForm, "optArchform_2");
    click(kForm, "cmdPreview");
    EXPECT_TRUE(isVisible("frmAxPreview"));
    EXPECT_FALSE(isVisible(kForm));
    EXPECT_EQ(State(), 1);
    auto* page = control<PagePicture>("frmAxPreview", "picPreview");
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->page().isNull());
    click("frmAxPreview", "cmdClose");
    EXPECT_TRUE(isVisible(kForm));
    EXPECT_EQ(control<QLineEdit>(kForm, "txtSize_0")->text(), QStringLiteral("8.5"));
    EXPECT_TRUE(checked("optArchform_2"));
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
}

TEST_F(ModelFormTest, NextAnalysisAndBackKeepEverything) {
    typeWidths(kWidths);
    click(kForm, "cmdTotalTeeth");
    click(kForm, "optOverjet_4");
    click(kForm, "cmdNext");
    EXPECT_TRUE(isVisible("frmCephalo"));
    EXPECT_FALSE(isVisible(kForm));
    EXPECT_EQ(State(), 4);
    click("frmCephalo", "cmdTooth");
    EXPECT_TRUE(isVisible(kForm));
    EXPECT_EQ(control<QLineEdit>(kForm, "txtUBAW")->text(), QStringLiteral("46.5"));
    EXPECT_EQ(labelText(kForm, "lblBolton"), QStringLiteral(" 6 : 79.3 (77%), 12 : 92.4 (91%)"));
    EXPECT_TRUE(checked("optOverjet_4"));
    EXPECT_EQ(Model().Overjet, 4.0f);
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview"));
}

// The next patient finds a fresh form: no widths, labels, sums or choices
// of the last one.
TEST_F(ModelFormTest, NextPatientStartsAFreshModelForm) {
    typeWidths(kWidths);
    click(kForm, "cmdTotalTeeth");
    click(kForm, "optExt_2");
    SetState(1);
    click(kForm, "cmdNextPatient");
    EXPECT_TRUE(isVisible("frmPatientInfo"));
    EXPECT_FALSE(Forms::IsLoaded(kForm));
    EXPECT_EQ(State(), 0);

    startPatient(QStringLiteral("Lee"), QStringLiteral("78"), QStringLiteral("9"), QStringLiteral("0"), 1);
    ASSERT_TRUE(isVisible(kForm));
    EXPECT_TRUE(control<QLineEdit>(kForm, "txtSize_0")->text().isEmpty());
    for (const char* label : {"lblSOI", "lblBolton", "lblHowes"}) EXPECT_EQ(labelText(kForm, label), QString());
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview"));
    EXPECT_TRUE(checked("optExt_0"));
    const ModelRecord& m = Model();
    EXPECT_EQ(m.SOI, 0);
    EXPECT_EQ(m.ExtChoice, 0);
    EXPECT_FALSE(m.U12T || m.L12T || m.UBAW || m.LBAW);
    EXPECT_TRUE(m.SoiText.empty() && m.BoltonText.empty() && m.HowesText.empty());

    // A refused run of the new patient shows no results of the last one.
    click(kForm, "cmdTotalTeeth");
    for (const char* label : {"lblSOI", "lblBolton", "lblHowes"}) EXPECT_EQ(labelText(kForm, label), QString());
}

TEST_F(ModelFormTest, ExitEndsTheProgram) {
    click(kForm, "cmdExit");
    EXPECT_EQ(endRequests, 1);
}

}  // namespace
}  // namespace vt::testing
