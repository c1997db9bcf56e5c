// Page 1 with 2,000 zipped roms selected: adding one more rom (a double-click
// on the file list) and one Delete in the selected roms, each showing the size
// estimate and the cartridge picture again, against the same steps with
// 2,000 plain roms selected. The first selection of the 2,000 archives, which
// has to read every one of them, is reported on its own.
//
//   bench_archive_estimate [runs]

#include "../CompressibleRom.h"
#include "GuiBench.h"

#include "platform/Paths.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"
#include "wizard/controls/FileListBox.h"

#include <QListWidget>

namespace
{

constexpr int RomCount = 2000;

} // namespace

int main(int argc, char** argv)
{
    bench::choosePlatform();
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    bench::printPlatform(false);

    // 2,000 roms of 128 KiB, each as a plain file and in a zip archive, and
    // one more of each: the rom added and deleted again.
    QTemporaryDir romDir;
    const QString romsDirectory = platform::nativeDirectory(romDir.path());
    for (int i = 0; i <= RomCount; ++i) {
        const QString name = QStringLiteral("rom%1").arg(i, 4, 10, QLatin1Char('0'));
        const QByteArray rom = makeCompressibleRom(8, i);
        bench::writeFile(platform::joinPath(romsDirectory, name + QStringLiteral(".nes")), rom);
        testarchives::makeArchive(platform::joinPath(romsDirectory, name + QStringLiteral(".zip")),
                                  testarchives::Format::ZipDeflate,
                                  {testarchives::file(name + QStringLiteral(".nes"), rom)});
    }
    const QString extra = QStringLiteral("rom%1").arg(RomCount);

    bench::Wizard wizard;
    TfrmRomweaver* window = wizard.start(romsDirectory);
    auto* files = wizard.control<wizard::FileListBox>("FileListBox1");
    auto* selected = wizard.control<QAbstractItemView>("lstNESRoms");
    files->setMask(QStringLiteral("*.nes *.zip"));

    // Selects the 2,000 roms of one kind with ">>", the way a user does; the
    // time of ">>" alone.
    const auto selectAll = [&](const QString& suffix) {
        window->btnClearClick();
        QItemSelection selection;
        for (int row = 0; row < files->count(); ++row) {
            const QString name = files->item(row)->text();
            if (name.endsWith(suffix) && !name.startsWith(extra)) {
                const QModelIndex index = files->model()->index(row, 0);
                selection.select(index, index);
            }
        }
        files->clearSelection();
        files->selectionModel()->select(selection, QItemSelectionModel::Select);
        const double ms = bench::timeMs([&] { window->btnSelectRomsClick(); });
        if (selected->model()->rowCount() != RomCount)
            qFatal("%d roms selected", selected->model()->rowCount());
        return ms;
    };
    const auto addOne = [&](const QString& suffix) {
        const QList<QListWidgetItem*> shown = files->findItems(extra + suffix, Qt::MatchExactly);
        if (shown.size() != 1)
            qFatal("%s is not in the file list", qPrintable(extra + suffix));
        files->setCurrentItem(shown.first());
        return bench::timeMs([&] { window->FileListBox1DblClick(); });
    };
    const auto deleteLast = [&] {
        selected->setCurrentIndex(selected->model()->index(selected->model()->rowCount() - 1, 0));
        const double ms = bench::timeMs([&] { window->lstNESRomsDblClick(); });
        if (selected->model()->rowCount() != RomCount)
            qFatal("%d roms left", selected->model()->rowCount());
        return ms;
    };

    std::printf("page 1 with 2,000 roms of 128 KiB selected, median of %d paired runs\n", runs);
    const double firstArchives = selectAll(QStringLiteral(".zip"));
    const double firstPlain = selectAll(QStringLiteral(".nes"));
    bench::printRow(QStringLiteral("first selection of 2,000 zipped roms, \">>\""),
                    {firstArchives, firstPlain}, QStringLiteral("the same, 2,000 plain roms"), 0.0);

    QList<double> addArchive, addPlain, deleteArchive, deletePlain;
    for (int run = -1; run < runs; ++run) {
        selectAll(QStringLiteral(".zip"));
        const double a = addOne(QStringLiteral(".zip"));
        const double d = deleteLast();
        selectAll(QStringLiteral(".nes"));
        const double pa = addOne(QStringLiteral(".nes"));
        const double pd = deleteLast();
        if (run < 0)
            continue;
        addArchive << a;
        deleteArchive << d;
        addPlain << pa;
        deletePlain << pd;
    }
    bool met = bench::printRow(QStringLiteral("2,000 zipped roms selected: add one more"),
                               {bench::median(addArchive), bench::median(addPlain)},
                               QStringLiteral("the same, 2,000 plain roms"), 2.0);
    met &= bench::printRow(QStringLiteral("2,000 zipped roms selected: one Delete"),
                           {bench::median(deleteArchive), bench::median(deletePlain)},
                           QStringLiteral("the same, 2,000 plain roms"), 2.0);
    return met ? 0 : 1;
}
