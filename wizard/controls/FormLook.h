#pragma once

class QFont;
class QGroupBox;
class QWidget;

namespace wizard
{

// The forms are laid out in pixels for an 8-point sans-serif face with the
// narrow metrics of the classic Windows dialog font. This is that face on each
// desktop: the dialog font on Windows, a metric-compatible one elsewhere.
QFont formFont();

// Applies the form font to a window whose controls are already made, with the
// captions of its group boxes in bold; labels and check boxes grow to show
// their whole caption, as auto-sized captions do. Group boxes and buttons are
// drawn in the form style (FormStyle.h).
void applyFormLook(QWidget* window);

// Shows a group box's caption in bold while its controls keep the ordinary
// face (a widget's font otherwise passes on to every child).
void boldCaptionOnly(QGroupBox* group);

} // namespace wizard
