#pragma once

class QWidget;

namespace wizard
{

// Makes Enter (and the keypad's Enter) press the focused push or tool button of a
// window, as Windows does in every window; Space presses it as before. Qt
// gives Enter to a button only inside a dialog, and these windows are not
// dialogs. Only a focused, enabled button takes the key, so controls with an
// Enter of their own (edit fields, lists) keep it. A held key presses once.
// Call it once the window's buttons exist (after setupUi).
void pressFocusedButtonOnEnter(QWidget* window);

} // namespace wizard
