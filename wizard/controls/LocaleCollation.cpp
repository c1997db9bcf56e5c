#include "wizard/controls/LocaleCollation.h"

#include <QCollator>
#include <QListWidget>

namespace wizard
{

namespace
{

NameOrder& nameOrder()
{
    static NameOrder order = [](const QString& a, const QString& b) {
        static const QCollator collator = [] {
            QCollator c;
            c.setCaseSensitivity(Qt::CaseInsensitive);
            return c;
        }();
        return collator.compare(a, b) < 0;
    };
    return order;
}

} // namespace

void setNameOrder(NameOrder order)
{
    nameOrder() = std::move(order);
}

bool namesBefore(const QString& a, const QString& b)
{
    return nameOrder()(a, b);
}

void insertSorted(QListWidget* list, QListWidgetItem* item)
{
    int low = 0;
    int high = list->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (namesBefore(item->text(), list->item(mid)->text()))
            high = mid;
        else
            low = mid + 1;
    }
    list->insertItem(low, item);
}

} // namespace wizard
