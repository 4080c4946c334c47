#pragma once
// Builders for form controls placed in twips (15 per pixel), named after
// the control so tests and other forms find them with findChild.

#include <QString>
#include <string>

#include "platform/CaptionFit.h"
#include "platform/Units.h"

class QWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QGroupBox;
class QFont;

namespace vt {

struct Twips {
    int left, top, width, height;
};

// Moves and sizes a widget from twips.
void PlaceTwips(QWidget* widget, const Twips& rect);
// Sizes a form's client area from twips.
void SizeFormTwips(QWidget* form, int width, int height);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font);
QLineEdit* MakeTextBox(QWidget* parent, const char* name, const Twips& rect, const QFont& font);
QPushButton* MakeButton(
    QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font);
QRadioButton* MakeOption(
    QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font);

// A label whose caption follows the mnemonic rule below.
QLabel* MakeMnemonicLabel(
    QWidget* parent, const char* name, const QString& caption, const Twips& rect, const QFont& font);

// A label for a long text that wraps at its blanks, such as a comment. It
// keeps its size and shows as many whole lines, from the first, as its box
// holds: never a line cut in two, nothing below its box.
QLabel* MakeCommentLabel(QWidget* parent, const char* name, const Twips& rect, const QFont& font);

// Caption text with the platform's mnemonic rule: "&x" underlines x,
// "&&" is one ampersand. Returned as rich text for a label.
QString MnemonicRichText(const QString& caption);

// Chains the focus order through the given widgets, in order.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace vt
