#include "platform/FormControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "platform/Palette.h"

namespace vt {

void PlaceTwips(QWidget* widget, const Twips& r) {
    widget->setGeometry(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
                        r.height / kTwipsPerPixel);
}

void SizeFormTwips(QWidget* form, int width, int height) {
    form->setFixedSize(width / kTwipsPerPixel, height / kTwipsPerPixel);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const Twips& rect,
                  const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(label, rect);
    return label;
}

QLabel* MakeMnemonicLabel(QWidget* parent, const char* name, const QString& caption, const Twips& rect,
                          const QFont& font) {
    QLabel* label = MakeLabel(parent, name, MnemonicRichText(caption), rect, font);
    label->setTextFormat(Qt::RichText);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const Twips& rect, const QFont& font) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setFont(font);
    PlaceTwips(box, rect);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const Twips& rect,
                        const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(font);
    button->setAutoDefault(false);
    PlaceTwips(button, rect);
    return button;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, const Twips& rect,
                         const QFont& font) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromUtf8(name));
    option->setFont(font);
    PlaceTwips(option, rect);
    return option;
}

QString MnemonicRichText(const QString& caption) {
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'&' && i + 1 < caption.size()) {
            const QChar next = caption[++i];
            if (next == u'&') html += QStringLiteral("&amp;");
            else html += QStringLiteral("<u>") + QString(next).toHtmlEscaped() + QStringLiteral("</u>");
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
