#include "tracing/ImageForm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "intake/PreviewForm.h"
#include "intake/SaveResultPages.h"
#include "platform/FileDialogs.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"
#include "platform/MessageBox.h"
#include "platform/Palette.h"
#include "tracing/CephDisplay.h"
#include "tracing/Landmarks.h"
#include "tracing/Radiograph.h"
#include "tracing/RepaintItems.h"
#include "tracing/ResultButton.h"
#include "tracing/ToolEnabling.h"
#include "tracing/TracingRecord.h"
#include "tracing/TracingResult.h"

namespace vt {

namespace {

// Linux names are case-sensitive, so each filter lists both cases.
const QString kOpenFilter =
    QStringLiteral("JPEG Files (*.jpg *.JPG *.jpeg *.JPEG);;GIF Files (*.gif *.GIF);;BMP Files (*.bmp *.BMP)");
const char kUnreadable[] = "그림 파일을 열 수 없습니다: ";

// The display at its design place and size; loaded, it fills the screen
// but for the tool strip on its left and a margin below.
constexpr Twips kDisplayDesign{2520, 0, 9735, 9015};
constexpr int kToolStripWidth = 2495, kBottomMargin = 445;

QComboBox* MakeCombo(QWidget* parent, const char* name, const Twips& rect, const QFont& font, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromUtf8(name));
    combo->setFont(font);
    combo->setEditable(editable);
    if (editable) combo->setInsertPolicy(QComboBox::NoInsert);
    PlaceTwips(combo, rect);
    FitCaption(combo);
    return combo;
}

// The folder of the last radiograph opened in this run of the program, where
// the open dialog starts; empty before the first. Kept in memory only: it
// outlives the patient, and the program writes no settings.
QString& LastRadiographFolder() {
    static QString folder;
    return folder;
}

// The last radiograph's folder while it is there, else the home folder.
QString RadiographStartFolder() {
    const QString& last = LastRadiographFolder();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

std::function<void(const CephRecord&)>& CephHandOver() {
    static std::function<void(const CephRecord&)> handOver;
    return handOver;
}

QLabel* MakePrompt(QWidget* parent, const char* name, const Twips& rect, const QFont& font) {
    QLabel* label = MakeLabel(parent, name, QString(), rect, font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    return label;
}

}  // namespace

ImageForm::ImageForm() : Form(kName) {
    setWindowTitle(QStringLiteral("Veltrane"));
    const QFont font = FormFont(11.25);
    setFont(font);
    cmdOpen = MakeButton(this, "cmdOpen", QStringLiteral("Image 열기"), {360, 240, 1695, 495}, font);
    cmdScale = MakeButton(this, "cmdScale", QStringLiteral("Scale 설정"), {360, 1440, 1695, 495}, font);
    // Only the three entries can be chosen, so a set scale is always 20, 50
    // or 100 millimetres long.
    cboScale = MakeCombo(this, "cboScale", {360, 960, 1695, 345}, font, false);
    cmdLandmark = MakeButton(this, "cmdLandmark", QStringLiteral("Landmark 설정"), {360, 2520, 1695, 495}, font);
    cmdModify = MakeButton(this, "cmdModify", QStringLiteral("Landmark 수정"), {360, 4080, 1695, 495}, font);
    cboLandmark = MakeCombo(this, "cboLandmark", {360, 3600, 1695, 345}, font, true);
    // Only a choice from the list is the list's click. A typed name stays as
    // typed: no completion, and neither Enter nor leaving the box matches it
    // to an entry, as the combo box would, ignoring case, reporting a choice.
    cboLandmark->setCompleter(nullptr);
    disconnect(cboLandmark->lineEdit(), &QLineEdit::returnPressed, cboLandmark, nullptr);
    disconnect(cboLandmark->lineEdit(), &QLineEdit::editingFinished, cboLandmark, nullptr);
    cmdMagnify = MakeButton(this, "cmdMagnify", QStringLiteral("Image 확대축소"), {360, 4800, 1695, 495}, font);
    cmdMove = MakeButton(this, "cmdMove", QStringLiteral("Image 이동"), {360, 5520, 1695, 495}, font);
    cmdPreview = MakeButton(this, "cmdPreview", QStringLiteral("결과인쇄 보기"), {360, 6240, 1695, 495}, font);
    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("닫    기"), {360, 6960, 1695, 495}, font);
    lblScale = MakePrompt(this, "lblScale", {360, 2040, 1575, 255}, font);
    lblLandmark = MakePrompt(this, "lblLandmark", {360, 3120, 1575, 255}, font);
    picCeph = new CephDisplay(this);
    PlaceTwips(picCeph, kDisplayDesign);
    picCeph->setPicture(&Radiograph());
    SetTabOrder({cmdOpen,
                 cmdScale,
                 cboScale,
                 cmdLandmark,
                 cmdModify,
                 cboLandmark,
                 cmdMagnify,
                 cmdMove,
                 cmdPreview,
                 cmdClose,
                 picCeph});

    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cboScale, &QComboBox::activated, this, [this] { cboScale_Click(); });
    connect(cmdScale, &QPushButton::clicked, this, [this] { cmdScale_Click(); });
    connect(cmdLandmark, &QPushButton::clicked, this, [this] { cmdLandmark_Click(); });
    connect(cboLandmark, &QComboBox::activated, this, [this] { cboLandmark_Click(); });
    connect(cmdModify, &QPushButton::clicked, this, [this] { cmdModify_Click(); });
    connect(cmdMagnify, &QPushButton::clicked, this, [this] { cmdMagnify_Click(); });
    connect(cmdMove, &QPushButton::clicked, this, [this] { cmdMove_Click(); });
    connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPreview_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(picCeph, &CephDisplay::mouseDown, this, &ImageForm::picCeph_MouseDown);
    connect(picCeph, &CephDisplay::mouseMove, this, &ImageForm::picCeph_MouseMove);
    connect(picCeph, &CephDisplay::mouseUp, this, &ImageForm::picCeph_MouseUp);
}

void ImageForm::Form_Load() {
    const QSize size = ScreenArea().size();
    resize(size);
    picCeph->resize(size.width() - TwipsToPixels(kToolStripWidth), size.height() - TwipsToPixels(kBottomMargin));

    for (const ScaleChoice& c : kScaleChoices)
        cboScale->addItem(QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size())));
    cboScale->setCurrentIndex(0);
    cboScale_Click();
    for (const LandmarkText& text : kLandmarks) cboLandmark->addItem(QString::fromUtf8(text.name));
    // The drop-down shows every name whole, however narrow the box.
    QAbstractItemView* list = cboLandmark->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list));
    cboLandmark->setCurrentIndex(-1);
    cboLandmark->setEditText(QString());
    applyTools(ToolEvent::FormLoad);
}

DisplaySizes ImageForm::sizes() const {
    const QImage& picture = Radiograph();
    return {picCeph->outerWidth(),
            picCeph->outerHeight(),
            PixelsToDisplay(picture.width()),
            PixelsToDisplay(picture.height())};
}

void ImageForm::apply(const Reaction& r) {
    if (r.lblScale) lblScale->setText(QString::fromStdString(*r.lblScale));
    if (r.lblLandmark) lblLandmark->setText(QString::fromStdString(*r.lblLandmark));
    if (r.pointer) picCeph->setPointer(*r.pointer);
    if (r.tools) applyTools(*r.tools);
    if (r.clearDisplay) picCeph->clear();
    for (const View& view : r.repaints) paintAt(view);
    if (!r.message.empty()) ShowMessage(QString::fromStdString(r.message), this);
}

void ImageForm::applyTools(ToolEvent event) {
    QWidget* const tools[kToolCount] = {
        cboScale, cmdScale, cmdLandmark, cboLandmark, cmdModify, cmdMagnify, cmdMove, cmdPreview};
    ToolStates states;
    for (int i = 0; i < kToolCount; ++i) states[static_cast<std::size_t>(i)] = tools[i]->isEnabled();
    states = ApplyToolEvent(states, event);
    for (int i = 0; i < kToolCount; ++i) tools[i]->setEnabled(states[static_cast<std::size_t>(i)]);
}

void ImageForm::paintAt(const View& view) { picCeph->draw(view, RepaintLines(Tracing(), view)); }

void ImageForm::PicCephPaint() { paintAt(state_.view); }

void ImageForm::cmdOpen_Click() {
    const std::optional<QString> chosen =
        AskOpenFileName(this, QStringLiteral("Open Ceph Image"), kOpenFilter, RadiographStartFolder());
    if (!chosen) return;
    QImage picture = ReadRadiograph(*chosen);
    if (picture.isNull()) {
        ShowMessage(QString::fromUtf8(kUnreadable) + *chosen, this);
        return;
    }
    // Only a radiograph that opened moves the dialog: a wrong file chosen
    // elsewhere leaves it with the radiographs.
    LastRadiographFolder() = QFileInfo(*chosen).absolutePath();
    Radiograph() = std::move(picture);
    picCeph->setPicture(&Radiograph());
    const Reaction opened = OnOpened(state_, Tracing(), sizes());
    // The new picture alone; the marks come with the next repaint.
    picCeph->clear();
    picCeph->draw(state_.view, {});
    apply(opened);
}

void ImageForm::cboScale_Click() { applyTools(ToolEvent::ScaleChosen); }

void ImageForm::cmdScale_Click() { apply(OnScaleButton(state_, Tracing(), cboScale->currentText().toStdString())); }

void ImageForm::cmdLandmark_Click() { apply(OnLandmarkButton(state_)); }

void ImageForm::cboLandmark_Click() { applyTools(ToolEvent::LandmarkChosen); }

void ImageForm::cmdModify_Click() { apply(OnModifyButton(state_, cboLandmark->currentText().toStdString())); }

void ImageForm::cmdMagnify_Click() { apply(OnMagnifyButton(state_, sizes())); }

void ImageForm::cmdMove_Click() { apply(OnMoveButton(state_)); }

void ImageForm::SetCephHandOver(std::function<void(const CephRecord& traced)> handOver) {
    CephHandOver() = std::move(handOver);
}

// Refused as a whole (the check's message, nothing else changed) or accepted
// as a whole: the hand-over, the preview on tracing page 1, then the files.
void ImageForm::cmdPreview_Click() {
    TracingOutcome outcome = MeasureAndCheck(InputOf(Tracing()), Radiograph(), Ceph());
    if (!outcome.accepted) {
        ShowMessage(QString::fromUtf8(outcome.refusal.data(), static_cast<qsizetype>(outcome.refusal.size())), this);
        return;
    }
    LastTracing() = std::move(outcome.accepted->tracing);
    if (CephHandOver()) CephHandOver()(outcome.accepted->record);
    Forms::Get<PreviewForm>().open(PreviewState::Tracing1);
    hide();
    SaveResultPages({PreviewState::Tracing2, PreviewState::Tracing3, PreviewState::Tracing1});
}

void ImageForm::cmdClose_Click() {
    Forms::Show(FormName::Cephalo);
    hide();
}

void ImageForm::picCeph_MouseDown(std::int16_t button, float X, float Y) {
    apply(OnMouseDown(state_, Tracing(), button, X, Y, picCeph->drawingArea()));
}

void ImageForm::picCeph_MouseMove(std::int16_t buttons, float X, float Y) {
    apply(OnMouseMove(state_, buttons, X, Y, sizes()));
}

void ImageForm::picCeph_MouseUp(std::int16_t, float, float) { apply(OnMouseUp(state_)); }

}  // namespace vt
