// Page 1's size estimate (SelectedRomsSizeKB) over 2,000 selected roms in
// zip archives, against the same 2,000 roms as plain files: an archive's rom
// is unpacked to be measured, a plain rom's size is the file's.
//
//   bench_archive_estimate [runs]

#include "../CompressibleRom.h"
#include "GuiBench.h"

#include "platform/Paths.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"

#include <QListWidget>

namespace
{

constexpr int RomCount = 2000;

} // namespace

int main(int argc, char** argv)
{
    bench::choosePlatform();
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    bench::printPlatform(false);

    QTemporaryDir romDir;
    const QString romsDirectory = platform::nativeDirectory(romDir.path());
    QStringList plainNames;
    QStringList archiveNames;
    for (int i = 0; i < RomCount; ++i) {
        const QString name = QStringLiteral("rom%1").arg(i, 4, 10, QLatin1Char('0'));
        const QByteArray rom = makeCompressibleRom(8, i);
        bench::writeFile(platform::joinPath(romsDirectory, name + QStringLiteral(".nes")), rom);
        testarchives::makeArchive(platform::joinPath(romsDirectory, name + QStringLiteral(".zip")),
                                  testarchives::Format::ZipDeflate,
                                  {testarchives::file(name + QStringLiteral(".nes"), rom)});
        plainNames << name + QStringLiteral(".nes");
        archiveNames << name + QStringLiteral(".zip");
    }

    bench::Wizard wizard;
    TfrmRomweaver* window = wizard.start(romsDirectory);
    auto* selected = wizard.control<QListWidget>("lstNESRoms");
    // The selection is made untimed (its marks look at every file once); the
    // estimate is what is timed.
    const auto estimate = [&](const QStringList& names) {
        selected->clear();
        selected->addItems(names);
        int kb = 0;
        const double ms = bench::timeMs([&] { kb = window->SelectedRomsSizeKB(); });
        if (kb != RomCount * 128 + 31) // 2,000 x (128 KiB + 16 bytes)
            qFatal("the estimate is %d KB", kb);
        return ms;
    };
    const bench::Paired measured = bench::pairedRuns(
        runs, [] {}, [&] { return estimate(archiveNames); }, [&] { return estimate(plainNames); });
    std::printf("page 1's size estimate, median of %d paired runs\n", runs);
    bench::printRow(QStringLiteral("estimate of 2,000 zipped roms of 128 KiB"), measured,
                    QStringLiteral("the same 2,000 roms as plain files"), 0.0);
    return 0;
}
