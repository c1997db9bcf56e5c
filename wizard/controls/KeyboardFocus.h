#pragma once

class QWidget;

// Puts the keyboard focus on a control as Tab does: an edit field's text is
// selected, so typing replaces it.
void FocusEntryControl(QWidget* control);
