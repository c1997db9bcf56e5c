// ">>" on page 1 over a large file list, with every file selected and with
// every other file selected, against the reference of the least the move
// must do: fill a list view of the same size with the names (a string list
// model, set whole), clear the file list, open, size and close each file
// once. The files are iNES roms of no banks (16 bytes).
//
//   bench_rom_selection [runs]

#include "GuiBench.h"

#include "builder/FileMeasure.h"
#include "wizard/controls/FileListBox.h"

#include <QItemSelection>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

struct Scenario {
    QString name;
    int fileCount;
    int step; // every step-th file is selected
};

bench::Paired measure(const Scenario& scenario, int runs)
{
    QTemporaryDir romDir;
    const QString romsDirectory = platform::nativeDirectory(romDir.path());
    for (int i = 0; i < scenario.fileCount; ++i)
        bench::writeFile(
            platform::joinPath(romsDirectory,
                               QStringLiteral("rom%1.nes").arg(i, 6, 10, QLatin1Char('0'))),
            QByteArray("NES\x1a", 4) + QByteArray(12, '\0'));

    bench::Wizard wizard;
    TfrmRomweaver* window = wizard.start(romsDirectory);
    auto* files = wizard.control<FileListBox>("FileListBox1");
    auto* roms = wizard.control<QAbstractItemView>("lstNESRoms");
    // The reference's list: a view as large as the selection's, on a shown window.
    QWidget referenceWindow;
    QListView referenceList(&referenceWindow);
    QStringListModel referenceModel;
    referenceList.setModel(&referenceModel);
    referenceList.setUniformItemSizes(true);
    referenceList.setGeometry(roms->geometry());
    referenceWindow.resize(window->size());
    referenceWindow.show();
    auto* add = wizard.control<QPushButton>("btnSelectRoms");
    QStringList allNames;
    for (int row = 0; row < files->count(); ++row)
        allNames << files->item(row)->text();
    QStringList selectedNames;
    for (int row = 0; row < files->count(); row += scenario.step)
        selectedNames << allNames.at(row);
    // Indexes of the entries as they are after each refill.
    auto selectEveryStep = [&] {
        QItemSelection selection;
        for (int row = 0; row < files->count(); row += scenario.step) {
            const QModelIndex index = files->model()->index(row, 0);
            selection.select(index, index);
        }
        files->selectionModel()->select(selection, QItemSelectionModel::Select);
    };

    return bench::pairedRuns(
        runs,
        [&] {
            window->btnClearClick(); // the compilation's selection too, not the list alone
            referenceModel.setStringList({});
            files->clear();
            files->addItems(allNames);
            if (scenario.step == 1)
                files->selectAll();
            else
                selectEveryStep();
            QApplication::processEvents();
        },
        [&] {
            const double ms = bench::timeMs([&] { add->click(); });
            if (roms->model()->rowCount() != selectedNames.size())
                qFatal("\">>\" moved %d files, not %d", roms->model()->rowCount(),
                       int(selectedNames.size()));
            return ms;
        },
        [&] {
            return bench::timeMs([&] {
                referenceModel.setStringList(selectedNames);
                files->clear();
                qint64 total = 0;
                for (const QString& name : selectedNames)
                    total += measureFile(platform::joinPath(romsDirectory, name));
                if (total != 16 * qint64(selectedNames.size()))
                    qFatal("sizes differ");
            });
        });
}

} // namespace

int main(int argc, char** argv)
{
    bench::choosePlatform();
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    bench::printPlatform(false);
    std::printf("\">>\" on page 1, median of %d paired runs\n", runs);

    const QString reference = QStringLiteral("fill, clear, open/size/close each");
    bool allMet = true;
    for (const auto& [single, doubled] :
         {std::pair{Scenario{QStringLiteral("select all of 4,000 files"), 4000, 1},
                    Scenario{QStringLiteral("select all of 8,000 files"), 8000, 1}},
          std::pair{Scenario{QStringLiteral("every other file of 2,000 selected"), 2000, 2},
                    Scenario{QStringLiteral("every other file of 4,000 selected"), 4000, 2}}}) {
        const bench::Paired first = measure(single, runs);
        allMet &= bench::printRow(single.name + QStringLiteral(", \">>\""), first, reference, 2.0);
        const bench::Paired second = measure(doubled, runs);
        bench::printRow(doubled.name + QStringLiteral(", \">>\""), second, reference, 2.0);
        allMet &= bench::printGrowth(single.name + QStringLiteral(", doubled"), first, second);
    }
    return allMet ? 0 : 1;
}
