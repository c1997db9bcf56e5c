#pragma once

class QWidget;

namespace wizard
{

// Puts the keyboard focus on a control as Tab does: an edit field's text is
// selected, so typing replaces it.
void focusEntryControl(QWidget* control);

} // namespace wizard
