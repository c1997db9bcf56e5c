#pragma once

#include <QStyledItemDelegate>

namespace wizard
{

// Keeps a list's icon column on every row: an entry without an icon leaves its
// room empty, so the names line up whether or not an entry carries an icon.
class IconColumnDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace wizard
