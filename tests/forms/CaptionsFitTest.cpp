// Every caption of every form, and the longest texts the program writes into
// its result labels, drawn whole inside their controls with the substitute
// font; comment labels show whole lines only.
//
// A control's glyphs are the pixels where it drawn with its text differs from
// it drawn without. A control clips its text to its box, which would hide an
// overhang, so each control is drawn a second time as a twin: a plain Qt
// control of the same kind, font, text and settings (not made by the form
// builders, so nothing fits it), grown on the sides its text does not hang
// from. The text lays out as before, and whatever of it the control's box
// would cut off shows in the twin.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ceph/CephEval.h"
#include "ceph/CephInputs.h"
#include "diagnosis/DiagnosisRun.h"
#include "diagnosis/ExtractionAnalysis.h"
#include "intake/FormNames.h"
#include "intake/PatientRecord.h"
#include "model/ModelAnalysis.h"
#include "model/ModelRecord.h"
#include "support/ProgramFixture.h"
#include "tracing/ClickMode.h"
#include "tracing/Landmarks.h"

namespace vt::testing {
namespace {

// A text the program writes into a result label.
struct ResultText {
    const char* label;
    std::string text;
};

// Labels whose text wraps by design: they show whole lines only.
const QStringList kCommentLabels{QStringLiteral("lblCephalo"), QStringLiteral("lblDiagnosis")};

// How far a control's glyphs reach beyond its text area, in pixels per side.
struct Overhang {
    int left = 0, above = 0, right = 0, below = 0;
    bool operator==(const Overhang&) const = default;
};

void PrintTo(const Overhang& o, std::ostream* os) {
    *os << "left " << o.left << ", above " << o.above << ", right " << o.right << ", below " << o.below << " px";
}

QString Describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Glyph pixels of a control, in the control's own coordinates.
class Glyphs {
public:
    Glyphs(const QImage& with, const QImage& without, QPoint origin) : origin_(origin), size_(with.size()) {
        on_.resize(static_cast<std::size_t>(size_.width() * size_.height()));
        for (int y = 0; y < size_.height(); ++y)
            for (int x = 0; x < size_.width(); ++x) on_[index(x, y)] = with.pixel(x, y) != without.pixel(x, y);
    }

    bool at(int x, int y) const {
        x -= origin_.x(), y -= origin_.y();
        return x >= 0 && y >= 0 && x < size_.width() && y < size_.height() && on_[index(x, y)];
    }
    QRect bounds() const {
        QRect r;
        for (int y = 0; y < size_.height(); ++y)
            for (int x = 0; x < size_.width(); ++x)
                if (on_[index(x, y)]) r |= QRect(x, y, 1, 1);
        return r.translated(origin_);
    }
    bool row(int y, int left, int right) const {
        for (int x = left; x <= right; ++x)
            if (at(x, y)) return true;
        return false;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * size_.width() + x); }
    QPoint origin_;
    QSize size_;
    std::vector<bool> on_;
};

int DifferingPixels(const Glyphs& a, const Glyphs& b, const QRect& box) {
    int differing = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) differing += a.at(x, y) != b.at(x, y);
    return differing;
}

Overhang OverhangOf(const QRect& glyphs, const QRect& area) {
    if (glyphs.isEmpty()) return {};
    return {std::max(0, area.left() - glyphs.left()),
            std::max(0, area.top() - glyphs.top()),
            std::max(0, glyphs.right() - area.right()),
            std::max(0, glyphs.bottom() - area.bottom())};
}

// A list box draws an editable entry in its line edit, a child.
QImage Drawn(QWidget* control) {
    QImage image(control->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QWidget::RenderFlags flags = QWidget::DrawWindowBackground;
    if (qobject_cast<QComboBox*>(control)) flags |= QWidget::DrawChildren;
    control->render(&image, QPoint(), QRegion(), flags);
    return image;
}

// The control drawn with its text, and again without it (a frame's title in
// an invisible colour, so that its border keeps the gap for it).
Glyphs GlyphsOf(QWidget* control, QPoint origin = {}) {
    const QImage with = Drawn(control);
    QImage without;
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        const QPalette palette = frame->palette();
        QPalette blank = palette;
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            blank.setColor(role, Qt::transparent);
        frame->setPalette(blank);
        without = Drawn(control);
        frame->setPalette(palette);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        const QString text = label->text();
        label->setText(QString());
        without = Drawn(control);
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const QString text = button->text();
        button->setText(QString());
        without = Drawn(control);
        button->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->currentIndex();
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) combo->setEditText(QString());
        without = Drawn(control);
        combo->setCurrentIndex(index);
    }
    return Glyphs(with, without, origin);
}

QStyleOptionButton ButtonOption(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    }
    return option;
}

// Where the control's text may show: inside a label's frame, inside a
// button's bevel, beside an option's indicator, on a frame's title, in a
// list box's line edit or the field beside its arrow.
QRect TextArea(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->contentsRect();
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        if (combo->isEditable()) return combo->lineEdit()->geometry();
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const QStyleOptionButton option = ButtonOption(button);
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
    if (qobject_cast<const QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(contents, &option, button);
}

// A plain Qt control like this one, with its text in the given font.
std::unique_ptr<QWidget> TwinOf(const QWidget* control, const QFont& font) {
    std::unique_ptr<QWidget> twin;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        auto* t = new QLabel;
        twin.reset(t);
        t->setTextFormat(label->textFormat());
        t->setText(label->text());
        t->setAlignment(label->alignment());
        t->setWordWrap(label->wordWrap());
        t->setFrameShape(label->frameShape());
        t->setFrameShadow(label->frameShadow());
        t->setLineWidth(label->lineWidth());
        t->setMargin(label->margin());
        t->setIndent(label->indent());
        t->setContentsMargins(label->contentsMargins());
    } else if (const auto* push = qobject_cast<const QPushButton*>(control)) {
        auto* t = new QPushButton(push->text());
        twin.reset(t);
        t->setAutoDefault(push->autoDefault());
        t->setFlat(push->isFlat());
    } else if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        auto* t = new QRadioButton(option->text());
        twin.reset(t);
        t->setChecked(option->isChecked());
    } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        auto* t = new QCheckBox(box->text());
        twin.reset(t);
        t->setChecked(box->isChecked());
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        auto* t = new QGroupBox(frame->title());
        twin.reset(t);
        t->setAlignment(frame->alignment());
        t->setFlat(frame->isFlat());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        auto* t = new QComboBox;
        twin.reset(t);
        t->setEditable(combo->isEditable());
        for (int i = 0; i < combo->count(); ++i) t->addItem(combo->itemText(i));
        t->setCurrentIndex(combo->currentIndex());
    }
    twin->setStyleSheet(control->styleSheet());
    twin->setFont(font);
    twin->setEnabled(control->isEnabled());
    return twin;
}

// Which side a control's text hangs from; the twin grows on the others.
Qt::Alignment AnchorOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->alignment();
    if (qobject_cast<const QPushButton*>(control)) return Qt::AlignCenter;
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->alignment() | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The control's box in its own coordinates, grown by `by` pixels away from
// the text's anchor; a wrapped text keeps its width, so its lines stay.
QRect Grown(const QWidget* control, int by) {
    const Qt::Alignment anchor = AnchorOf(control);
    const auto* label = qobject_cast<const QLabel*>(control);
    const bool keepWidth = label && label->wordWrap();
    QRect r = control->rect();
    if (!keepWidth && !(anchor & Qt::AlignLeft)) r.setLeft(r.left() - by);
    if (!keepWidth && !(anchor & Qt::AlignRight)) r.setRight(r.right() + by);
    if (!(anchor & Qt::AlignTop)) r.setTop(r.top() - by);
    if (!(anchor & Qt::AlignBottom)) r.setBottom(r.bottom() + by);
    return r;
}

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    return {};
}

bool HasCaption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() && !label->text().isEmpty();
    return (qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QGroupBox*>(control)) &&
           !TextOf(control).isEmpty();
}

// A comment shows the first lines of its text as a label lays them out,
// each line whole, and leaves out only a line its box would cut: `full` is a
// label twin's glyphs, grown down so that no line of it is cut.
void CheckWholeLines(const Glyphs& shown, const Glyphs& full, const QRect& area) {
    const int lastShown = shown.bounds().bottom();
    int differingRows = 0;
    for (int y = area.top(); y <= lastShown; ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shown.at(x, y) != full.at(x, y)) {
                ++differingRows;
                break;
            }
    EXPECT_EQ(differingRows, 0) << "rows above the last shown that differ from the label's own lines";
    EXPECT_EQ(full.row(lastShown + 1, area.left(), area.right()), false) << "the last line shown goes on below";
    int next = lastShown + 1;
    while (next <= area.bottom() && !full.row(next, area.left(), area.right())) ++next;
    int nextEnd = next;
    while (full.row(nextEnd + 1, area.left(), area.right())) ++nextEnd;
    if (next <= area.bottom()) {
        EXPECT_GT(nextEnd, area.bottom())
            << "the first line left out, rows " << next << " to " << nextEnd << ", fits in the box";
    }
}

class CaptionsFitTest : public ProgramTest {
protected:
    // Every control of the form with a caption, as it stands, and each entry
    // of every list box.
    static void checkForm(const char* formName) {
        QWidget* f = form(formName);
        ASSERT_NE(f, nullptr) << formName;
        int checked = 0;
        for (QWidget* control : f->findChildren<QWidget*>()) {
            if (auto* combo = qobject_cast<QComboBox*>(control)) {
                const int index = combo->currentIndex();
                for (int i = 0; i < combo->count(); ++i, ++checked) {
                    combo->setCurrentIndex(i);
                    checkControl(formName, combo);
                }
                combo->setCurrentIndex(index);
            } else if (HasCaption(control)) {
                checkControl(formName, control);
                ++checked;
            }
        }
        EXPECT_GT(checked, 0) << formName;
    }

    // Each text in turn in its label, then the label emptied again.
    static void checkResults(const char* formName, const std::vector<ResultText>& rows) {
        for (const ResultText& row : rows) {
            auto* label = control<QLabel>(formName, row.label);
            ASSERT_NE(label, nullptr) << formName << "." << row.label;
            label->setText(QString::fromStdString(row.text));
            checkControl(formName, label);
            label->clear();
        }
    }

    static void checkControl(const char* formName, QWidget* control) {
        Drawn(control);  // drawn once, as on screen, with the size it shows in
        const QFont shownFont = control->font();
        const Glyphs glyphs = GlyphsOf(control);
        SCOPED_TRACE(QStringLiteral("%1.%2 \"%3\" at %4 pt, glyphs %5")
                         .arg(QString::fromUtf8(formName),
                              control->objectName(),
                              TextOf(control),
                              QString::number(shownFont.pointSizeF()),
                              Describe(glyphs.bounds()))
                         .toStdString());
        const QRect area = TextArea(control);
        ASSERT_FALSE(glyphs.bounds().isEmpty()) << "nothing of the text shows";
        std::unique_ptr<QWidget> twin = TwinOf(control, shownFont);
        const QRect grown = Grown(control, 3 * control->height());
        twin->resize(grown.size());
        const Glyphs unclipped = GlyphsOf(twin.get(), grown.topLeft());
        if (kCommentLabels.contains(control->objectName())) {
            EXPECT_EQ(OverhangOf(glyphs.bounds(), area), Overhang{}) << "text area " << Describe(area).toStdString();
            CheckWholeLines(glyphs, unclipped, area);
            return;
        }
        EXPECT_EQ(DifferingPixels(glyphs, unclipped, control->rect()), 0)
            << "pixels of the box where the control and its unconstrained twin differ (cut or scrolled text)";
        EXPECT_EQ(OverhangOf(unclipped.bounds(), area), Overhang{})
            << "glyphs unclipped " << Describe(unclipped.bounds()).toStdString() << ", text area "
            << Describe(area).toStdString();
    }
};

TEST_F(CaptionsFitTest, StartForm) { checkForm(FormName::Start); }

TEST_F(CaptionsFitTest, ModelForm) {
    startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("2"), 1);
    checkForm(FormName::Model);
    // The widest numbers each line can hold: incisor sums below 30 and 28 mm,
    // ratios of six and twelve teeth up to 880 and 817 %, arch width below
    // 80 mm against twelve teeth up to 196 mm, Howes' ratio up to 334 %.
    checkResults(FormName::Model,
                 {{.label = "lblSOI", .text = SoiLine(29.96, 27.96, 37.33)},
                  {.label = "lblBolton", .text = BoltonLine(879.96, 816.66)},
                  {.label = "lblHowes", .text = HowesLine(79.96, 195.96, 333.3f)}});
}

TEST_F(CaptionsFitTest, CephaloForm) {
    startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("2"), 0);
    Forms::Show(FormName::Cephalo);
    checkForm(FormName::Cephalo);
    // A long comment found by a search over the typed ranges, and the same
    // twice over, longer than the box.
    const CephRecord typed{.SNA = 59.96,
                           .SNB = 116.28,
                           .FA = 49.08,
                           .ABMP = 112.92,
                           .PFH = 141.58,
                           .AFH = 105.84,
                           .SNMP = 46.37,
                           .FMA = 16.83,
                           .PPMP = 11.33,
                           .Wits = -20.25,
                           .OPMP = 4.31,
                           .UISN = 150.64,
                           .IMPA = 83.47,
                           .UIFP = -14.95,
                           .LIFP = 15.14,
                           .UL = -13.97,
                           .LL = -12.97,
                           .MsgCephalo = {}};
    const std::optional<CephRecord> accepted = ApplyCephInputs(typed);
    ASSERT_TRUE(accepted.has_value());
    const std::string comment = CephEval(*accepted, Patient()).MsgCephalo;
    // ANB from -76 to 82, ODI from -37 to 179, APDI below 157, PFH/AFH up to 393.
    checkResults(FormName::Cephalo,
                 {{.label = "lblANB", .text = "-76.0"},
                  {.label = "lblODI", .text = "179.0"},
                  {.label = "lblODI", .text = "-37.0"},
                  {.label = "lblAPDI", .text = "157.0"},
                  {.label = "lblPFHAFH", .text = "392.7"},
                  {.label = "lblCephalo", .text = comment},
                  {.label = "lblCephalo", .text = comment + comment}});
}

TEST_F(CaptionsFitTest, DigitizingForm) {
    startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("2"), 0);
    Forms::Show(FormName::Image);
    checkForm(FormName::Image);
    std::vector<ResultText> prompts{{.label = "lblScale", .text = kScaleStartPrompt},
                                    {.label = "lblScale", .text = kScaleEndPrompt}};
    for (const LandmarkText& landmark : kLandmarks)
        for (const char* prompt : {landmark.forwardPrompt, landmark.backPrompt})
            if (*prompt) prompts.push_back({.label = "lblLandmark", .text = prompt});
    checkResults(FormName::Image, prompts);
}

TEST_F(CaptionsFitTest, DiagnosisForm) {
    startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("26"), QStringLiteral("2"), 0);
    Forms::Show(FormName::Diagnosis);
    checkForm(FormName::Diagnosis);
    // The longest comment a search over the ranges of the entries found,
    // longer than the box, and the same twice over.
    const CephRecord typed{.SNA = 91.21,
                           .SNB = 39.08,
                           .FA = 126.92,
                           .ABMP = 29.08,
                           .PFH = 88.23,
                           .AFH = 164.61,
                           .SNMP = 67.93,
                           .FMA = -5.93,
                           .PPMP = -5.93,
                           .Wits = 17.54,
                           .OPMP = 10.03,
                           .UISN = 133.59,
                           .IMPA = 45.10,
                           .UIFP = 32.36,
                           .LIFP = 16.69,
                           .UL = 9.50,
                           .LL = -1.89,
                           .MsgCephalo = {}};
    const std::optional<CephRecord> accepted = ApplyCephInputs(typed);
    ASSERT_TRUE(accepted.has_value());
    const CephEvalResult evaluation = CephEval(*accepted, Patient());
    const FindingsEntries entries{.ALDMx = "1.1",
                                  .ALDMn = "-11.44",
                                  .COS = "-2.54",
                                  .OB = "13.75",
                                  .OJ = "-0.84",
                                  .MolarRt = "25.14",
                                  .MolarLt = "-14.75",
                                  .CrossRt = "6.24",
                                  .CrossLt = "-3.0"};
    FindingsRecord findings;
    findings.optCrossLtIdx = 2;
    ModelRecord model;
    model.SOI = 2.81;
    const std::optional<FindingsRecord> run =
        RunDiagnosis(findings, entries, {*accepted, evaluation.scores, model, Patient()});
    ASSERT_TRUE(run.has_value());
    // Each verdict behind the widest formula: ALDMn above -30, COS above -5,
    // LIFP below 36; ODI up to 179, APDI up to 157, IIA up to 258, UL above
    // -14, LL above -13 and Kim's index from -16 to 306.
    const CephRecord widest{.ODI = 178.96, .APDI = 156.96, .IIA = 257.96, .UL = -13.96, .LL = -12.96, .MsgCephalo = {}};
    checkResults(FormName::Diagnosis,
                 {{.label = "lblJarabak", .text = JarabakLine(-29.96, -4.96, 35.96, -17.46)},
                  {.label = "lblJarabak", .text = JarabakLine(-29.96, -4.96, 35.96, 6.04)},
                  {.label = "lblJarabak", .text = JarabakLine(-29.96, 9.96, 35.96, 50.96)},
                  {.label = "lblKims", .text = KimsLine(widest, "-16")},
                  {.label = "lblKims", .text = KimsLine(widest, "152.5")},
                  {.label = "lblKims", .text = KimsLine(widest, "305.6")},
                  {.label = "lblDiagnosis", .text = run->DxText},
                  {.label = "lblDiagnosis", .text = run->DxText + run->DxText}});
}

TEST_F(CaptionsFitTest, PreviewForm) {
    Forms::Show(FormName::Preview);
    checkForm(FormName::Preview);
}

}  // namespace
}  // namespace vt::testing
