#include "LocaleCollation.h"

#include <QCollator>
#include <QListWidget>

#include <algorithm>

namespace
{

const QCollator& titleCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

bool collatesBefore(const QString& a, const QString& b)
{
    return titleCollator().compare(a, b) < 0;
}

void insertSorted(QListWidget* list, QListWidgetItem* item)
{
    int low = 0;
    int high = list->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (collatesBefore(item->text(), list->item(mid)->text()))
            high = mid;
        else
            low = mid + 1;
    }
    list->insertItem(low, item);
}

void sortEntries(QListWidget* list)
{
    QList<QListWidgetItem*> items;
    items.reserve(list->count());
    while (list->count() > 0)
        items.append(list->takeItem(0));
    std::stable_sort(items.begin(), items.end(), [](QListWidgetItem* a, QListWidgetItem* b) {
        return collatesBefore(a->text(), b->text());
    });
    for (QListWidgetItem* item : items)
        list->addItem(item);
}
