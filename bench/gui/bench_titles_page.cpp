// How long entering the titles page takes with 500 selected roms and 5,000
// stored titles: the settings file is read once per rom.

#include "Platform.h"
#include "Startup.h"
#include "UnitRomweaver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir programDir;
    QTemporaryDir romDir;
    const QString programDirectory =
        platform::nativeDirectory(programDir.path()) + platform::pathSeparator();

    QFile baseRom(programDirectory + QStringLiteral("Tessel.GBA"));
    baseRom.open(QIODevice::WriteOnly);
    baseRom.write(QByteArray(256 * 1024, 'b'));
    baseRom.close();

    QByteArray ini = "[Settings]\r\nNESRomsDir=" + romDir.path().toLocal8Bit() + "\r\n[Titles]\r\n";
    for (int i = 0; i < 5000; ++i)
        ini += "stored" + QByteArray::number(i) + ".nes=Stored title " + QByteArray::number(i) + "\r\n";
    for (int i = 0; i < 500; i += 2) // half of the selected roms have a stored title
        ini += "rom" + QByteArray::number(i) + ".nes=Title of rom " + QByteArray::number(i) + "\r\n";
    QFile iniFile(programDirectory + QStringLiteral("Romweaver.ini"));
    iniFile.open(QIODevice::WriteOnly);
    iniFile.write(ini);
    iniFile.close();

    for (int i = 0; i < 500; ++i) {
        QFile rom(QDir(romDir.path()).filePath(QStringLiteral("rom%1.nes").arg(i)));
        rom.open(QIODevice::WriteOnly);
        rom.write(QByteArray(16, 'r'));
    }

    QDir::setCurrent(romDir.path());
    CreateForms(programDirectory);
    frmRomweaver->show();
    auto* files = frmRomweaver->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
    files->selectAll();
    frmRomweaver->findChild<QPushButton*>(QStringLiteral("btnSelectRoms"))->click();
    auto* next = frmRomweaver->findChild<QPushButton*>(QStringLiteral("btnNext"));
    auto* previous = frmRomweaver->findChild<QPushButton*>(QStringLiteral("btnPrevious"));
    auto* titles = frmRomweaver->findChild<QListWidget*>(QStringLiteral("lstRomTitles"));
    auto* preview = frmRomweaver->findChild<QListWidget*>(QStringLiteral("lstPreview"));

    QList<double> runs;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        next->click();
        runs << timer.nsecsElapsed() / 1e6;
        if (titles->count() != 500 || preview->count() != 500)
            qFatal("page 2 did not fill both lists");
        previous->click();
    }
    std::sort(runs.begin(), runs.end());
    std::printf("titles page entry, 500 roms, 5000 stored titles: median %.1f ms (min %.1f, max %.1f)\n",
                runs[runs.size() / 2], runs.first(), runs.last());
    DestroyForms();
    return 0;
}
