#include "wizard/controls/StatusLabel.h"

#include <QAccessible>

namespace wizard
{

void StatusLabel::announce()
{
    // The name changed; and the notification "appears" anew, which is what
    // screen readers speak of a notification that is not the focused control.
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced();
}

} // namespace wizard
