#pragma once
// Captions shown whole in boxes laid out for another face.

class QLabel;
class QWidget;

namespace vt {

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

// A label that draws its wrapped text cut after the last line that fits
// whole: never a line cut in two, nothing below its box.
QLabel* MakeWholeLinesLabel(QWidget* parent);

}  // namespace vt
