// Times a headless build of a GBA image against `cat` concatenating the same
// files, and measures the build's peak memory beyond the process's baseline.
//
//   bench_image_writer [runs]
//
// Prints the medians of both, their ratio, and the resident-memory figures.

#include "SilentProgress.h"
#include "builder/BuildLog.h"
#include "builder/GbaImageWriter.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace platform;
using namespace builder;

namespace
{

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// An iNES rom whose header declares exactly its body, so nothing is cut or logged.
QByteArray makeRom(int prgBanks, int chrBanks, int seed)
{
    const qint64 body = qint64(prgBanks) * 16384 + qint64(chrBanks) * 8192;
    QByteArray rom("NES\x1a", 4);
    rom.append(char(prgBanks));
    rom.append(char(chrBanks));
    rom.append(QByteArray(10, '\0'));
    rom.reserve(rom.size() + body);
    for (qint64 i = 0; i < body; ++i)
        rom.append(char((i * 7 + seed) % 251));
    return rom;
}

// Reads a "VmRSS:" or "VmHWM:" figure of /proc/self/status in KiB; -1 where
// the system has none.
qint64 statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak (VmHWM) afresh at the current resident size.
bool resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

struct Scenario {
    QString name;
    int romCount;
    int prgBanks;
    int chrBanks;
};

struct Setup {
    BuildRequest request;
    QStringList inputs; // in image order, for cat
    qint64 imageSize = 0;
};

Setup prepare(const QString& root, const Scenario& scenario)
{
    const QDir dir(root);
    dir.mkpath(QStringLiteral("program"));
    dir.mkpath(QStringLiteral("roms"));
    Setup setup;
    setup.request.files = platform::ProgramFiles(
        QDir::toNativeSeparators(dir.filePath(QStringLiteral("program"))) + QDir::separator());
    setup.request.romsDirectory = QDir::toNativeSeparators(dir.filePath(QStringLiteral("roms")));
    setup.request.outputPath = QDir::toNativeSeparators(dir.filePath(QStringLiteral("image.gba")));

    const QString base = setup.request.files.baseRom();
    const QString menu = setup.request.files.menuScript();
    writeFile(base, makeRom(16, 0, 99).mid(16)); // 256 KiB
    QByteArray menuLines;
    for (int i = 0; i < scenario.romCount; ++i)
        menuLines += QByteArray::number(i + 1) + ". Game " + QByteArray::number(i) + "\r\n";
    writeFile(menu, menuLines);
    setup.inputs << base << menu;
    setup.imageSize = QFileInfo(base).size() + menuLines.size();

    for (int i = 0; i < scenario.romCount; ++i) {
        const QString name = QStringLiteral("game%1.nes").arg(i, 4, 10, QLatin1Char('0'));
        const QString path = platform::joinPath(setup.request.romsDirectory, name);
        const QByteArray rom = makeRom(scenario.prgBanks, scenario.chrBanks, i);
        writeFile(path, rom);
        setup.request.romFileNames << name;
        setup.inputs << path;
        setup.imageSize += rom.size();
    }
    setup.request.selectedRomCount = scenario.romCount;
    return setup;
}

double timeBuild(const Setup& setup, const QString& logPath)
{
    BuildLog log(logPath, LogDateTimeFormat());
    bench::SilentProgress progress;
    QElapsedTimer timer;
    timer.start();
    builder::KeptError failure;
    if (!WriteGBARom(setup.request, progress, log, failure))
        qFatal("the build failed");
    return timer.nsecsElapsed() / 1e6;
}

double timeCat(const QString& cat, const Setup& setup, const QString& outputPath)
{
    QProcess process;
    process.setStandardOutputFile(outputPath, QIODevice::Truncate);
    QElapsedTimer timer;
    timer.start();
    process.start(cat, setup.inputs);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("cat failed");
    return timer.nsecsElapsed() / 1e6;
}

void run(const Scenario& scenario, int runs, const QString& cat)
{
    QTemporaryDir temp;
    const Setup setup = prepare(temp.path(), scenario);
    const QString logPath = temp.filePath(QStringLiteral("Romweaver.log"));
    const QString catOutput = temp.filePath(QStringLiteral("cat.gba"));

    // Warm the page cache (and the output files' blocks) before timing.
    timeBuild(setup, logPath);
    if (!cat.isEmpty())
        timeCat(cat, setup, catOutput);

    QList<double> builds;
    QList<double> cats;
    for (int i = 0; i < runs; ++i) {
        builds << timeBuild(setup, logPath);
        if (!cat.isEmpty())
            cats << timeCat(cat, setup, catOutput);
    }
    std::printf("%s: image %lld bytes (%.1f MiB), %d roms, %d runs each\n",
                qPrintable(scenario.name), setup.imageSize, setup.imageSize / 1048576.0,
                scenario.romCount, runs);
    std::printf("  WriteGBARom median %8.2f ms  (min %.2f, max %.2f)\n", median(builds),
                *std::min_element(builds.begin(), builds.end()),
                *std::max_element(builds.begin(), builds.end()));
    if (!cat.isEmpty()) {
        std::printf("  cat         median %8.2f ms  (min %.2f, max %.2f)\n", median(cats),
                    *std::min_element(cats.begin(), cats.end()),
                    *std::max_element(cats.begin(), cats.end()));
        std::printf("  ratio WriteGBARom / cat: %.2f\n", median(builds) / median(cats));
        QFile ours(setup.request.outputPath);
        QFile theirs(catOutput);
        if (ours.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly))
            std::printf("  images identical: %s\n",
                        ours.readAll() == theirs.readAll() ? "yes" : "NO");
    }
}

void measureMemory(const Scenario& scenario)
{
    QTemporaryDir temp;
    const Setup setup = prepare(temp.path(), scenario);
    const QString logPath = temp.filePath(QStringLiteral("Romweaver.log"));
    const bool reset = resetPeak();
    const qint64 baseline = reset ? statusKiB("VmRSS:") : statusKiB("VmHWM:");
    timeBuild(setup, logPath);
    const qint64 peak = statusKiB("VmHWM:");
    if (baseline < 0 || peak < 0) {
        std::printf("memory: no /proc/self/status here\n");
        return;
    }
    std::printf("memory (%s): baseline %lld KiB (%s), peak during build %lld KiB, "
                "growth %lld KiB\n",
                qPrintable(scenario.name), baseline,
                reset ? "resident after peak reset" : "peak before build", peak, peak - baseline);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QString cat = QStandardPaths::findExecutable(QStringLiteral("cat"));
    if (cat.isEmpty())
        std::printf("no cat found: timing the writer alone\n");

    const Scenario large{QStringLiteral("127 roms of 256 KiB"), 127, 16, 0};
    const Scenario many{QStringLiteral("1000 roms of 24 KiB"), 1000, 1, 1};
    // Memory first, while the process has touched little else.
    measureMemory(large);
    run(large, runs, cat);
    run(many, runs, cat);
    return 0;
}
