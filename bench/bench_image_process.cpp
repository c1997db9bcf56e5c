// A 32 MiB GBA image (256 KiB base rom + 127 roms of 256 KiB) written by a
// whole process, romweaver-build, against `cat` concatenating the same files
// in the same run: elapsed time and CPU time (user + system), with the page
// cache warm and with it dropped before every run.
//
//   bench_image_process [runs]
//
// A cold cache needs root (it writes /proc/sys/vm/drop_caches); elsewhere the
// inputs' pages are dropped with posix_fadvise, which the report says.

#include "BenchReport.h"
#include "ProcessRun.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

using namespace platform;

namespace
{

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray makeRom(int prgBanks, int seed)
{
    QByteArray rom("NES\x1a", 4);
    rom.append(char(prgBanks));
    rom.append(QByteArray(11, '\0'));
    for (qint64 i = 0; i < qint64(prgBanks) * 16384; ++i)
        rom.append(char((i * 7 + seed) % 251));
    return rom;
}

// Empties the page cache; false when this process may not.
bool dropCaches()
{
    sync();
    QFile control(QStringLiteral("/proc/sys/vm/drop_caches"));
    return control.open(QIODevice::WriteOnly) && control.write("3\n") == 2 && control.flush();
}

void adviseDontNeed(const QStringList& paths)
{
    for (const QString& path : paths) {
        const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            continue;
        fdatasync(fd);
        posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        close(fd);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const QString cat = QStandardPaths::findExecutable(QStringLiteral("cat"));
    if (cat.isEmpty())
        qFatal("no cat found");

    // The temporary directory must lie on a disk (not a memory file system)
    // for a cold cache to mean reading from it.
    QTemporaryDir temp;
    const QDir root(temp.path());
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("roms"));
    const QString programDirectory = root.filePath(QStringLiteral("program")) + QLatin1Char('/');
    const QString romsDirectory = root.filePath(QStringLiteral("roms"));
    QStringList inputs{programDirectory + QStringLiteral("Tessel.GBA"),
                       programDirectory + QStringLiteral("menu.out")};
    writeFile(inputs[0], makeRom(16, 99).mid(16));
    // The command takes Tessel.GBA and writes menu.out beside itself.
    const QString command = programDirectory + QStringLiteral("romweaver-build");
    if (!QFile::copy(QStringLiteral(ROMWEAVER_BUILD_EXECUTABLE), command))
        qFatal("cannot copy %s", ROMWEAVER_BUILD_EXECUTABLE);
    QList<QByteArray> ours{QFile::encodeName(command), "-o",
                           QFile::encodeName(root.filePath(QStringLiteral("ours.gba")))};
    for (int i = 0; i < 127; ++i) {
        const QString name = QStringLiteral("game%1.nes").arg(i, 3, 10, QLatin1Char('0'));
        inputs << platform::joinPath(romsDirectory, name);
        writeFile(inputs.back(), makeRom(16, i));
        ours << QFile::encodeName(inputs.back());
    }
    // romweaver-build writes menu.out from the roms' titles; a first run makes
    // the one cat reads.
    runProcess(ours);
    QList<QByteArray> theirs{QFile::encodeName(cat)};
    for (const QString& input : inputs)
        theirs << QFile::encodeName(input);
    const QByteArray catOutput = QFile::encodeName(root.filePath(QStringLiteral("cat.gba")));

    const bool canDrop = dropCaches();
    std::printf("32 MiB image, whole process against cat, median of %d paired runs%s\n", runs,
                canDrop ? ""
                        : "\n  (cold cache: no permission to drop the page cache; the "
                          "inputs' pages are dropped with posix_fadvise instead)");
    bool allMet = true;
    for (const bool cold : {false, true}) {
        QList<double> ourTimes, ourCpu, catTimes, catCpu;
        auto prepare = [&] {
            if (cold && !dropCaches())
                adviseDontNeed(inputs);
        };
        for (int run = -1; run < runs; ++run) {
            prepare();
            const ProcessUsage a = runProcess(ours);
            prepare();
            const ProcessUsage b = runProcess(theirs, catOutput);
            if (run < 0)
                continue;
            ourTimes << a.elapsedMs;
            ourCpu << a.cpuMs;
            catTimes << b.elapsedMs;
            catCpu << b.cpuMs;
        }
        QFile a(root.filePath(QStringLiteral("ours.gba")));
        QFile b(QFile::decodeName(catOutput));
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) ||
            a.readAll() != b.readAll())
            qFatal("the images differ");
        const char* cache = cold ? "cold cache" : "warm cache";
        const double goal = cold ? 1.1 : 1.0;
        allMet &= bench::printRow(
            QStringLiteral("32 MiB image, whole process, %1, time").arg(cache),
            {bench::median(ourTimes), bench::median(catTimes)}, QStringLiteral("cat"), goal);
        const bench::Paired cpu{bench::median(ourCpu), bench::median(catCpu)};
        // CPU has a goal with a warm cache; cold, the time is what counts.
        const bool cpuMet =
            bench::printRow(QStringLiteral("32 MiB image, whole process, %1, CPU").arg(cache), cpu,
                            QStringLiteral("cat"), cold ? 0.0 : 1.0);
        allMet &= cold || cpuMet;
    }
    return allMet ? 0 : 1;
}
