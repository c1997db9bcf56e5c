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

QStringList menuLinesForTitles(const QStringList& titles, bool numbered)
{
    if (!numbered)
        return titles;
    const qsizetype count = titles.size();
    const int width = int(QString::number(count).size());
    QStringList lines;
    lines.reserve(count);
    for (qsizetype n = 1; n <= count; ++n)
        lines << QStringLiteral("%1. ").arg(n, width, 10, QLatin1Char('0')) + titles.at(n - 1);
    return lines;
}

} // namespace builder
