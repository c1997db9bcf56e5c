#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace builder
{

// How the menu orders and numbers its titles, the same for the wizard's titles
// page and the command line: sorted by the user's locale collation without
// regard to letter case ("apple" < "Banana" < "cherry"), numbered with numbers
// as wide as the count (9 titles: "1. " to "9. ", 12 titles: "01. " to "12. ").

bool collatesBefore(const QString& a, const QString& b);

// Where a title goes among count sorted titles (textAt(i) gives the i-th):
// after every title that does not collate after it, so titles that compare
// equal keep the order in which they came.
template <typename TextAt>
qsizetype sortedPlace(qsizetype count, const TextAt& textAt, const QString& title)
{
    qsizetype low = 0;
    qsizetype high = count;
    while (low < high) {
        const qsizetype mid = (low + high) / 2;
        if (collatesBefore(title, textAt(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// The positions of the titles in sorted order; equal titles keep their order.
QList<qsizetype> sortedOrder(const QStringList& titles);

// The menu lines for the titles in their present order: each title unchanged,
// or with numbering its position (from 1), zero-filled to the number of digits
// of the count, then ". " and the title.
QStringList menuLinesForTitles(const QStringList& titles, bool numbered);
// The same for the title at one position of count.
QString menuLineForTitle(const QString& title, qsizetype position, qsizetype count, bool numbered);

} // namespace builder
