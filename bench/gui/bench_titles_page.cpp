// Entering the titles page (Next from page 1) with many selected roms and a
// large Titles section, until the window has laid out and painted, against
// the reference of reading and parsing the settings file once, looking each
// rom up in a table and filling two lists of the same size.
//
//   bench_titles_page [runs]

#include "GuiBench.h"

#include "settings/IniText.h"

#include <QHash>
#include <QListWidget>
#include <QPushButton>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

bench::Paired measure(int romCount, int storedTitles, int runs, qint64& fileSize)
{
    QTemporaryDir romDir;
    const QString romsDirectory = platform::nativeDirectory(romDir.path());
    for (int i = 0; i < romCount; ++i)
        bench::writeFile(platform::joinPath(romsDirectory, QStringLiteral("rom%1.nes").arg(i)),
                         QByteArray(16, 'r'));

    bench::Wizard wizard;
    // Stored titles of other roms, then one for every second selected rom.
    QByteArray ini = "[Settings]\r\nNESRomsDir=" + romsDirectory.toLocal8Bit() + "\r\n[Titles]\r\n";
    for (int i = 0; i < storedTitles - romCount / 2; ++i)
        ini += "stored" + QByteArray::number(i) + ".nes=Stored title " + QByteArray::number(i) +
               " from elsewhere\r\n";
    for (int i = 0; i < romCount; i += 2)
        ini +=
            "rom" + QByteArray::number(i) + ".nes=Title of rom " + QByteArray::number(i) + "\r\n";
    ini += "[Options]\r\n1=Fast\r\n";
    const QString iniPath = wizard.programDirectory + QStringLiteral("Romweaver.ini");
    bench::writeFile(iniPath, ini);
    fileSize = ini.size();

    wizard.start(romsDirectory);
    auto* files = wizard.control<QListWidget>("FileListBox1");
    files->selectAll();
    wizard.control<QPushButton>("btnSelectRoms")->click();
    auto* next = wizard.control<QPushButton>("btnNext");
    auto* previous = wizard.control<QPushButton>("btnPrevious");
    const QStringList roms = frmRomweaver->compilation().menuFileNames();
    auto* titles = wizard.control<QAbstractItemView>("lstRomTitles");
    auto* preview = wizard.control<QAbstractItemView>("lstPreview");
    // The reference fills two lists of the same size in a window of its own.
    QWidget referenceWindow;
    QListWidget referenceTitles(&referenceWindow);
    QListWidget referencePreview(&referenceWindow);
    referenceTitles.setGeometry(16, 40, 209, 97);
    referencePreview.setGeometry(400, 40, 241, 137);
    referenceWindow.resize(665, 193);
    referenceWindow.show();

    const bench::Paired measured = bench::pairedRuns(
        runs,
        [&] {
            // As a user would: page 2 is shown (and laid out) before going back.
            QApplication::processEvents();
            if (frmRomweaver->CurrentStep == 2)
                previous->click();
            QApplication::processEvents();
        },
        [&] {
            const double ms = bench::timeMs([&] {
                next->click();
                QApplication::processEvents();
            });
            if (titles->model()->rowCount() != romCount ||
                preview->model()->rowCount() != romCount ||
                titles->model()->index(0, 0).data().toString() != QStringLiteral("Title of rom 0"))
                qFatal("page 2 did not fill both lists");
            return ms;
        },
        [&] {
            return bench::timeMs([&] {
                QFile file(iniPath);
                if (!file.open(QIODevice::ReadOnly))
                    qFatal("cannot read the settings file");
                const QByteArray bytes = file.readAll();
                const settings::ini::IniText text(bytes);
                QHash<QByteArray, QByteArray> stored;
                if (const auto span = text.findSection("Titles")) {
                    for (const settings::ini::Line* key : text.keys(*span))
                        stored.insert(settings::ini::foldedName(key->name),
                                      settings::ini::servedValue(key->value));
                }
                referenceTitles.clear();
                for (const QString& rom : roms) {
                    const QByteArray name = rom.toLocal8Bit();
                    referenceTitles.addItem(QString::fromLocal8Bit(
                        stored.value(settings::ini::foldedName(name), name)));
                }
                referencePreview.clear();
                for (int row = 0; row < referenceTitles.count(); ++row)
                    referencePreview.addItem(referenceTitles.item(row)->text());
                referenceTitles.setCurrentRow(0);
                QApplication::processEvents();
            });
        });
    if (frmRomweaver->CurrentStep == 2)
        previous->click();
    return measured;
}

} // namespace

int main(int argc, char** argv)
{
    bench::choosePlatform();
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    bench::printPlatform(false);
    std::printf("entering the titles page, median of %d paired runs\n", runs);

    const QString reference = QStringLiteral("read the file once, look each rom up");
    qint64 size = 0;
    const bench::Paired single = measure(5000, 5000, runs, size);
    const bool met =
        bench::printRow(QStringLiteral("5,000 roms, 5,000 titles (%1 KB file)").arg(size / 1024),
                        single, reference, 2.0);
    const bench::Paired doubled = measure(10000, 10000, runs, size);
    bench::printRow(QStringLiteral("10,000 roms, 10,000 titles (%1 KB file)").arg(size / 1024),
                    doubled, reference, 2.0);
    const bool linear =
        bench::printGrowth(QStringLiteral("titles page entry, doubled"), single, doubled);
    return met && linear ? 0 : 1;
}
