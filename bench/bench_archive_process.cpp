// A GBA image from 128 zipped roms of 256 KiB (deflate), written by a whole
// process, romweaver-build, against the same decompressor run as programs:
// `bsdtar -xOf` of each archive, concatenated after the base rom and the menu
// script with `cat`. Paired runs with a warm page cache; elapsed time and CPU
// time (user + system) of the whole processes.
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
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace
{

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const QString bsdtar = QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sh"));
    if (bsdtar.isEmpty())
        qFatal("no bsdtar found (Debian: libarchive-tools)");

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
    // sh -c SCRIPT sh BASE MENU ARCHIVE...
    QList<QByteArray> theirs{QFile::encodeName(shell),
                             "-c",
                             "cat \"$1\" \"$2\" && shift 2 && for a; do \"$0\" -xOf \"$a\" || "
                             "exit 1; done",
                             QFile::encodeName(bsdtar),
                             QFile::encodeName(programDirectory + QStringLiteral("Tessel.GBA")),
                             QFile::encodeName(programDirectory + QStringLiteral("menu.out"))};
    for (int i = 0; i < 128; ++i) {
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
        const ProcessUsage b = runProcess(theirs, theirImage);
        if (run < 0)
            continue;
        ourTimes << a.elapsedMs;
        ourCpu << a.cpuMs;
        theirTimes << b.elapsedMs;
        theirCpu << b.cpuMs;
    }
    if (readAll(QFile::decodeName(ourImage)) != readAll(QFile::decodeName(theirImage)))
        qFatal("the images differ");
    std::printf("GBA image from 128 zipped roms of 256 KiB, whole processes, median of %d paired "
                "runs, warm cache\n",
                runs);
    const QString reference = QStringLiteral("bsdtar -xOf each + cat");
    const bool met =
        bench::printRow(QStringLiteral("128 zipped roms, romweaver-build, time"),
                        {bench::median(ourTimes), bench::median(theirTimes)}, reference, 1.1);
    bench::printRow(QStringLiteral("128 zipped roms, romweaver-build, CPU"),
                    {bench::median(ourCpu), bench::median(theirCpu)}, reference, 0.0);
    return met ? 0 : 1;
}
