#include "platform/CaptionFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace vt {

namespace {

// How a control draws its caption: the text, the rectangle it is laid out in
// and clipped to, and the flags of the drawing; and the room its glyphs may
// take: the clipping rectangle inside the control, one pixel clear of a
// label's frame or a button's bevel, so that no glyph runs into their lines.
// A line edit does not clip a long text but scrolls it: such a text fits when
// its width and the cursor's pixel fit its area.
struct CaptionLayout {
    QString text;
    QRect area;
    QRect room;
    int flags = 0;
    bool rich = false;
    bool scrolls = false;
    bool operator==(const CaptionLayout&) const = default;
};

// Where a label lays out its text: inside its frame and margin and, when it
// has a frame and no indent of its own, half an x in from each aligned side.
QRect LabelTextArea(const QLabel* label, const QFont& font) {
    QRect area = label->contentsRect();
    const int margin = label->margin();
    area.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0) indent = QFontMetrics(font, label).horizontalAdvance(u'x') / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (align & Qt::AlignLeft) area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight) area.setRight(area.right() - indent);
        if (align & Qt::AlignTop) area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom) area.setBottom(area.bottom() - indent);
    }
    return area;
}

int LabelTextFlags(const QLabel* label) {
    int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) | Qt::TextExpandTabs;
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    if (label->buddy()) flags |= Qt::TextShowMnemonic;
    return flags;
}

std::optional<CaptionLayout> LabelCaption(const QLabel* label, const QFont& font) {
    if (!label->pixmap().isNull() || label->movie()) return std::nullopt;
    const Qt::TextFormat format = label->textFormat();
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(label->text()));
    const QRect area = LabelTextArea(label, font);
    const QRect inside = label->frameWidth() > 0 ? label->contentsRect().adjusted(1, 1, -1, -1) : label->rect();
    return CaptionLayout{label->text(), area, area & inside, LabelTextFlags(label), rich};
}

// Buttons and options: the contents rectangle their style gives the text
// (inside the bevel; beside the indicator and its spacing).
std::optional<CaptionLayout> ButtonCaption(const QAbstractButton* button, const QFont& font) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.fontMetrics = QFontMetrics(font, button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    int bevel = 0;
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
        flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        bevel = 1;
    } else if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else {
        return std::nullopt;
    }
    const QRect area = button->style()->subElementRect(contents, &option, button);
    return CaptionLayout{button->text(), area, area.adjusted(bevel, bevel, -bevel, -bevel) & button->rect(), flags};
}

std::optional<CaptionLayout> GroupBoxCaption(const QGroupBox* box, const QFont& font) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.fontMetrics = QFontMetrics(font, box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QRect area = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return CaptionLayout{
        box->title(), area, area & box->rect(), Qt::TextShowMnemonic | Qt::AlignLeft | int(box->alignment())};
}

// A list box may show any of its entries in the field beside its arrow; an
// editable one shows it in a line edit with a margin of 2 pixels each side.
std::vector<CaptionLayout> ComboCaptions(const QComboBox* combo, const QFont& font) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.fontMetrics = QFontMetrics(font, combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const QRect area = combo->isEditable() ? field.adjusted(2, 0, -2, 0) : field.adjusted(1, 0, -1, 0);
    std::vector<CaptionLayout> captions;
    for (int i = 0; i < combo->count(); ++i)
        captions.push_back({combo->itemText(i),
                            area,
                            area & combo->rect(),
                            Qt::AlignLeft | Qt::AlignVCenter,
                            false,
                            combo->isEditable()});
    return captions;
}

// Every text the control may show as its caption, laid out in the given font.
std::vector<CaptionLayout> CaptionsOf(const QWidget* control, const QFont& font) {
    std::optional<CaptionLayout> caption;
    if (const auto* label = qobject_cast<const QLabel*>(control)) caption = LabelCaption(label, font);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) caption = ButtonCaption(button, font);
    if (const auto* box = qobject_cast<const QGroupBox*>(control)) caption = GroupBoxCaption(box, font);
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return ComboCaptions(combo, font);
    if (caption) return {*caption};
    return {};
}

// A rich-text label's document, set up as the label sets up its own.
void LayOutDocument(QTextDocument& document, const CaptionLayout& caption, const QFont& font) {
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option;
    option.setAlignment(Qt::Alignment(caption.flags) & Qt::AlignHorizontal_Mask);
    option.setWrapMode((caption.flags & Qt::TextWordWrap) ? QTextOption::WordWrap : QTextOption::ManualWrap);
    document.setDefaultTextOption(option);
    document.setHtml(caption.text);
    document.setTextWidth(caption.area.width());
}

// Whether the caption's glyphs, drawn as the control draws them but without
// any clipping, all lie in its room. Clear cases are settled by the text's
// lines (their advances, widened by the face's largest bearings, and their
// ascent and descent); the others by the pixels the glyphs cover.
bool GlyphsInRoom(const QWidget* control, const CaptionLayout& caption, const QFont& font) {
    const QFontMetrics metrics(font, control);
    QTextDocument document;
    QRect reach;
    QPointF documentAt;
    if (caption.rich) {
        LayOutDocument(document, caption, font);
        const qreal height = document.size().height(), spare = caption.area.height() - height;
        qreal offset = 0;
        if (caption.flags & Qt::AlignVCenter) offset = std::max(spare / 2, 0.0);
        if (caption.flags & Qt::AlignBottom) offset = std::max(spare, 0.0);
        documentAt = QPointF(caption.area.left(), caption.area.top() + offset);
        reach = QRectF(documentAt, document.size()).toAlignedRect();
    } else {
        reach = metrics.boundingRect(caption.area, caption.flags, caption.text);
    }
    const int bearing = std::max({0, -metrics.minLeftBearing(), -metrics.minRightBearing()});
    if (caption.room.contains(reach.adjusted(-bearing, 0, bearing, 0))) return true;

    const int pad = metrics.height();
    const QRect canvasRect = (control->rect() | caption.area | reach).adjusted(-pad, -pad, pad, pad);
    QImage canvas(canvasRect.size(), QImage::Format_ARGB32_Premultiplied);
    // The control's resolution, so that a point size gives the same pixels.
    canvas.setDotsPerMeterX(std::lround(control->logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(std::lround(control->logicalDpiY() / 0.0254));
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.translate(-canvasRect.topLeft());
        painter.setFont(font);
        painter.setPen(Qt::black);
        if (caption.rich) {
            painter.translate(documentAt);
            document.drawContents(&painter);
        } else {
            painter.drawText(caption.area, caption.flags | Qt::TextDontClip, caption.text);
        }
    }
    const QRect room = caption.room.translated(-canvasRect.topLeft());
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(row[x]) != 0 && !room.contains(x, y)) return false;
    }
    return true;
}

bool CaptionFits(const QWidget* control, const QFont& font) {
    const QFontMetrics metrics(font, control);
    for (const CaptionLayout& caption : CaptionsOf(control, font)) {
        if (caption.text.trimmed().isEmpty()) continue;
        if (caption.scrolls) {
            // As a line edit decides to scroll: the text's width and the cursor.
            const int width = qRound(QFontMetricsF(font, control).horizontalAdvance(caption.text)) + 1;
            if (width > caption.area.width() || metrics.height() > caption.area.height()) return false;
            continue;
        }
        if (!GlyphsInRoom(control, caption, font)) return false;
    }
    return true;
}

// The design font when the caption fits in it, else the largest smaller size
// in whole pixels, down to half the design size, at which it fits. A caption
// that fits at none of these keeps the design size: its box needs changing.
QFont FittedFont(const QWidget* control, const QFont& design) {
    if (CaptionFits(control, design)) return design;
    const double pointsPerPixel = 72.0 / control->logicalDpiY();
    const double designPixels = design.pointSizeF() / pointsPerPixel;
    for (double pixels = std::ceil(designPixels) - 1; pixels >= designPixels / 2; pixels -= 1) {
        QFont smaller = design;
        smaller.setPointSizeF(pixels * pointsPerPixel);
        if (CaptionFits(control, smaller)) return smaller;
    }
    return design;
}

// Refits its control's caption before each drawing in which the caption,
// the control's own font or its box changed. A font set on the control from
// outside becomes its new own size.
class CaptionFitter : public QObject {
public:
    static constexpr char kName[] = "captionFitter";

    explicit CaptionFitter(QWidget* control) : QObject(control), design_(control->font()) {
        setObjectName(QString::fromLatin1(kName));
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FontChange && !fitting_) design_ = control->font();
        if (event->type() == QEvent::Paint) fit(control);
        return false;
    }

private:
    struct Key {
        std::vector<CaptionLayout> captions;
        QFont font;
        QSize size;
        const QStyle* style = nullptr;
        bool operator==(const Key&) const = default;
    };

    void fit(QWidget* control) {
        Key key{CaptionsOf(control, design_), design_, control->size(), control->style()};
        if (fitted_ && *fitted_ == key) return;
        const QFont font = FittedFont(control, design_);
        fitted_ = std::move(key);
        if (font == control->font()) return;
        fitting_ = true;
        control->setFont(font);
        fitting_ = false;
    }

    QFont design_;
    std::optional<Key> fitted_;
    bool fitting_ = false;
};

// The height, from the top of the text area, of the wrapped lines that fit
// whole in it with one pixel to spare; lines stacked as QPainter::drawText
// stacks them, each on a whole pixel with the font's leading between them.
int WholeLinesHeight(const QLabel* label, const QRect& area) {
    QString text = label->text();
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, label->font(), label);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(label->font(), label).leading();
    qreal y = -leading;
    int shown = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        y = std::ceil(y + leading);
        y += line.height();
        if (y > area.height() - 1) break;
        shown = static_cast<int>(std::ceil(y));
    }
    layout.endLayout();
    return shown;
}

// Draws its text as a label does, cut after the last line that fits whole.
class WholeLinesLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = LabelTextArea(this, font());
        const int shown = WholeLinesHeight(this, area);
        if (shown <= 0) return;
        style()->drawItemText(&painter,
                              QRect(area.topLeft(), QSize(area.width(), shown)),
                              LabelTextFlags(this),
                              palette(),
                              isEnabled(),
                              text(),
                              foregroundRole());
    }
};

}  // namespace

void FitCaption(QWidget* control) {
    const QString fitter = QString::fromLatin1(CaptionFitter::kName);
    if (!control->findChild<QObject*>(fitter, Qt::FindDirectChildrenOnly)) new CaptionFitter(control);
}

QLabel* MakeWholeLinesLabel(QWidget* parent) { return new WholeLinesLabel(parent); }

}  // namespace vt
