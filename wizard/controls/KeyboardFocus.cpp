#include "wizard/controls/KeyboardFocus.h"

#include <QLineEdit>

void FocusEntryControl(QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
    // Selected here too: the field only selects its text itself when its
    // window is active at the time.
    if (auto* field = qobject_cast<QLineEdit*>(control))
        field->selectAll();
}
