#include "wizard/controls/IconColumnDelegate.h"

namespace wizard
{

void IconColumnDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The view's icon size stands in the option already; with the feature set,
    // the style lays the row out around an empty icon of that size.
    option->features |= QStyleOptionViewItem::HasDecoration;
}

} // namespace wizard
