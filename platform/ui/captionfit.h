#pragma once
#include <initializer_list>

class QLabel;
class QPushButton;

namespace ov {

// The forms were drawn for the English captions; a translation may need
// more room. These grow a control to its text and keep the form's lines.

// The width a push button needs for its caption (without the style's
// minimum width for any captioned button).
int CaptionWidth(const QPushButton* button);

// A row of buttons that ends at the right: each grows to its caption, the
// last one keeps its right edge, and a button moves left only as far as its
// right neighbour's growth needs.
void FitButtonRow(std::initializer_list<QPushButton*> row);

// A label grows downwards until its text fits (a word-wrapped one at its
// width): a font with more leading than the one the form was drawn for
// needs more height too.
void FitLabelHeight(QLabel* label);

} // namespace ov
