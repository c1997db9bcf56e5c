// "A look at an archive" in a process of its own, for the tests of what
// reading an archive costs: surveys the file named on its command line as
// page 1 and romweaver-build survey it, then prints what the survey said (the
// refusal, or "rom" and the rom's length) and, on a second line, the most
// memory the look took, in KiB: the larger of how much this process's peak
// grew and the archive reader's process's peak (peak resident size on Linux,
// peak committed memory on Windows, where a reserved dictionary is committed
// memory), and on a third line how long the look took, in milliseconds.
#include "builder/ArchiveReaderProcess.h"
#include "builder/ImageSurvey.h"

#include <QElapsedTimer>

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h> // after windows.h, whose types it uses
#else
#include <sys/resource.h>
#endif

namespace
{

qint64 peakKiB()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return qint64(counters.PeakPagefileUsage / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: survey_archive <path>\n", stderr);
        return 2;
    }
    const qint64 before = peakKiB();
    QElapsedTimer clock;
    clock.start();
    const builder::RomSurvey survey = builder::surveyRom(arguments.at(1));
    const qint64 elapsed = clock.elapsed();
    const qint64 grown =
        qMax(peakKiB() - before, builder::ArchiveReaderProcess::ofThisThread().peakMemory() / 1024);
    const QString said =
        survey.readable ? QStringLiteral("rom %1").arg(survey.appendedLength) : survey.problem;
    std::printf("%s\n%lld\n%lld\n", qPrintable(said), static_cast<long long>(grown),
                static_cast<long long>(elapsed));
    return 0;
}
