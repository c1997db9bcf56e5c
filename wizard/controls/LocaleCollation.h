#pragma once

#include <QString>

#include <functional>

class QListWidget;
class QListWidgetItem;

namespace wizard
{

// The order of the kit's sorted lists (the file list, the folder list): by
// default the user's locale collation without regard to letter case; the
// program gives its own (the order of its menu's titles) at start.
using NameOrder = std::function<bool(const QString& a, const QString& b)>;
void setNameOrder(NameOrder order);
// Whether a sorts before b.
bool namesBefore(const QString& a, const QString& b);

// Inserts the item at its sorted place: after every entry that does not
// sort after it, so entries that compare equal keep the order they came in.
void insertSorted(QListWidget* list, QListWidgetItem* item);

} // namespace wizard
