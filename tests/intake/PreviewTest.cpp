// The preview: scrolling, paging, closing, saving a copy and printing, with page procedures that record their calls.
#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QPrinterInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include "intake/PreviewForm.h"
#include "intake/PreviewPages.h"
#include "intake/PreviewPaging.h"
#include "platform/FileDialogs.h"
#include "platform/ImageWriter.h"
#include "platform/Printer.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

TEST(PreviewPaging, ScrollStepsStopExactlyAtTheSheetsEdges) {
    struct Row {
        bool down;
        float top, visible, want;
        bool atEnd;
    };
    const Row rows[] = {
        {false, 20.5f, 0, 0.5f, false},
        {false, 20, 0, 0, true},
        {true, 0, 276.9f, 20, false},
        {true, 0, 277, 20, true},    // 277 + 20 reaches the sheet's foot exactly
        {true, 40, 250, 47, true}};  // 250 + 60 would pass the foot: the window's foot meets the sheet's
    for (const Row& r : rows) {
        const ScrollStep step = r.down ? ScrollDown(r.top, r.visible) : ScrollUp(r.top);
        EXPECT_EQ(std::pair(step.top, step.atEnd), std::pair(r.want, r.atEnd))
            << r.down << " from " << r.top << " seeing " << r.visible;
    }
    EXPECT_TRUE(CanScrollDownFromTop(297)) << "scrolls seeing 297 mm";
    EXPECT_FALSE(CanScrollDownFromTop(297.01f)) << "scrolls seeing 297.01 mm";
    // Only the tracing pages turn, and not past their ends.
    EXPECT_FALSE(NextPage(PreviewState::Tracing3).has_value()) << "next page after tracing page 3";
    EXPECT_FALSE(PreviousPage(PreviewState::Tracing1).has_value()) << "page before tracing page 1";
    for (PreviewState other :
         {PreviewState::None, PreviewState::ModelPage, PreviewState::CephPage, PreviewState::DiagnosisPage}) {
        EXPECT_FALSE(NextPage(other).has_value()) << "next page after state " << int(other);
        EXPECT_FALSE(PreviousPage(other).has_value()) << "page before state " << int(other);
    }
}

struct PageCall {
    int state;
    QPointF origin;
};

class PreviewTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        record(true);
    }
    void TearDown() override {
        record(false);
        ProgramTest::TearDown();
    }
    void record(bool on) {  // the recorders go with the test
        if (!on) {
            for (const ResultPage& page : registered_) RegisterResultPage(page);
            return;
        }
        registered_ = ResultPages();
        for (const ResultPage& page : registered_) {
            const int state = int(page.state);
            RegisterResultPage({page.state,
                                [this, state](ResultSurface& s) {
                                    calls.push_back({state, {s.originX(), s.originY()}});
                                },
                                page.fileName,
                                page.form});
        }
    }
    PreviewForm& preview() { return Forms::Get<PreviewForm>(); }
    std::string press(
        const char* button) {  // clicks (none for ""); the enabled buttons B(efore), N(ext), U(p), D(own), else "-"
        calls.clear();
        if (*button) click("frmAxPreview", button);
        std::string out;
        for (const char* name : {"cmdBefore", "cmdNext", "cmdUpMove", "cmdDownMove"})
            out += isEnabled("frmAxPreview", name) ? name[3] : '-';
        return out;
    }
    std::vector<PageCall> calls;

private:
    std::vector<ResultPage> registered_;
};

// 20 mm steps stop at the sheet's ends; a page turn shows the next tracing page from the top.
TEST_F(PreviewTest, ScrollsWithinTheSheetAndTurnsTheTracingPagesFromTheTop) {
    preview().setVisibleHeightMm(250);
    preview().open(PreviewState::Tracing1);
    EXPECT_EQ(press(""), "-N-D");
    const struct {
        const char* button;
        int state;
        float top;
        const char* buttons;
    } steps[] = {
        {"cmdDownMove", 3, 20, "-NUD"},
        {"cmdDownMove", 3, 40, "-NUD"},
        {"cmdDownMove", 3, 47, "-NU-"},
        {"cmdUpMove", 3, 27, "-NUD"},
        {"cmdUpMove", 3, 7, "-NUD"},
        {"cmdUpMove", 3, 0, "-N-D"},
        {"cmdDownMove", 3, 20, "-NUD"},
        {"cmdNext", 4, 0, "BN-D"},
        {"cmdNext", 5, 0, "B--D"},
        {"cmdBefore", 4, 0, "BN-D"},
        {"cmdDownMove", 4, 20, "BNUD"},
        {"cmdBefore", 3, 0, "-N-D"},
    };
    for (const auto& step : steps) {
        const std::string buttons = press(step.button);
        ASSERT_EQ(calls.size(), 1u) << step.button;
        EXPECT_EQ(std::tuple(buttons, State(), preview().scrollTop(), calls[0].state, calls[0].origin),
                  std::tuple(step.buttons, PreviewState(step.state), step.top, step.state, QPointF(0, step.top)))
            << step.button << " to " << step.top;
    }
    preview().open(PreviewState::CephPage);  // every opener sets the buttons for its own page
    EXPECT_EQ(std::pair(press(""), preview().scrollTop()), std::pair(std::string("---D"), 0.0f));
    preview().setVisibleHeightMm(297.01f);  // the whole sheet in view: no scrolling
    preview().open(PreviewState::DiagnosisPage);
    EXPECT_EQ(press(""), "----");
}

TEST_F(PreviewTest, CloseShowsTheFormThatStateNames) {
    const struct {
        int state;
        const char* formName;
        bool closeBox;
    } rows[] = {// the close button or the close box
                {1, "frmModel", false},
                {2, "frmCephalo", true},
                {3, "frmImage", false},
                {4, "frmImage", false},
                {5, "frmImage", true},
                {6, "frmDiagnosis", false}};
    for (const auto& row : rows) {
        Forms::Hide(row.formName);
        preview().open(PreviewState(row.state));
        row.closeBox ? void(form("frmAxPreview")->windowHandle()->close()) : click("frmAxPreview", "cmdClose");
        EXPECT_TRUE(isVisible(row.formName)) << "state " << row.state << ": " << row.formName << " visible";
        EXPECT_FALSE(Forms::IsLoaded("frmAxPreview")) << "state " << row.state << ": preview still loaded";
        EXPECT_EQ(int(State()), row.state) << "state " << row.state << ": state after closing";
    }
    EXPECT_EQ(endRequests, 0);
}

// Qt's own dialog starts in the patient folder with the page's file name; the copy is the
// page shown, in the format of the typed ending, else of the filter. No settings are kept.
TEST_F(PreviewTest, SavesThePageShownInTheFormatOfItsEndingOrOfTheFilter) {
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (home() + QStringLiteral("/xdg-config")).toLocal8Bit());
    startPatient("Lee", "77", "12", "0");
    QTemporaryDir dir;
    const QString folder = patientFolder(QStringLiteral("77(12Y0M)"));
    const struct {
        PreviewState state;
        const char *start, *typed, *filter, *written, *format;
    } rows[] = {
        {PreviewState::ModelPage, "ModelAx.png", "a.PNG", "PNG Files (*.png)", "a.PNG", "png"},
        {PreviewState::Tracing2, "CephAx2.png", "b.jpg", "PNG Files (*.png)", "b.jpg", "jpeg"},
        {PreviewState::DiagnosisPage, "Diagnosis.png", "c", "BMP Files (*.bmp)", "c.bmp", "bmp"},
        {PreviewState::CephPage, "CephAx.png", "e", "GIF Files (*.gif)", "e.gif", "gif"},
        {PreviewState::Tracing3, "CephAx3.png", nullptr, nullptr, "", "png"},         // as the dialog starts
        {PreviewState::Tracing1, "CephAx1.png", nullptr, nullptr, nullptr, nullptr},  // cancelled
    };
    for (const auto& row : rows) {
        Forms::Unload("frmAxPreview");  // a fresh preview: its dialog has no last name yet
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        preview().open(row.state);
        QString shownFolder;
        QStringList shownFiles;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shownFolder = dialog->directory().absolutePath();
            shownFiles = dialog->selectedFiles();
            if (row.typed)
                dialog->selectNameFilter(QString::fromUtf8(row.filter)),
                    dialog->selectFile(dir.filePath(QString::fromUtf8(row.typed)));
            QDialog* asked = dialog;  // accept() is public on the base
            row.written ? asked->accept() : asked->reject();
            if (asked->isVisible()) asked->reject();  // a dialog that would not take the answer
        });
        press("cmdSave");
        ASSERT_EQ(calls.size(), 1u);  // the page shown, drawn on the saved page
        EXPECT_EQ(std::tuple(shownFolder, shownFiles, PreviewState(calls[0].state)),
                  std::tuple(folder, QStringList{folder + u'/' + QString::fromUtf8(row.start)}, row.state));
        if (!row.written) continue;
        QImageReader reader(*row.written ? dir.filePath(QString::fromUtf8(row.written)) : shownFiles.value(0));
        EXPECT_EQ(std::pair(reader.format(), reader.size()), std::pair(QByteArray(row.format), QSize(680, 1009)))
            << row.start;
    }
    EXPECT_EQ(messages, QStringList()) << "messages after saving";
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/CephAx1.png"))) << "cancelled save wrote CephAx1.png";
    for (const QString& config : {home() + QStringLiteral("/.config"), home() + QStringLiteral("/xdg-config")})
        EXPECT_FALSE(QDirIterator(config, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories).hasNext())
            << config.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()));
    qputenv("XDG_CONFIG_HOME", oldXdg);
    // An image that cannot be encoded: one message naming the file, and no file.
    CurrentSeams().imageEncodingFails = true;
    const QString bad = dir.filePath(QStringLiteral("f.png"));
    CurrentSeams().saveDialog = [&](const QString&) { return SaveAnswer{bad, QStringLiteral("PNG Files (*.png)")}; };
    click("frmAxPreview", "cmdSave");
    EXPECT_EQ(messages.size(), 1) << messages.join(u'|').toStdString();
    EXPECT_TRUE(messages.value(0).contains(bad)) << "message names the file: " << messages.value(0).toStdString();
    EXPECT_FALSE(QFileInfo::exists(bad)) << "unencodable page written";
}

// The save dialog starts at the last chosen name while the preview stays loaded; a fresh preview
// starts in the patient folder with the page's own name again.
TEST_F(PreviewTest, SaveDialogKeepsItsLastNameUntilThePreviewIsUnloaded) {
    startPatient("Lee", "77", "12", "0");
    const QString folder = patientFolder(QStringLiteral("77(12Y0M)"));
    QTemporaryDir dir;
    QStringList starts, filters;
    QString answer;  // empty: cancel
    CurrentSeams().saveDialog = [&](const SaveDialogRequest& request) -> std::optional<SaveAnswer> {
        starts << request.startPath;
        filters << request.filter;
        if (answer.isEmpty()) return std::nullopt;
        return SaveAnswer{answer, QStringLiteral("PNG Files (*.png)")};
    };
    const struct {
        const char* step;
        PreviewState page;  // opened first, unless the preview is shown already
        const char* chosen;
        QString start;
    } steps[] = {
        {.step = "first save",
         .page = PreviewState::ModelPage,
         .chosen = "model_copy",
         .start = folder + "/ModelAx.png"},
        {.step = "second save", .page = PreviewState::ModelPage, .chosen = "", .start = dir.filePath("model_copy.png")},
        {.step = "after a cancel",
         .page = PreviewState::CephPage,
         .chosen = "",
         .start = dir.filePath("model_copy.png")},
        {.step = "after closing", .page = PreviewState::Tracing2, .chosen = "", .start = folder + "/CephAx2.png"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        if (std::string_view(step.step) == "after closing") click("frmAxPreview", "cmdClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        preview().open(step.page);
        answer = *step.chosen ? dir.filePath(QString::fromUtf8(step.chosen)) : QString();
        starts.clear();
        click("frmAxPreview", "cmdSave");
        EXPECT_EQ(starts, QStringList{step.start});
    }
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("model_copy.png")));
    // The five formats in their order, each entry its description and pattern.
    EXPECT_EQ(filters.value(0),
              "PNG Files (*.png);;JPEG Files (*.jpg);;GIF Files (*.gif);;TIFF Files (*.tif);;BMP Files (*.bmp)");
}

// Printing starts at the sheet's corner, leaves the screen as it was and says once when it cannot print.
TEST_F(PreviewTest, PrintsFromTheSheetsCornerAndSaysOnceWhenItCannot) {
    preview().setVisibleHeightMm(250);
    preview().open(PreviewState::Tracing1);
    click("frmAxPreview", "cmdDownMove");
    CurrentSeams().printToFile = home() + QStringLiteral("/page.pdf");
    CurrentSeams().imageEncodingFails = true;  // printing encodes no image file
    press("cmdPrint");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::pair(calls[0].origin, preview().scrollTop()), std::pair(QPointF(0, 0), 20.0f));
    EXPECT_EQ(messages, QStringList()) << "messages after printing";
    EXPECT_GT(QFileInfo(home() + QStringLiteral("/page.pdf")).size(), 0) << "printed page.pdf size";
    const QString failed = QStringLiteral("인쇄할 수 없습니다. 프린터를 확인해 주세요.");
    CurrentSeams().printToFile = home() + QStringLiteral("/missing/page.pdf");
    click("frmAxPreview", "cmdPrint");
    EXPECT_EQ(messages, QStringList{failed});
    EXPECT_EQ(messageTitles, QStringList{QStringLiteral("Veltrane")});  // the program's title, not the preview's
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed: not printing on it";
    CurrentSeams().printToFile.clear();
    click("frmAxPreview", "cmdPrint");
    EXPECT_EQ(messages, QStringList({failed, failed}));
}

}  // namespace
}  // namespace vt::testing
