#include "wizard/controls/KeyboardFocus.h"

#include <QLineEdit>

namespace wizard
{

void focusEntryControl(QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
    // Selected here too: the field only selects its text itself when its
    // window is active at the time.
    if (auto* field = qobject_cast<QLineEdit*>(control))
        field->selectAll();
}

} // namespace wizard
