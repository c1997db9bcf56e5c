#include "wizard/controls/LocaleCollation.h"

#include <QListWidget>

namespace wizard
{

void insertSorted(QListWidget* list, QListWidgetItem* item)
{
    const auto textAt = [list](qsizetype row) { return list->item(int(row))->text(); };
    list->insertItem(int(builder::sortedPlace(list->count(), textAt, item->text())), item);
}

void sortEntries(QListWidget* list)
{
    QList<QListWidgetItem*> items;
    QStringList texts;
    items.reserve(list->count());
    while (list->count() > 0) {
        items.append(list->takeItem(0));
        texts.append(items.constLast()->text());
    }
    for (const qsizetype position : builder::sortedOrder(texts))
        list->addItem(items.at(position));
}

} // namespace wizard
