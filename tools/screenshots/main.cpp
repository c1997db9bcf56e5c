// Makes the pictures of docs/ from the real program: the windows are created as
// at start-up over a program folder and a rom folder of its own, walked through
// the pages by their controls, and each is grabbed as the screen would show it.
//   screenshots <output folder> [<language> <width>x<height>]
// With a language, the windows speak it and the main window is shown at the
// given size (a translation's longer texts in a window grown larger).
// Run by scripts/screenshots.sh, on Qt's offscreen platform.

#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsFile.h"
#include "translations/Translators.h"
#include "wizard/Startup.h"
#include "wizard/UnitAbout.h"
#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"
#include "wizard/UnitRomweaver.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/FileListBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace
{

QByteArray rom(int prgBanks, int chrBanks, qint64 bodySize)
{
    QByteArray bytes("NES\x1a", 4);
    bytes.append(char(prgBanks)).append(char(chrBanks)).append(QByteArray(10, '\0'));
    bytes.append(QByteArray(bodySize, '\x55'));
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

template <typename T = QWidget> T* control(const char* name)
{
    auto* found = frmRomweaver->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(const char* name)
{
    control<QPushButton>(name)->click();
}

void selectRoms(const QStringList& names)
{
    auto* files = control<wizard::FileListBox>("FileListBox1");
    files->clearSelection();
    for (const QString& name : names)
        files->findItems(name, Qt::MatchExactly).constFirst()->setSelected(true);
    click("btnSelectRoms");
}

// The window as the screen shows it, after everything pending has been painted.
void grab(QWidget* window, const QString& path)
{
    QApplication::processEvents();
    if (!window->grab().save(path))
        qFatal("cannot save %s", qPrintable(path));
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(arguments.value(2));
    if (arguments.size() != 1 && !(arguments.size() == 3 && size.hasMatch())) {
        std::fputs("usage: screenshots <output folder> [<language> <width>x<height>]\n", stderr);
        return 2;
    }
    // English, the source texts, unless a language is asked for.
    const translations::Translators translators(
        QLocale(arguments.size() == 3 ? arguments.at(1) : QStringLiteral("en")));
    // Absolute: the program moves the working directory, as a start in the rom folder would.
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    // A folder of the same name at every run, so the pictures do not change
    // with a random name.
    QDir temporary(QDir::temp().filePath(QStringLiteral("romweaver-pictures")));
    temporary.removeRecursively();
    const QString programDirectory = temporary.filePath(QStringLiteral("Romweaver")) + u'/';
    const QString romsDirectory = temporary.filePath(QStringLiteral("NES roms"));
    QDir().mkpath(programDirectory);
    QDir().mkpath(romsDirectory);
    const platform::ProgramFiles files(programDirectory);
    writeFile(files.baseRom(), QByteArray(196 * 1024, '\x01'));
    const QStringList games{"Blaster Quest.nes", "Cave Runner.nes", "Dragon Tale.nes",
                            "Moon Patrol 2.nes", "Puzzle Tower.nes"};
    for (const QString& name : games)
        writeFile(QDir(romsDirectory).filePath(name), rom(2, 1, 40 * 1024));
    writeFile(QDir(romsDirectory).filePath(QStringLiteral("readme.txt")), "Not a rom.");
    // Too much for one cartridge together: sparse, so they cost nothing to make.
    QStringList large;
    for (int i = 1; i <= 6; ++i) {
        large << QStringLiteral("Multicart %1.nes").arg(i);
        const QString path = QDir(romsDirectory).filePath(large.constLast());
        writeFile(path, rom(255, 255, 0));
        QFile::resize(path, 16 + 255 * 16384 + 255 * 8192);
    }
    settings::SettingsFile settings(files.settings());
    settings.WriteValue("Titles", "Dragon Tale.nes", "Dragon Tale (fan translation)");
    settings.WriteValue("Options", "1", "Fast scrolling");
    settings.WriteValue("Options", "2", "Sprite flicker fix");
    settings.WriteValue("Options", "4", "Stereo sound");

    if (size.hasMatch()) // the size it was left at in an earlier run
        settings::storeWindowSize(
            settings, {QSize(size.captured(1).toInt(), size.captured(2).toInt()), false});

    QDir::setCurrent(romsDirectory);
    wizard::createForms(files);
    frmRomweaver->show();
    QApplication::processEvents();

    // Page 1: roms picked, then a selection too large and a file that is no rom.
    selectRoms({"Blaster Quest.nes", "Cave Runner.nes", "Dragon Tale.nes", "Moon Patrol 2.nes"});
    grab(frmRomweaver, out.filePath(QStringLiteral("page1.png")));
    control<QComboBox>("FilterComboBox1")->setCurrentIndex(1); // All files (*.*)
    selectRoms(large + QStringList{"readme.txt"});
    auto* selected = control<QAbstractItemView>("lstNESRoms");
    const auto last = [selected] {
        return selected->model()->index(selected->model()->rowCount() - 1, 0);
    };
    selected->setCurrentIndex(last());
    selected->scrollToBottom();
    grab(frmRomweaver, out.filePath(QStringLiteral("page1-oversize.png")));
    for (qsizetype i = 0; i < large.size() + 1; ++i) {
        selected->setCurrentIndex(last());
        frmRomweaver->lstNESRomsDblClick();
    }

    // Page 2: titles sorted and numbered.
    click("btnNext");
    control<QCheckBox>("chkSorted")->click();
    control<QCheckBox>("chkNumbering")->click();
    grab(frmRomweaver, out.filePath(QStringLiteral("page2.png")));

    // Page 3: two options on the second menu line, and the sprite dialog.
    click("btnNext");
    auto* options = control<QAbstractItemView>("lstOptions");
    auto* lines = control<QAbstractItemView>("lstTitleAndOptions");
    lines->setCurrentIndex(lines->model()->index(1, 0));
    for (int row : {0, 2})
        options->selectionModel()->select(options->model()->index(row, 0),
                                          QItemSelectionModel::Select);
    click("btnAddToMenuItem");
    grab(frmRomweaver, out.filePath(QStringLiteral("page3.png")));
    click("btnAddSpriteNumber");
    frmAddSpriteNumber->findChild<QLineEdit*>(QStringLiteral("txtAddSpriteNumber"))
        ->setText(QStringLiteral("12"));
    grab(frmAddSpriteNumber, out.filePath(QStringLiteral("sprite-dialog.png")));
    frmAddSpriteNumber->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    click("btnNewOption");
    frmNewOption->findChild<QLineEdit*>(QStringLiteral("txtNewOption"))
        ->setText(QStringLiteral("Turbo buttons"));
    grab(frmNewOption, out.filePath(QStringLiteral("option-dialog.png")));
    frmNewOption->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();

    // Page 4 after a build.
    click("btnNext");
    const QString output = temporary.filePath(QStringLiteral("out"));
    QDir().mkpath(output);
    control<wizard::DirectoryListBox>("DirectoryListBox2")->setDirectory(output);
    control<QLineEdit>("txtGBARom")->setText(QStringLiteral("NES collection.gba"));
    click("btnWrite");
    grab(frmRomweaver, out.filePath(QStringLiteral("screenshot.png")));

    click("btnAbout");
    grab(frmAbout, out.filePath(QStringLiteral("about.png")));

    wizard::destroyForms();
    QDir::setCurrent(QDir::tempPath());
    temporary.removeRecursively();
    return 0;
}
