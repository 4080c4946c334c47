// The preview: scrolling, paging through the tracing pages, closing,
// saving a copy and printing, with page procedures that record their calls.

#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "platform/FileDialogs.h"
#include "platform/ImageWriter.h"
#include "platform/Printer.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

struct PageCall {
    int state;
    double originY;
    TracingOffsets offsets;
};

class PreviewTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        for (int state = 1; state <= 6; ++state)
            RegisterPageProcedure(PreviewState(state), [this, state](ResultSurface& s) {
                calls.push_back({state, s.originY(), Offsets()});
            });
    }
    void TearDown() override {
        for (int state = 1; state <= 6; ++state) RegisterPageProcedure(PreviewState(state), {});
        ProgramTest::TearDown();
    }
    PreviewForm& preview() { return Forms::Get<PreviewForm>(); }
    void open(float visibleHeight, PreviewState state) {
        preview().setVisibleHeightMm(visibleHeight);
        preview().open(state);
    }
    // The enabled buttons: B(efore), N(ext), U(p), D(own), "-" when disabled.
    std::string buttons() {
        std::string out;
        for (const auto& [name, letter] : {std::pair{"cmdBefore", 'B'}, std::pair{"cmdNext", 'N'},
                                           std::pair{"cmdUpMove", 'U'}, std::pair{"cmdDownMove", 'D'}})
            out += isEnabled("frmAxPreview", name) ? letter : '-';
        return out;
    }
    std::vector<PageCall> calls;
};

TEST_F(PreviewTest, ScrollsInTwentyMillimetreStepsWithinTheSheet) {
    open(250, PreviewState::ModelPage);
    EXPECT_EQ(buttons(), "---D");
    const struct { const char* button; float top; const char* buttons; } steps[] = {{"cmdDownMove", 20, "--UD"}, {"cmdDownMove", 40, "--UD"}, {"cmdDownMove", 47, "--U-"},
                 {"cmdUpMove", 27, "--UD"},   {"cmdUpMove", 7, "--UD"},    {"cmdUpMove", 0, "---D"}};
    for (const auto& step : steps) {
        calls.clear();
        click("frmAxPreview", step.button);
        EXPECT_FLOAT_EQ(preview().scrollTop(), step.top) << step.button;
        EXPECT_EQ(buttons(), step.buttons) << step.top;
        // Redrawn from the new top, the offsets following it.
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_DOUBLE_EQ(calls[0].originY, step.top);
        EXPECT_DOUBLE_EQ(calls[0].offsets.Ychange, step.top);
    }
    open(297.01f, PreviewState::DiagnosisPage);  // the whole sheet in view: no scrolling
    EXPECT_EQ(buttons(), "----");
}

TEST_F(PreviewTest, PagesThroughTheTracingPagesFromTheTopOnBothPictures) {
    open(250, PreviewState::Tracing1);
    EXPECT_EQ(buttons(), "-N-D");
    const struct { const char* button; int state; const char* buttons; } steps[] = {{"cmdNext", 4, "BN-D"}, {"cmdNext", 5, "B--D"}, {"cmdBefore", 4, "BN-D"}, {"cmdBefore", 3, "-N-D"}};
    for (const auto& step : steps) {
        click("frmAxPreview", "cmdDownMove");
        calls.clear();
        click("frmAxPreview", step.button);
        EXPECT_EQ(State(), PreviewState(step.state)) << step.button;
        EXPECT_EQ(buttons(), step.buttons) << step.state;
        EXPECT_FLOAT_EQ(preview().scrollTop(), 0);
        // The screen page from the top, then the saved page.
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[1].state, step.state);
        EXPECT_DOUBLE_EQ(calls[0].originY, 0);
        EXPECT_DOUBLE_EQ(calls[1].originY, 15);
    }
    // Tracing page 1 gets each surface's origin as its offsets, then (0, 0).
    EXPECT_DOUBLE_EQ(calls[0].offsets.Ychange, 0);
    EXPECT_DOUBLE_EQ(calls[1].offsets.Xchange, 15);
    EXPECT_DOUBLE_EQ(calls[1].offsets.Ychange, 15);
    EXPECT_DOUBLE_EQ(Offsets().Ychange, 0);
    // Every opener sets the buttons for its own page.
    click("frmAxPreview", "cmdDownMove");
    preview().open(PreviewState::CephPage);
    EXPECT_EQ(buttons(), "---D");
    EXPECT_FLOAT_EQ(preview().scrollTop(), 0);
}

TEST_F(PreviewTest, CloseShowsTheFormThatStateNames) {
    const std::pair<int, const char*> rows[] = {{1, "frmModel"}, {2, "frmCephalo"}, {3, "frmImage"},
                                                {5, "frmImage"}, {6, "frmDiagnosis"}};
    for (const auto& [state, formName] : rows) {
        Forms::Hide(formName);
        preview().open(PreviewState(state));
        click("frmAxPreview", "cmdClose");
        EXPECT_TRUE(isVisible(formName)) << state;
        EXPECT_FALSE(Forms::IsLoaded("frmAxPreview"));
        EXPECT_EQ(State(), PreviewState(state));
    }
}

TEST_F(PreviewTest, SavesThePageShownInTheFormatOfItsEndingOrOfTheFilter) {
    QTemporaryDir dir;
    const struct { const char *typed, *filter, *written, *format; } rows[] = {
        {"a.PNG", "PNG Files (*.png)", "a.PNG", "png"},  {"b.jpg", "PNG Files (*.png)", "b.jpg", "jpeg"},
        {"c", "BMP Files (*.bmp)", "c.bmp", "bmp"},      {"d.tiff", "GIF Files (*.gif)", "d.tiff", "tiff"},
        {"e", "GIF Files (*.gif)", "e.gif", "gif"},
    };
    preview().open(PreviewState::Tracing3);
    for (const auto& row : rows) {
        calls.clear();
        const SaveAnswer answer{dir.filePath(QString::fromUtf8(row.typed)), QString::fromUtf8(row.filter)};
        SetSaveDialogAnswer([&](const QString&) { return answer; });
        click("frmAxPreview", "cmdSave");
        QImageReader reader(dir.filePath(QString::fromUtf8(row.written)));
        EXPECT_EQ(reader.format(), QByteArray(row.format)) << row.typed;
        EXPECT_EQ(reader.size(), QSize(680, 1009)) << row.typed;
        ASSERT_EQ(calls.size(), 1u);  // the page shown, drawn on the saved page first
        EXPECT_EQ(calls[0].state, 5);
    }
    EXPECT_TRUE(messages.isEmpty());
    SetSaveDialogAnswer([](const QString&) { return std::nullopt; });
    click("frmAxPreview", "cmdSave");
    EXPECT_TRUE(messages.isEmpty());
    // A missing folder, or an image library that fails to start: one message, no file.
    for (const bool library : {true, false}) {
        const QString bad = library ? home() + QStringLiteral("/missing/page.png") : dir.filePath(QStringLiteral("f.png"));
        SetImageLibraryAvailable(library);
        SetSaveDialogAnswer([&](const QString&) { return SaveAnswer{bad, QStringLiteral("PNG Files (*.png)")}; });
        messages.clear();
        click("frmAxPreview", "cmdSave");
        ASSERT_EQ(messages.size(), 1) << library;
        EXPECT_TRUE(messages[0].contains(bad));
        EXPECT_FALSE(QFileInfo::exists(bad));
    }
}

TEST_F(PreviewTest, PrintsOneA4PageFromTheSheetCornerWhateverTheScroll) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    SetPrintToFile(pdf);
    SetImageLibraryAvailable(false);  // printing needs no image library
    open(250, PreviewState::Tracing1);
    click("frmAxPreview", "cmdDownMove");
    calls.clear();
    click("frmAxPreview", "cmdPrint");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_DOUBLE_EQ(calls[0].originY, 0);
    EXPECT_DOUBLE_EQ(calls[0].offsets.Ychange, 0);
    EXPECT_FLOAT_EQ(preview().scrollTop(), 20);  // the screen stays as it was
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdfText = file.readAll();
    EXPECT_EQ(pdfText.count("/Type /Page\n") + pdfText.count("/Type /Page\r") + pdfText.count("/Type /Page "), 1);
    EXPECT_TRUE(pdfText.contains("/MediaBox [0 0 595")) << "A4 portrait";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PreviewTest, SaveDialogStartsInThePatientFolderWithThePageFileName) {
    startPatient(QStringLiteral("Lee"), QStringLiteral("77"), QStringLiteral("12"), QStringLiteral("0"));
    const std::pair<PreviewState, const char*> rows[] = {{PreviewState::ModelPage, "ModelAx.png"},
                                                         {PreviewState::Tracing2, "CephAx2.png"},
                                                         {PreviewState::DiagnosisPage, "Diagnosis.png"}};
    QString start;
    SetSaveDialogAnswer([&](const SaveDialogRequest& request) {
        start = request.startPath;
        return std::nullopt;
    });
    for (const auto& [state, name] : rows) {
        preview().open(state);
        click("frmAxPreview", "cmdSave");
        EXPECT_EQ(start, patientFolder(QStringLiteral("77(12Y0M)/") + QString::fromUtf8(name)));
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PreviewTest, APrintThatFailsSaysSoOnce) {
    const QString failed = QStringLiteral("인쇄할 수 없습니다. 프린터를 확인해 주세요.");
    SetPrintToFile(home() + QStringLiteral("/missing/page.pdf"));
    open(250, PreviewState::CephPage);
    click("frmAxPreview", "cmdPrint");
    EXPECT_EQ(messages, QStringList{failed});
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed: not printing on it";
    SetPrintToFile({});
    click("frmAxPreview", "cmdPrint");
    EXPECT_EQ(messages, QStringList({failed, failed}));
}

}  // namespace
}  // namespace vt::testing
