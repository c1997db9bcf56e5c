// Entering a directory with many subdirectories in page 1's directory list,
// until the window has painted, against the reference of a list of the same
// size filled with entries that share one icon fetched beforehand.
//
//   DISPLAY=:94 bench_directory_list [runs]

#include "GuiBench.h"

#include "wizard/controls/DirectoryListBox.h"

#include <QListWidget>
#include <QStyle>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

void makeSubdirectories(const QString& parent, int count)
{
    for (int i = 0; i < count; ++i)
        QDir(parent).mkpath(QStringLiteral("folder%1").arg(i, 4, 10, QLatin1Char('0')));
}

bench::Paired measure(bench::Wizard& wizard, QListWidget& referenceList, const QString& parent,
                      const QString& directory, int runs)
{
    auto* directories = wizard.control<DirectoryListBox>("DirectoryListBox1");
    const QIcon icon = referenceList.style()->standardIcon(QStyle::SP_DirClosedIcon);
    const int entries = int(QDir(directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() +
                            QDir::cleanPath(directory).count(QLatin1Char('/')) + 1);
    return bench::pairedRuns(
        runs,
        [&] {
            directories->setDirectory(parent);
            referenceList.clear();
            QApplication::processEvents();
        },
        [&] {
            return bench::timeMs([&] {
                directories->setDirectory(directory);
                QApplication::processEvents();
            });
        },
        [&] {
            return bench::timeMs([&] {
                for (int i = 0; i < entries; ++i)
                    referenceList.addItem(
                        new QListWidgetItem(icon, QStringLiteral("folder%1").arg(i)));
                QApplication::processEvents();
            });
        });
}

} // namespace

int main(int argc, char** argv)
{
    bench::choosePlatform();
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    bench::printPlatform(true);

    QTemporaryDir temp;
    const QDir root(temp.path());
    const QString with400 = root.filePath(QStringLiteral("four-hundred"));
    const QString with800 = root.filePath(QStringLiteral("eight-hundred"));
    makeSubdirectories(with400, 400);
    makeSubdirectories(with800, 800);

    bench::Wizard wizard;
    wizard.start(temp.path());
    // The reference list: as large as the directory list, in a window of its own.
    QWidget referenceWindow;
    QListWidget referenceList(&referenceWindow);
    referenceList.setGeometry(16, 48, 145, 97);
    referenceWindow.resize(200, 200);
    referenceWindow.show();
    QApplication::processEvents();

    std::printf("entering a directory in the directory list, median of %d paired runs\n", runs);
    const bench::Paired single = measure(wizard, referenceList, temp.path(), with400, runs);
    const bool met = bench::printRow(QStringLiteral("entering a directory with 400 subdirectories"),
                                     single, QStringLiteral("a list filled with one icon"), 2.0);
    const bench::Paired doubled = measure(wizard, referenceList, temp.path(), with800, runs);
    bench::printRow(QStringLiteral("entering a directory with 800 subdirectories"), doubled,
                    QStringLiteral("a list filled with one icon"), 2.0);
    const bool linear =
        bench::printGrowth(QStringLiteral("entering a directory, 400 -> 800"), single, doubled);
    return met && linear ? 0 : 1;
}
