#pragma once

// Paired timing for the benchmarks: each run times the path and its reference
// one after the other, so both see the same machine load; the figures are the
// medians of the runs and their ratio is what counts on a noisy machine.

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace bench
{

inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

// Milliseconds that one call of work takes.
inline double timeMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Paired {
    double figure = 0;    // median of the path, ms
    double reference = 0; // median of the reference, ms
    double ratio() const { return reference > 0 ? figure / reference : 0; }
};

// Runs prepare (untimed), then the path, then prepare again and the reference,
// `runs` times after one warm-up round; returns the medians.
inline Paired pairedRuns(int runs, const std::function<void()>& prepare,
                         const std::function<double()>& path,
                         const std::function<double()>& reference)
{
    QList<double> paths;
    QList<double> references;
    for (int run = -1; run < runs; ++run) {
        prepare();
        const double p = path();
        prepare();
        const double r = reference();
        if (run >= 0) {
            paths << p;
            references << r;
        }
    }
    return {median(paths), median(references)};
}

inline const char* verdict(bool met)
{
    return met ? "goal met" : "GOAL NOT MET";
}

// One line of the table: the path, its reference from the same run, the ratio
// against the goal (none when goalRatio is 0).
inline bool printRow(const QString& path, const Paired& measured, const QString& reference,
                     double goalRatio)
{
    const bool met = goalRatio <= 0 || measured.ratio() <= goalRatio;
    const QString goal = goalRatio > 0 ? QStringLiteral("(goal <= %1) %2")
                                             .arg(goalRatio, 0, 'f', 1)
                                             .arg(QLatin1String(verdict(met)))
                                       : QStringLiteral("(no goal)");
    std::printf("%-58s %9.2f ms | %-40s %9.2f ms | ratio %5.2f %s\n", qPrintable(path),
                measured.figure, qPrintable(reference), measured.reference, measured.ratio(),
                qPrintable(goal));
    std::fflush(stdout);
    return met;
}

// How the path's time grows when its work doubles; linear means at most 2.3.
inline bool printGrowth(const QString& path, const Paired& single, const Paired& doubled)
{
    const double growth = single.figure > 0 ? doubled.figure / single.figure : 0;
    const double referenceGrowth = single.reference > 0 ? doubled.reference / single.reference : 0;
    const bool met = growth <= 2.3;
    std::printf("%-58s doubling the work: x%.2f (reference x%.2f; goal <= x2.3) %s\n",
                qPrintable(path), growth, referenceGrowth, verdict(met));
    std::fflush(stdout);
    return met;
}

} // namespace bench
