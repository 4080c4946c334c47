#pragma once
// Builders for form controls placed in twips (15 per pixel), named after
// the control so tests and other forms find them with findChild.

#include <QString>
#include <string>

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

// Keeps a control's caption whole inside its box. The forms keep their twip
// sizes while the substitute face may be wider or taller than the face they
// were laid out for, so whenever the control is drawn its caption is laid out
// as the control lays it out (style margins, option indicator, button bevel,
// label frame and indent, wrapping) and drawn off screen unclipped. When a
// glyph pixel would fall outside the rectangle the control clips its text
// to, or touch a label's frame or a button's bevel, the control takes the
// largest smaller size, in whole pixels, down to half its own, at which none
// does; a caption that fits keeps the size it was given. A label's text
// written later is fitted when it is drawn; a list box fits the widest of its
// entries, and an editable one so that none has to scroll. The builders above
// fit every control they make; a control made without them is fitted from
// this call on.
void FitCaption(QWidget* control);

// Caption text with the platform's mnemonic rule: "&x" underlines x,
// "&&" is one ampersand. Returned as rich text for a label.
QString MnemonicRichText(const QString& caption);

// Chains the focus order through the given widgets, in order.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace vt
