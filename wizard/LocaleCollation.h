#pragma once

#include <QString>

class QListWidget;
class QListWidgetItem;

// The order of sorted lists (the file list, the titles list): the user's locale
// collation without regard to letter case, so "apple" < "Banana" < "cherry".
bool collatesBefore(const QString& a, const QString& b);

// Inserts the item at its sorted place: after every entry that does not
// collate after it, so entries that compare equal keep the order they came in.
void insertSorted(QListWidget* list, QListWidgetItem* item);

// Puts the present entries into sorted order (stable); selection follows the
// item, the current row number is kept by the caller if it wants that.
void sortEntries(QListWidget* list);
