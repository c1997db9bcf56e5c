// The write page end to end: roms chosen and titled through the pages, written
// with "Write!", and the GBA rom compared byte for byte.

#include "WizardFixture.h"

#include "platform/LockFile.h"
#include "settings/SettingsFile.h"
#include "wizard/CartridgeView.h"
#include "wizard/controls/DirectoryListBox.h"

#include <QComboBox>
#include <QPalette>
#include <QScopeGuard>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestWritePage : public QObject
{
    Q_OBJECT

private slots:
    void wholeCutAndRepairedRomsInSortedOrder();
    void romsWithSharedTitlesEachWritten();
    void missingRomTurnsStatusRed();
    void emptyFileNameIsRefused_data();
    void emptyFileNameIsRefused();
    void outputOverAnInputIsRefused_data();
    void outputOverAnInputIsRefused();
    void menuScriptFailureIsShown();
    void fileThatIsNoImageIsAskedAbout_data();
    void fileThatIsNoImageIsAskedAbout();
    void everyProblemInOneWarning();
    void refusedBeforeAnythingIsWritten_data();
    void refusedBeforeAnythingIsWritten();
    void vanishedStartDirectoryMeansHome();

private:
    // Roms in the rom directory, selected one by one; then on to step 4.
    static void selectAndGoToWritePage(WizardFixture& wizard, const QStringList& names)
    {
        for (const QString& name : names)
            wizard.selectRoms({name});
        for (int i = 0; i < 3; ++i)
            wizard.click("btnNext");
        QCOMPARE(frmRomweaver->CurrentStep, 4);
    }
    static void setDestination(WizardFixture& wizard, const QString& directory, const QString& name)
    {
        QVERIFY(wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(directory));
        wizard.control<QLineEdit>("txtGBARom")->setText(name);
    }
    static QColor statusColour(const WizardFixture& wizard)
    {
        return wizard.control<QLabel>("lblStatus")->palette().color(QPalette::WindowText);
    }
};

void TestWritePage::wholeCutAndRepairedRomsInSortedOrder()
{
    WizardFixture wizard;
    const QByteArray whole = testfiles::makeRom(1, 1, 24 * 1024, 1);
    const QByteArray longer = testfiles::makeRom(1, 0, 16 * 1024 + 100, 2);
    const QByteArray shorter = testfiles::makeRom(2, 1, 32 * 1024, 3); // declares 40 KB
    wizard.addRom(QStringLiteral("whole.nes"), whole);
    wizard.addRom(QStringLiteral("long.nes"), longer);
    wizard.addRom(QStringLiteral("short.nes"), shorter);
    QTemporaryDir out;
    wizard.start();
    for (const char* name : {"whole.nes", "long.nes", "short.nes"})
        wizard.selectRoms({QString::fromLatin1(name)});
    wizard.click("btnNext");
    auto* title = wizard.control<QLineEdit>("txtRomTitle");
    title->setText(QStringLiteral("Zelda-like"));
    wizard.click("btnChangeTitle"); // whole.nes now sorts last
    wizard.control<QCheckBox>("chkSorted")->click();
    wizard.control<QCheckBox>("chkNumbering")->click();
    wizard.click("btnNext");
    wizard.click("btnNext");
    setDestination(wizard, out.path(), QStringLiteral("Whatever.gba"));
    // The cartridge picture shows what the build will append, in menu order.
    using Fate = CartridgeLayout::Rom::Fate;
    const auto* cartridge =
        frmRomweaver->findChild<CartridgeView*>(QStringLiteral("cartridgeView"));
    QVERIFY(cartridge->isVisible());
    const CartridgeLayout layout = cartridge->cartridgeLayout();
    QCOMPARE(layout.roms.size(), 3);
    QCOMPARE(layout.roms.at(0).fate, Fate::Cut);
    QCOMPARE(layout.roms.at(1).fate, Fate::Repaired);
    QCOMPARE(layout.roms.at(2).fate, Fate::Whole);
    QCOMPARE(layout.roms.at(2).title, QStringLiteral("Zelda-like"));
    QCOMPARE(cartridge->accessibleName(),
             QStringLiteral("%1 KB of %2 KB used by 3 roms")
                 .arg(QLocale().toString(269), QLocale().toString(32768)));
    wizard.click("btnWrite");

    const QByteArray menu = "1. long.nes\r\n2. short.nes\r\n3. Zelda-like\r\n";
    QCOMPARE(testfiles::readFile(wizard.programDirectory + QStringLiteral("menu.out")), menu);
    QByteArray repaired = shorter;
    repaired[5] = 0; // 32 KB of body is exactly the two program banks
    const QByteArray expected =
        wizard.baseRom + menu + longer.left(16 + 16 * 1024) + repaired + whole;
    QCOMPARE(testfiles::readFile(QDir(out.path()).filePath(QStringLiteral("Whatever.gba"))),
             expected);
    QCOMPARE(
        testfiles::readFile(platform::joinPath(wizard.romsDirectory, QStringLiteral("short.nes"))),
        repaired);
    QCOMPARE(layout.usedLength(), expected.size()); // the picture's figure is the build's

    // The report beside the status line, and this build's log on request.
    QCOMPARE(wizard.text("lblReport"), QStringLiteral("1 whole, 1 cut, 1 repaired"));
    BoxAnswerer answerer;
    wizard.click("btnReportDetails");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes.first().caption, QStringLiteral("Information"));
    QVERIFY(answerer.boxes.first().text.contains(
        QStringLiteral("short.nes: invalid rom size in header fixed. Backup of rom in ")));
    QVERIFY(answerer.boxes.first().text.contains(
        QStringLiteral("long.nes: only the rom size specified in header copied.")));

    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
    QCOMPARE(statusColour(wizard), QColor(0, 128, 0));
    QCOMPARE(wizard.control<QProgressBar>("ProgressBar1")->value(), 100);
    QCOMPARE(wizard.text("lblProgress"), QStringLiteral("100 % done"));
}

void TestWritePage::romsWithSharedTitlesEachWritten()
{
    // Two roms stored with one title, a third titled with another rom's file
    // name: each entry still brings its own rom.
    WizardFixture wizard;
    const QByteArray x = testfiles::makeRom(1, 0, 16 * 1024, 4);
    const QByteArray y = testfiles::makeRom(1, 0, 16 * 1024, 5);
    const QByteArray z = testfiles::makeRom(1, 0, 16 * 1024, 6);
    wizard.addRom(QStringLiteral("x.nes"), x);
    wizard.addRom(QStringLiteral("y.nes"), y);
    wizard.addRom(QStringLiteral("z.nes"), z);
    SettingsFile ini(wizard.iniPath());
    ini.WriteValue("Titles", "x.nes", "Same");
    ini.WriteValue("Titles", "y.nes", "Same");
    ini.WriteValue("Titles", "z.nes", "x.nes");
    QTemporaryDir out;
    wizard.start();
    selectAndGoToWritePage(wizard, {"y.nes", "z.nes", "x.nes"});
    setDestination(wizard, out.path(), QStringLiteral("out.gba"));
    wizard.click("btnWrite");

    const QByteArray menu = "Same\r\nx.nes\r\nSame\r\n";
    QCOMPARE(testfiles::readFile(QDir(out.path()).filePath(QStringLiteral("out.gba"))),
             wizard.baseRom + menu + y + z + x);
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
}

void TestWritePage::missingRomTurnsStatusRed()
{
    // A rom gone before its turn fails the build: the status line turns red
    // and a warning says which file and why, and what became of the output.
    WizardFixture wizard;
    const QByteArray a = testfiles::makeRom(1, 0, 16 * 1024, 1);
    wizard.addRom(QStringLiteral("a.nes"), a);
    wizard.addRom(QStringLiteral("b.nes"), a);
    QTemporaryDir out;
    wizard.start();
    selectAndGoToWritePage(wizard, {"a.nes", "b.nes"});
    setDestination(wizard, out.path(), QStringLiteral("out.gba"));
    const QString b = platform::joinPath(wizard.romsDirectory, QStringLiteral("b.nes"));
    const QString output = platform::joinPath(platform::nativeDirectory(out.path()), "out.gba");
    const auto writeWithBGone = [&](const QString& outcome) {
        QVERIFY(QFile::remove(b));
        BoxAnswerer answerer;
        wizard.click("btnWrite");
        QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing the GBA rom failed."));
        QCOMPARE(statusColour(wizard), QColor(255, 0, 0));
        QCOMPARE(wizard.control<QProgressBar>("ProgressBar1")->value(), 100);
        QCOMPARE(wizard.text("lblProgress"), QStringLiteral("100 % done"));
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
        const QString& text = answerer.boxes[0].text;
        QVERIFY2(text.startsWith("The GBA rom was not written: cannot open file \"" + b + "\": "),
                 qPrintable(text));
        QVERIFY2(text.endsWith(". " + outcome), qPrintable(text));
        wizard.addRom(QStringLiteral("b.nes"), a);
    };

    writeWithBGone("Nothing was written to " + output + ".");
    QVERIFY(QDir(out.path()).isEmpty());

    // Put right, the next write turns green.
    wizard.click("btnWrite");
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
    QCOMPARE(statusColour(wizard), QColor(0, 128, 0));
    const QByteArray image = wizard.baseRom + "a.nes\r\nb.nes\r\n" + a + a;
    QCOMPARE(testfiles::readFile(output), image);

    // A failure now keeps that image whole.
    writeWithBGone(output + " is unchanged.");
    QCOMPARE(testfiles::readFile(output), image);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"out.gba"});
}

void TestWritePage::emptyFileNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
}

void TestWritePage::emptyFileNameIsRefused()
{
    QFETCH(QString, name);
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.start();
    selectAndGoToWritePage(wizard, {"a.nes"});
    QCOMPARE(wizard.control<QLineEdit>("txtGBARom")->text(), QStringLiteral("Whatever.gba"));
    wizard.control<QLineEdit>("txtGBARom")->setText(name);
    BoxAnswerer answerer;
    wizard.click("btnWrite");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("No GBA rom filename specified! Please insert a filename!"));
    QCOMPARE(wizard.text("lblStatus"),
             QStringLiteral("Press the button to write the NES roms to the GBA rom!"));
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("menu.out")));
}

void TestWritePage::outputOverAnInputIsRefused_data()
{
    QTest::addColumn<bool>("inProgramDirectory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a rom") << false << "a.nes"
                           << "is one of the files it is made from.";
    QTest::newRow("the settings file") << true << "Romweaver.ini"
                                       << "is the file Romweaver keeps its settings in.";
    QTest::newRow("the build log") << true << "Romweaver.log"
                                   << "is Romweaver's build log.";
}

void TestWritePage::outputOverAnInputIsRefused()
{
    QFETCH(bool, inProgramDirectory);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    WizardFixture wizard;
    const QByteArray rom = testfiles::makeRom(1, 0, 16 * 1024, 1);
    wizard.addRom(QStringLiteral("a.nes"), rom);
    wizard.start();
    selectAndGoToWritePage(wizard, {"a.nes"});
    const QByteArray settings = wizard.iniBytes();
    const QString directory = inProgramDirectory ? wizard.programDir.path() : wizard.romsDirectory;
    setDestination(wizard, directory, name);
    BoxAnswerer answerer;
    wizard.click("btnWrite");
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing the GBA rom failed."));
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QCOMPARE(answerer.boxes[0].text,
             "The GBA rom was not written: " +
                 platform::joinPath(platform::nativeDirectory(directory), name) + " " + reason);
    QCOMPARE(testfiles::readFile(platform::joinPath(wizard.romsDirectory, QStringLiteral("a.nes"))),
             rom);
    QCOMPARE(wizard.iniBytes(), settings);
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("Romweaver.log")));
}

void TestWritePage::menuScriptFailureIsShown()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 16 * 1024));
    QDir(wizard.programDir.path()).mkdir(QStringLiteral("menu.out")); // cannot be created
    QTemporaryDir out;
    wizard.start();
    selectAndGoToWritePage(wizard, {"a.nes"});
    setDestination(wizard, out.path(), QStringLiteral("out.gba"));
    BoxAnswerer answerer;
    wizard.click("btnWrite");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Romweaver"));
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("menu.out")));
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Preparing to write..."));
    QCOMPARE(wizard.control<QProgressBar>("ProgressBar1")->value(), 0);
    QCOMPARE(wizard.text("lblProgress"), QStringLiteral("0 % done"));
    QVERIFY(!QFile::exists(QDir(out.path()).filePath(QStringLiteral("out.gba"))));
}

void TestWritePage::fileThatIsNoImageIsAskedAbout_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes: replaced") << true;
    QTest::newRow("No: nothing written, the page as it was") << false;
}

void TestWritePage::fileThatIsNoImageIsAskedAbout()
{
    // A slip of the keyboard names the readme in the output folder.
    QFETCH(bool, yes);
    WizardFixture wizard;
    const QByteArray rom = testfiles::makeRom(1, 0, 16 * 1024, 1);
    wizard.addRom(QStringLiteral("a.nes"), rom);
    QTemporaryDir out;
    const QString readme = platform::joinPath(platform::nativeDirectory(out.path()), "readme.txt");
    testfiles::makeFile(out.path(), QStringLiteral("readme.txt"), "Read me first.\n");
    wizard.start();
    selectAndGoToWritePage(wizard, {"a.nes"});
    setDestination(wizard, out.path(), QStringLiteral("readme.txt"));
    BoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
    wizard.click("btnWrite");

    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Confirm"));
    QCOMPARE(answerer.boxes[0].text, readme + " already exists and is not a GBA rom made with "
                                              "Tessel.GBA. Replace it?");
    if (yes) {
        QCOMPARE(testfiles::readFile(readme), wizard.baseRom + "a.nes\r\n" + rom);
        QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
        return;
    }
    QCOMPARE(testfiles::readFile(readme), QByteArray("Read me first.\n"));
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("menu.out")));
    QCOMPARE(wizard.text("lblStatus"),
             QStringLiteral("Press the button to write the NES roms to the GBA rom!"));
    QCOMPARE(wizard.control<QProgressBar>("ProgressBar1")->value(), 0);
}

void TestWritePage::everyProblemInOneWarning()
{
    // Twelve roms that turned into folders after they were selected: the
    // warning names the first ten and counts the rest.
    WizardFixture wizard;
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        names << QStringLiteral("r%1.nes").arg(i, 2, 10, QLatin1Char('0'));
        wizard.addRom(names.last(), testfiles::makeRom(1, 0, 16 * 1024, i));
    }
    QTemporaryDir out;
    wizard.start();
    selectAndGoToWritePage(wizard, names);
    setDestination(wizard, out.path(), QStringLiteral("out.gba"));
    for (const QString& name : names) {
        QVERIFY(QFile::remove(platform::joinPath(wizard.romsDirectory, name)));
        QVERIFY(QDir(wizard.romsDirectory).mkdir(name));
    }
    BoxAnswerer answerer;
    wizard.click("btnWrite");

    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QStringList expected{QStringLiteral("The GBA rom was not written:")};
    for (const QString& name : names.first(10))
        expected << platform::joinPath(wizard.romsDirectory, name) +
                        " is not a regular file (a folder, a device, a pipe or a socket).";
    expected << QStringLiteral("and 2 more.");
    QCOMPARE(answerer.boxes[0].text.split(QLatin1Char('\n')), expected);
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing the GBA rom failed."));
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestWritePage::refusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("warning"); // {program}: the program directory, no separator
    QTest::addColumn<QString>("status");
    QTest::newRow("another build is writing")
        << "busy"
        << "Another build is writing in {program}; try again when it has finished."
        << "Writing the GBA rom failed.";
#ifndef Q_OS_WIN
    QTest::newRow("a rom replaced by a pipe")
        << "pipe"
        << "The GBA rom was not written: {roms}/a.nes is not a regular file (a folder, a device, a "
           "pipe or a socket)."
        << "Writing the GBA rom failed.";
#endif
}

void TestWritePage::refusedBeforeAnythingIsWritten()
{
    QFETCH(QString, setup);
    QFETCH(QString, warning);
    QFETCH(QString, status);
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 16 * 1024));
    QTemporaryDir out;
    wizard.start();
    selectAndGoToWritePage(wizard, {"a.nes"});
    setDestination(wizard, out.path(), QStringLiteral("out.gba"));
    platform::LockFile otherBuild(wizard.programDirectory + QStringLiteral("menu.out"));
    if (setup == QStringLiteral("busy"))
        QVERIFY(otherBuild.tryLock());
#ifndef Q_OS_WIN
    const QString rom = platform::joinPath(wizard.romsDirectory, QStringLiteral("a.nes"));
    if (setup == QStringLiteral("pipe"))
        QVERIFY(QFile::remove(rom) && ::mkfifo(QFile::encodeName(rom).constData(), 0600) == 0);
#endif
    BoxAnswerer answerer;
    wizard.click("btnWrite");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QCOMPARE(answerer.boxes[0].text,
             QString(warning)
                 .replace("{program}", platform::nativeDirectory(wizard.programDirectory))
                 .replace("{roms}/", wizard.romsDirectory + platform::pathSeparator()));
    QCOMPARE(wizard.text("lblStatus"), status);
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("menu.out")));
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestWritePage::vanishedStartDirectoryMeansHome()
{
#ifndef Q_OS_WIN // where a process's working directory cannot be removed
    WizardFixture wizard;
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString homePath = QFileInfo(home.path()).canonicalFilePath();
    const QByteArray rom = testfiles::makeRom(1, 0, 16 * 1024);
    testfiles::makeFile(homePath, QStringLiteral("a.nes"), rom);
    QVERIFY(QDir::setCurrent(QTemporaryDir().path())); // removed at once

    wizard.start();
    QCOMPARE(wizard.text("lblCurrentDir"), QStringLiteral("Current directory: ") + homePath);
    QCOMPARE(wizard.control<QComboBox>("DriveComboBox2")->currentData().toString(), homePath);
    selectAndGoToWritePage(wizard, {QStringLiteral("a.nes")});
    wizard.click("btnWrite");
    QCOMPARE(testfiles::readFile(homePath + QStringLiteral("/Whatever.gba")),
             wizard.baseRom + "a.nes\r\n" + rom);
#endif
}

QTEST_MAIN(TestWritePage)
#include "tst_writepage.moc"
