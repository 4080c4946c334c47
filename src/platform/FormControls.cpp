#include "platform/FormControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "platform/CaptionFit.h"
#include "platform/Units.h"

namespace vt {

void PlaceTwips(QWidget* widget, const Twips& r) {
    widget->setGeometry(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height));
}

void SizeFormTwips(QWidget* form, int width, int height) {
    form->setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
}

namespace {

// Names, fonts and places a new control.
template <class T>
T* Named(T* control, const char* name, const Twips& rect, const QFont& font) {
    control->setObjectName(QString::fromUtf8(name));
    control->setFont(font);
    PlaceTwips(control, rect);
    return control;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font) {
    auto* label = Named(new QLabel(caption, parent), name, rect, font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitCaption(label);
    return label;
}

QLabel* MakeMnemonicLabel(
    QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font) {
    QLabel* label = MakeLabel(parent, name, MnemonicRichText(caption), rect, font);
    label->setTextFormat(Qt::RichText);
    return label;
}

QLabel* MakeCommentLabel(QWidget* parent, const char* name, const Twips& rect, const QFont& font) {
    auto* label = Named(MakeWholeLinesLabel(parent), name, rect, font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const Twips& rect, const QFont& font) {
    return Named(new QLineEdit(parent), name, rect, font);
}

QPushButton* MakeButton(
    QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font) {
    auto* button = Named(new QPushButton(caption, parent), name, rect, font);
    button->setAutoDefault(false);
    FitCaption(button);
    return button;
}

QRadioButton* MakeOption(
    QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font) {
    auto* option = Named(new QRadioButton(caption, parent), name, rect, font);
    FitCaption(option);
    return option;
}

QString MnemonicRichText(const QString& caption) {
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'&' && i + 1 < caption.size()) {
            const QChar next = caption[++i];
            if (next == u'&')
                html += QStringLiteral("&amp;");
            else
                html += QStringLiteral("<u>") + QString(next).toHtmlEscaped() + QStringLiteral("</u>");
            continue;
        }
        html += QString(c).toHtmlEscaped();
    }
    return html;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace vt
