#pragma once

#include "builder/MenuTitles.h"

class QListWidget;
class QListWidgetItem;

namespace wizard
{

// The sorted lists of the windows (the file list, the titles list) in the
// menu's order: collatesBefore and sortedPlace of the image builder.

// Inserts the item at its sorted place: after every entry that does not
// collate after it, so entries that compare equal keep the order they came in.
void insertSorted(QListWidget* list, QListWidgetItem* item);

// Puts the present entries into sorted order (stable); selection follows the
// item, the current row number is kept by the caller if it wants that.
void sortEntries(QListWidget* list);

} // namespace wizard
