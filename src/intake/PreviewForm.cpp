#include "intake/PreviewForm.h"

#include <QPainter>
#include <QPushButton>

#include "intake/PatientFolder.h"
#include "intake/PreviewPaging.h"
#include "platform/FileDialogs.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/ImageWriter.h"
#include "platform/MessageBox.h"
#include "platform/PageImage.h"
#include "platform/PainterSurface.h"
#include "platform/Printer.h"

namespace vt {

namespace {

const QString kSaveFilter =
    QStringLiteral("PNG Files (*.png);;JPEG Files (*.jpg);;GIF Files (*.gif);;TIFF Files (*.tif);;BMP Files (*.bmp)");

// The ending of a filter entry such as "JPEG Files (*.jpg)".
QString FilterEnding(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("(*"));
    if (star < 0) return QStringLiteral(".png");
    return filter.mid(star + 2, filter.indexOf(u')', star) - star - 2);
}

}  // namespace

PagePicture::PagePicture(QWidget* parent) : QWidget(parent) {}

void PagePicture::setPage(QImage image) {
    page_ = std::move(image);
    update();
}

void PagePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!page_.isNull()) painter.drawImage(0, 0, page_);
}

PreviewForm::PreviewForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Analysis Preview"));
    setFont(FormFont(8.25));
    const QFont buttonFont = FormFont(11.25);
    cmdNext = MakeButton(this, "cmdNext", QStringLiteral("다음 페이지"), {360, 1080, 1575, 495}, buttonFont);
    cmdBefore = MakeButton(this, "cmdBefore", QStringLiteral("이전 페이지"), {360, 240, 1575, 495}, buttonFont);
    cmdDownMove = MakeButton(this, "cmdDownMove", QStringLiteral("아래로 이동"), {360, 2760, 1575, 495}, buttonFont);
    cmdUpMove = MakeButton(this, "cmdUpMove", QStringLiteral("위로 이동"), {360, 1920, 1575, 495}, buttonFont);
    cmdSave = MakeButton(this, "cmdSave", QStringLiteral("따로 저장"), {360, 3600, 1575, 495}, buttonFont);
    cmdPrint = MakeButton(this, "cmdPrint", QStringLiteral("인     쇄"), {360, 4440, 1575, 495}, buttonFont);
    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("닫     기"), {360, 5280, 1575, 495}, buttonFont);
    picPreview = new PagePicture(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    SetTabOrder({cmdNext, cmdBefore, cmdDownMove, cmdUpMove, cmdSave, cmdPrint, cmdClose});

    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdBefore, &QPushButton::clicked, this, [this] { cmdBefore_Click(); });
    connect(cmdUpMove, &QPushButton::clicked, this, [this] { cmdUpMove_Click(); });
    connect(cmdDownMove, &QPushButton::clicked, this, [this] { cmdDownMove_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void PreviewForm::Form_Load() {
    const QRect screen = ScreenArea();
    resize(screen.size());
    picPreview->setGeometry(
        TwipsToPixels(2400), 0, screen.width() - TwipsToPixels(2495), screen.height() - TwipsToPixels(445));
    visibleHeight_ = static_cast<float>(picPreview->height() / kScreenPixelsPerMm);
    setButtonsForPage();
}

void PreviewForm::setVisibleHeightMm(float heightMm) {
    visibleHeight_ = heightMm;
    picPreview->resize(picPreview->width(), static_cast<int>(heightMm * kScreenPixelsPerMm + 0.5));
}

// Every page opens at the top of the sheet with the buttons that fit it.
void PreviewForm::setButtonsForPage() {
    scrollTop_ = 0;
    cmdBefore->setEnabled(false);
    cmdNext->setEnabled(State() == PreviewState::Tracing1);
    cmdUpMove->setEnabled(false);
    cmdDownMove->setEnabled(CanScrollDownFromTop(visibleHeight_));
    cmdClose->setEnabled(true);
}

void PreviewForm::open(PreviewState state) {
    SetState(state);
    Forms::Show(kName);
    setButtonsForPage();
    redrawPreview();
}

void PreviewForm::redrawPreview() {
    picPreview->setPage(
        DrawScreenPage(PageProcedureFor(State()), picPreview->width(), picPreview->height(), scrollTop_));
}

void PreviewForm::turnTo(const std::optional<PageTurn>& turn) {
    if (!turn) return;
    scrollTop_ = 0;
    SetState(turn->state);
    redrawPreview();
    cmdUpMove->setEnabled(false);
    cmdDownMove->setEnabled(CanScrollDownFromTop(visibleHeight_));
    cmdBefore->setEnabled(turn->beforeEnabled);
    cmdNext->setEnabled(turn->nextEnabled);
}

void PreviewForm::cmdNext_Click() { turnTo(NextPage(State())); }

void PreviewForm::cmdBefore_Click() { turnTo(PreviousPage(State())); }

void PreviewForm::cmdUpMove_Click() {
    const ScrollStep step = ScrollUp(scrollTop_);
    scrollTop_ = step.top;
    cmdDownMove->setEnabled(true);
    if (step.atEnd) cmdUpMove->setEnabled(false);
    redrawPreview();
}

void PreviewForm::cmdDownMove_Click() {
    const ScrollStep step = ScrollDown(scrollTop_, visibleHeight_);
    scrollTop_ = step.top;
    cmdUpMove->setEnabled(true);
    if (step.atEnd) cmdDownMove->setEnabled(false);
    redrawPreview();
}

void PreviewForm::cmdPrint_Click() {
    // Silent when it works; a missing printer or a refused job says so once.
    if (!PrintPage(PageProcedureFor(State())))
        ShowMessage(QStringLiteral("인쇄할 수 없습니다. 프린터를 확인해 주세요."), this);
}

void PreviewForm::cmdSave_Click() {
    // The copy is always the page shown, drawn as the saved image shows it.
    const QImage page = DrawSavedPage(PageProcedureFor(State()));
    // The first save of a loaded preview starts in the patient folder with the
    // page's own file name; later ones at the name last chosen, which the
    // dialog keeps while the preview stays loaded.
    const QString start = lastSaveName_.isEmpty() ? ResultFilePath(Patient(), PageFileName(State())) : lastSaveName_;
    const std::optional<SaveAnswer> answer = AskSaveFileName(this, kSaveFilter, start);
    if (!answer) return;
    QString fileName = answer->fileName;
    if (!MimeTypeForPath(fileName.toStdString())) fileName += FilterEnding(answer->selectedFilter);
    lastSaveName_ = fileName;
    if (!SaveBitmapAs(page, fileName.toStdString()))
        ShowMessage(QStringLiteral("결과 페이지를 저장하지 못했습니다:\n") + fileName, this);
}

void PreviewForm::cmdClose_Click() {
    const std::string form = FormForState(State());
    if (!form.empty() && Forms::IsRegistered(form)) Forms::Show(form);
    Forms::Unload(kName);
}

}  // namespace vt
