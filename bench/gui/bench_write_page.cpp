// "Write!" on page 4 with many roms, until the window has painted, against the
// reference of the image writer alone with a progress reporter that shows
// nothing, on the same roms.
//
//   DISPLAY=:94 bench_write_page [runs]

#include "../SilentProgress.h"
#include "GuiBench.h"

#include "builder/BuildLog.h"
#include "builder/GbaImageWriter.h"
#include "wizard/controls/DirectoryListBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

// An iNES rom of one program bank whose header declares exactly its body, so
// nothing is cut, repaired or logged; 2,000 of them still fit a cartridge, so
// no question is asked before the write.
QByteArray makeRom(int seed)
{
    QByteArray rom("NES\x1a\x01\x00", 6);
    rom.append(QByteArray(10, '\0'));
    for (int i = 0; i < 16 * 1024; ++i)
        rom.append(char((i * 7 + seed) % 251));
    return rom;
}

bench::Paired measure(int romCount, int runs)
{
    QTemporaryDir romDir;
    QTemporaryDir outputDir;
    const QString romsDirectory = platform::nativeDirectory(romDir.path());
    QStringList names;
    for (int i = 0; i < romCount; ++i) {
        names << QStringLiteral("game%1.nes").arg(i, 5, 10, QLatin1Char('0'));
        bench::writeFile(platform::joinPath(romsDirectory, names.back()), makeRom(i));
    }

    bench::Wizard wizard;
    wizard.start(romsDirectory);
    wizard.control<QListWidget>("FileListBox1")->selectAll();
    wizard.control<QPushButton>("btnSelectRoms")->click();
    auto* next = wizard.control<QPushButton>("btnNext");
    for (int page = 2; page <= 4; ++page)
        next->click();
    wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(outputDir.path());
    auto* write = wizard.control<QPushButton>("btnWrite");
    auto* status = wizard.control<QLabel>("lblStatus");
    QApplication::processEvents();

    BuildRequest request;
    request.outputPath = platform::joinPath(outputDir.path(), QStringLiteral("reference.gba"));
    request.files = platform::ProgramFiles(wizard.programDirectory);
    request.romsDirectory = romsDirectory;
    request.romFileNames = names;
    request.selectedRomCount = romCount;
    const QString logPath = wizard.programDirectory + QStringLiteral("Romweaver.log");

    return bench::pairedRuns(
        runs, [] { QApplication::processEvents(); },
        [&] {
            const double ms = bench::timeMs([&] {
                write->click();
                QApplication::processEvents();
            });
            if (status->text() != QStringLiteral("Writing succesfully completed."))
                qFatal("the write failed");
            return ms;
        },
        [&] {
            return bench::timeMs([&] {
                BuildLog log(logPath);
                bench::SilentProgress progress;
                builder::KeptError failure;
                if (!WriteGBARom(request, progress, log, failure))
                    qFatal("the reference write failed");
            });
        });
}

} // namespace

int main(int argc, char** argv)
{
    bench::choosePlatform();
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    bench::printPlatform(true);
    std::printf("\"Write!\" on page 4, roms of 16 KiB, median of %d paired runs\n", runs);

    const QString reference = QStringLiteral("the writer alone, silent progress");
    const bench::Paired single = measure(1000, runs);
    const bool met =
        bench::printRow(QStringLiteral("\"Write!\" with 1,000 roms"), single, reference, 1.5);
    const bench::Paired doubled = measure(2000, runs);
    bench::printRow(QStringLiteral("\"Write!\" with 2,000 roms"), doubled, reference, 1.5);
    const bool linear = bench::printGrowth(QStringLiteral("\"Write!\", doubled"), single, doubled);
    return met && linear ? 0 : 1;
}
