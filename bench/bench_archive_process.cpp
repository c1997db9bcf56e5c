// A GBA image from 100 zipped roms of 256 KiB (deflate), written by a whole
// process, romweaver-build, against one process that unpacks the same
// archives with the same zlib and writes the image: bench/unzip_roms.py
// (Python's zipfile, which checks each member's CRC as libarchive does).
// Paired runs with a warm page cache; elapsed time and CPU time (user +
// system) of the whole processes.
//
//   bench_archive_process [runs]

#include "BenchReport.h"
#include "CompressibleRom.h"
#include "ProcessRun.h"

#include "platform/Paths.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace
{

constexpr int RomCount = 100;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The interpreter itself: python3 on the PATH may be a wrapper script
// (pyenv's shims) whose own start-up would be timed with the reference, or a
// build of its own that starts slower than the system's: Debian's first.
QString pythonInterpreter()
{
    if (QFileInfo(QStringLiteral("/usr/bin/python3")).isExecutable())
        return QStringLiteral("/usr/bin/python3");
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QStringLiteral("import sys; print(sys.executable)")});
    if (!python.waitForFinished() || python.exitCode() != 0)
        qFatal("no python3 found");
    return QString::fromLocal8Bit(python.readAllStandardOutput()).trimmed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const QString python = pythonInterpreter();

    QTemporaryDir temp;
    const QDir root(temp.path());
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("roms"));
    const QString programDirectory = root.filePath(QStringLiteral("program")) + QLatin1Char('/');
    const QString romsDirectory = root.filePath(QStringLiteral("roms"));
    testfiles::makeFile(programDirectory, QStringLiteral("Tessel.GBA"),
                        makeCompressibleRom(16, 999).mid(16));
    const QString command = programDirectory + QStringLiteral("romweaver-build");
    if (!QFile::copy(QStringLiteral(ROMWEAVER_BUILD_EXECUTABLE), command))
        qFatal("cannot copy %s", ROMWEAVER_BUILD_EXECUTABLE);
    const QByteArray ourImage = QFile::encodeName(root.filePath(QStringLiteral("ours.gba")));
    const QByteArray theirImage = QFile::encodeName(root.filePath(QStringLiteral("theirs.gba")));
    QList<QByteArray> ours{QFile::encodeName(command), "-o", ourImage};
    // unzip_roms.py IMAGE BASE MENU ARCHIVE...
    QList<QByteArray> theirs{QFile::encodeName(python), QByteArray(UNZIP_ROMS_SCRIPT), theirImage,
                             QFile::encodeName(programDirectory + QStringLiteral("Tessel.GBA")),
                             QFile::encodeName(programDirectory + QStringLiteral("menu.out"))};
    for (int i = 0; i < RomCount; ++i) {
        const QString name = QStringLiteral("Game %1 (World)").arg(i, 3, 10, QLatin1Char('0'));
        const QString path = testarchives::makeArchive(
            platform::joinPath(romsDirectory, name + QStringLiteral(".zip")),
            testarchives::Format::ZipDeflate,
            {testarchives::file(name + QStringLiteral(".nes"), makeCompressibleRom(16, i))});
        ours << QFile::encodeName(path);
        theirs << QFile::encodeName(path);
    }
    runProcess(ours); // writes the menu script the reference reads

    QList<double> ourTimes, ourCpu, theirTimes, theirCpu;
    for (int run = -1; run < runs; ++run) {
        const ProcessUsage a = runProcess(ours);
        const ProcessUsage b = runProcess(theirs);
        if (run < 0)
            continue;
        ourTimes << a.elapsedMs;
        ourCpu << a.cpuMs;
        theirTimes << b.elapsedMs;
        theirCpu << b.cpuMs;
    }
    if (readAll(QFile::decodeName(ourImage)) != readAll(QFile::decodeName(theirImage)))
        qFatal("the images differ");
    std::printf("GBA image from %d zipped roms of 256 KiB, whole processes, median of %d paired "
                "runs, warm cache\n",
                RomCount, runs);
    const QString reference = QStringLiteral("one Python process, zipfile");
    const bool met =
        bench::printRow(QStringLiteral("%1 zipped roms, romweaver-build, time").arg(RomCount),
                        {bench::median(ourTimes), bench::median(theirTimes)}, reference, 0.7);
    bench::printRow(QStringLiteral("%1 zipped roms, romweaver-build, CPU").arg(RomCount),
                    {bench::median(ourCpu), bench::median(theirCpu)}, reference, 0.0);
    return met ? 0 : 1;
}
