// The preview: scrolling, paging through the tracing pages, closing,
// saving a copy and printing, with page procedures that record their calls.

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <vector>

#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "platform/FileDialogs.h"
#include "platform/Printer.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

struct PageCall {
    int state;
    double originX, originY;
    TracingOffsets offsets;
};

class PreviewTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        for (std::int16_t state = 1; state <= 6; ++state)
            RegisterPageProcedure(state, [this, state](ResultSurface& s) {
                calls.push_back({state, s.originX(), s.originY(), Offsets()});
                s.setCurrent(30, 100);
                s.print("page");
            });
    }
    void TearDown() override {
        for (std::int16_t state = 1; state <= 6; ++state) RegisterPageProcedure(state, {});
        ProgramTest::TearDown();
    }
    PreviewForm& preview() { return Forms::Get<PreviewForm>(); }
    bool enabled(const char* button) { return isEnabled("frmAxPreview", button); }
    std::vector<PageCall> calls;
};

TEST_F(PreviewTest, ScrollsInTwentyMillimetreStepsWithinTheSheet) {
    preview().setVisibleHeightMm(250);
    preview().open(1);
    EXPECT_TRUE(enabled("cmdDownMove"));
    EXPECT_FALSE(enabled("cmdUpMove"));
    const float down[] = {20, 40, 47};
    for (float expected : down) {
        click("frmAxPreview", "cmdDownMove");
        EXPECT_FLOAT_EQ(preview().scrollTop(), expected);
        EXPECT_TRUE(enabled("cmdUpMove"));
    }
    EXPECT_FALSE(enabled("cmdDownMove"));
    const float up[] = {27, 7, 0};
    for (float expected : up) {
        click("frmAxPreview", "cmdUpMove");
        EXPECT_FLOAT_EQ(preview().scrollTop(), expected);
        EXPECT_TRUE(enabled("cmdDownMove"));
    }
    EXPECT_FALSE(enabled("cmdUpMove"));
    // Every scroll redraws the page from the new top, offsets following it.
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_DOUBLE_EQ(calls[3].originY, 47);
    EXPECT_DOUBLE_EQ(calls[3].offsets.Ychange, 47);
    EXPECT_DOUBLE_EQ(calls[4].offsets.Ychange, 27);
    EXPECT_DOUBLE_EQ(calls[6].offsets.Ychange, 0);
}

TEST_F(PreviewTest, ASheetThatJustFitsScrollsOnceAndStaysAtTheTop) {
    preview().setVisibleHeightMm(297);
    preview().open(2);
    EXPECT_TRUE(enabled("cmdDownMove"));
    click("frmAxPreview", "cmdDownMove");
    EXPECT_FLOAT_EQ(preview().scrollTop(), 0);
    EXPECT_FALSE(enabled("cmdDownMove"));
    EXPECT_TRUE(enabled("cmdUpMove"));
}

TEST_F(PreviewTest, ATallerViewHasNoScrolling) {
    preview().setVisibleHeightMm(310);
    preview().open(6);
    EXPECT_FALSE(enabled("cmdDownMove"));
    EXPECT_FALSE(enabled("cmdUpMove"));
    EXPECT_FALSE(enabled("cmdNext"));
    EXPECT_FALSE(enabled("cmdBefore"));
}

TEST_F(PreviewTest, PagesThroughTheTracingPagesFromTheTop) {
    preview().setVisibleHeightMm(250);
    preview().open(3);
    EXPECT_TRUE(enabled("cmdNext"));
    EXPECT_FALSE(enabled("cmdBefore"));
    click("frmAxPreview", "cmdDownMove");

    struct Step {
        const char* button;
        int state;
        bool before, next;
    };
    const Step steps[] = {{"cmdNext", 4, true, true},
                          {"cmdNext", 5, true, false},
                          {"cmdBefore", 4, true, true},
                          {"cmdBefore", 3, false, true}};
    for (const Step& step : steps) {
        calls.clear();
        click("frmAxPreview", step.button);
        EXPECT_EQ(State(), step.state) << step.button;
        EXPECT_EQ(enabled("cmdBefore"), step.before) << step.state;
        EXPECT_EQ(enabled("cmdNext"), step.next) << step.state;
        EXPECT_FLOAT_EQ(preview().scrollTop(), 0);
        EXPECT_FALSE(enabled("cmdUpMove"));
        EXPECT_TRUE(enabled("cmdDownMove"));
        // Drawn on the screen page, then on the saved page.
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].state, step.state);
        EXPECT_DOUBLE_EQ(calls[0].originY, 0);
        EXPECT_DOUBLE_EQ(calls[1].originX, 15);
        EXPECT_DOUBLE_EQ(calls[1].originY, 15);
    }
    // Tracing page 1 gets each surface's origin as its offsets, then (0, 0).
    EXPECT_DOUBLE_EQ(calls[0].offsets.Ychange, 0);
    EXPECT_DOUBLE_EQ(calls[1].offsets.Xchange, 15);
    EXPECT_DOUBLE_EQ(calls[1].offsets.Ychange, 15);
    EXPECT_DOUBLE_EQ(Offsets().Xchange, 0);
    EXPECT_DOUBLE_EQ(Offsets().Ychange, 0);
    EXPECT_FALSE(preview().savedPicture().isNull());
}

TEST_F(PreviewTest, EveryOpenerSetsTheButtonsForItsPage) {
    preview().setVisibleHeightMm(250);
    preview().open(3);
    click("frmAxPreview", "cmdNext");
    click("frmAxPreview", "cmdDownMove");
    // Opened again for another page while still loaded.
    preview().open(2);
    EXPECT_FALSE(enabled("cmdNext"));
    EXPECT_FALSE(enabled("cmdBefore"));
    EXPECT_FALSE(enabled("cmdUpMove"));
    EXPECT_FLOAT_EQ(preview().scrollTop(), 0);
    EXPECT_EQ(State(), 2);
}

TEST_F(PreviewTest, CloseReturnsToTheFormThatStateNames) {
    struct Row {
        int state;
        const char* form;
    };
    const Row rows[] = {{1, "frmModel"}, {2, "frmCephalo"}, {3, "frmImage"},
                        {4, "frmImage"}, {5, "frmImage"},   {6, "frmDiagnosis"}};
    for (const Row& row : rows) {
        Forms::Hide(row.form);
        preview().open(static_cast<std::int16_t>(row.state));
        click("frmAxPreview", "cmdClose");
        EXPECT_TRUE(isVisible(row.form)) << row.state;
        EXPECT_FALSE(Forms::IsLoaded("frmAxPreview"));
        EXPECT_EQ(State(), row.state);
        Forms::Hide(row.form);
    }
}

TEST_F(PreviewTest, SavesTheShownPageInTheFormatOfItsEnding) {
    QTemporaryDir dir;
    struct Row {
        const char* typed;
        const char* filter;
        const char* written;
        const char* format;
    };
    const Row rows[] = {
        {"a.PNG", "PNG Files (*.png)", "a.PNG", "png"},
        {"b.jpg", "PNG Files (*.png)", "b.jpg", "jpeg"},
        {"c", "BMP Files (*.bmp)", "c.bmp", "bmp"},
        {"d", "TIFF Files (*.tif)", "d.tif", "tiff"},
        {"e.tiff", "GIF Files (*.gif)", "e.tiff", "tiff"},
        {"f", "GIF Files (*.gif)", "f.gif", "gif"},
    };
    preview().open(5);
    for (const Row& row : rows) {
        calls.clear();
        const QString typed = dir.filePath(QString::fromUtf8(row.typed));
        const QString filter = QString::fromUtf8(row.filter);
        SetSaveDialogAnswer([&](const QString&) { return SaveAnswer{typed, filter}; });
        click("frmAxPreview", "cmdSave");
        EXPECT_TRUE(messages.isEmpty()) << row.typed;
        QImageReader reader(dir.filePath(QString::fromUtf8(row.written)));
        EXPECT_EQ(reader.format(), QByteArray(row.format)) << row.typed;
        EXPECT_EQ(reader.size(), QSize(680, 1009)) << row.typed;
        // The page shown is drawn again on the saved page first.
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].state, 5);
    }
}

TEST_F(PreviewTest, ACancelledSaveWritesNothingAndAFailedOneSaysSo) {
    preview().open(1);
    SetSaveDialogAnswer([](const QString&) { return std::nullopt; });
    click("frmAxPreview", "cmdSave");
    EXPECT_TRUE(messages.isEmpty());
    const QString bad = home() + QStringLiteral("/missing/page.png");
    SetSaveDialogAnswer([&](const QString&) { return SaveAnswer{bad, QStringLiteral("PNG Files (*.png)")}; });
    click("frmAxPreview", "cmdSave");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(bad));
    EXPECT_FALSE(QFileInfo::exists(bad));
}

TEST_F(PreviewTest, PrintsOneA4PageFromTheSheetCorner) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    SetPrintToFile(pdf);
    preview().setVisibleHeightMm(250);
    preview().open(3);
    click("frmAxPreview", "cmdDownMove");
    calls.clear();
    click("frmAxPreview", "cmdPrint");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_DOUBLE_EQ(calls[0].originX, 0);
    EXPECT_DOUBLE_EQ(calls[0].originY, 0);
    EXPECT_DOUBLE_EQ(calls[0].offsets.Ychange, 0);  // printed as if not scrolled
    EXPECT_FLOAT_EQ(preview().scrollTop(), 20);      // the screen stays as it was
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r") + content.count("/Type /Page "), 1);
    EXPECT_TRUE(content.contains("/MediaBox [0 0 595")) << "A4 portrait";
    EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace vt::testing
