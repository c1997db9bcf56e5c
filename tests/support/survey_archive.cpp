// "A look at an archive" in a process of its own, for the tests of what
// reading an archive costs: surveys the file named on its command line as
// page 1 and romweaver-build survey it, then prints what the survey said (the
// refusal, or "rom" and the rom's length) and, on a second line, how much the
// process's peak memory grew meanwhile, in KiB: its peak resident size on
// Linux, its peak committed memory on Windows (where a reserved dictionary
// is committed memory).
#include "builder/ImageSurvey.h"

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
    const builder::RomSurvey survey = builder::surveyRom(arguments.at(1));
    const qint64 grown = peakKiB() - before;
    const QString said =
        survey.readable ? QStringLiteral("rom %1").arg(survey.appendedLength) : survey.problem;
    std::printf("%s\n%lld\n", qPrintable(said), static_cast<long long>(grown));
    return 0;
}
