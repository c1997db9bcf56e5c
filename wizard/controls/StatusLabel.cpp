#include "wizard/controls/StatusLabel.h"

#include <QAccessible>

namespace wizard
{

void StatusLabel::announce()
{
    // The label tells of its new name itself (setText); a screen reader
    // speaks a notification that is not the focused control when it shows,
    // so it "shows" again. (Orca: object:state-changed:showing.)
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced();
}

} // namespace wizard
