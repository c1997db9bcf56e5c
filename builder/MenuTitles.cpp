#include "builder/MenuTitles.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace builder
{

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

QList<qsizetype> sortedOrder(const QStringList& titles)
{
    QList<qsizetype> order(titles.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&titles](qsizetype a, qsizetype b) {
        return collatesBefore(titles.at(a), titles.at(b));
    });
    return order;
}

QString menuLineForTitle(const QString& title, qsizetype position, qsizetype count, bool numbered)
{
    if (!numbered)
        return title;
    const int width = int(QString::number(count).size());
    return QStringLiteral("%1. ").arg(position + 1, width, 10, QLatin1Char('0')) + title;
}

QStringList menuLinesForTitles(const QStringList& titles, bool numbered)
{
    if (!numbered)
        return titles;
    QStringList lines;
    lines.reserve(titles.size());
    for (qsizetype position = 0; position < titles.size(); ++position)
        lines << menuLineForTitle(titles.at(position), position, titles.size(), true);
    return lines;
}

} // namespace builder
