// Start-up, the first showing, moving between the pages, closing and About.

#include "ProgramVersion.h"
#include "WizardFixture.h"

#include "builder/BuildLog.h"

#include "settings/SettingsFile.h"
#include "wizard/UnitAbout.h"

#include <QComboBox>
#include <QGroupBox>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestWizardShell : public QObject
{
    Q_OBJECT

private slots:
    void startRefusedWithoutBaseRom_data();
    void startRefusedWithoutBaseRom();
    void baseRomMeasuredAtFirstShowing_data();
    void baseRomMeasuredAtFirstShowing();
    void firstShowingLaysOutStepOne();
    void romDirectoryRestored_data();
    void romDirectoryRestored();
    void nextAndPreviousWalkTheSteps();
    void nextRefusedWithoutRoms();
    void failedSettingsWriteKeepsThePage();
    void closingSavesTheRomDirectory();
    void filterRememberedAcrossStarts();
    void closingWithFailedSaveStillCloses();
    void aboutIsOneModelessWindow();
    void aboutCentredOverMainWindowOnce();
};

void TestWizardShell::startRefusedWithoutBaseRom_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("no file") << "missing";
    QTest::newRow("a directory of that name") << "directory";
}

void TestWizardShell::startRefusedWithoutBaseRom()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    if (what == QLatin1String("directory"))
        QDir(dir.path()).mkdir(QStringLiteral("Tessel.GBA"));
    const QString programDirectory = dir.path() + QLatin1Char('/');
    QVERIFY(!BaseRomPresent(platform::ProgramFiles(programDirectory)));

    BoxAnswerer answerer;
    const int status = runRomweaver(*qApp, platform::ProgramFiles(programDirectory));
    QCOMPARE(status, 0);
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Error"));
    const QString documented =
        QStringLiteral("Cannot find Tessel.gba! Make sure it is installed in the same directory "
                       "as Romweaver program. The program will be closed.");
    const QString userDataDirectory = platform::userDataDirectory();
    if (userDataDirectory.isEmpty()) {
        QCOMPARE(answerer.boxes[0].text, documented);
    } else {
        // A second paragraph names the user data directory, the other place for the base rom.
        QVERIFY(answerer.boxes[0].text.startsWith(documented + QStringLiteral("\n\n")));
        QVERIFY(answerer.boxes[0].text.endsWith(QLatin1Char('\n') + userDataDirectory));
    }
    QVERIFY(frmRomweaver == nullptr);
    QVERIFY(!QFile::exists(programDirectory + QStringLiteral("Romweaver.ini")));
}

void TestWizardShell::baseRomMeasuredAtFirstShowing_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("kb");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("1.5 KB rounds to even 2") << 1536 << 2;
    QTest::newRow("2.5 KB rounds to even 2") << 2560 << 2;
    QTest::newRow("3.5 KB rounds to even 4") << 3584 << 4;
    QTest::newRow("196 KB") << 196 * 1024 << 196;
}

void TestWizardShell::baseRomMeasuredAtFirstShowing()
{
    QFETCH(int, bytes);
    QFETCH(int, kb);
    WizardFixture wizard;
    testfiles::makeFile(wizard.programDir.path(), QStringLiteral("Tessel.GBA"),
                        QByteArray(bytes, 'x'));
    wizard.start();
    QCOMPARE(frmRomweaver->BaseRomSizeKB, kb);
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~%1 KB (default)").arg(kb));
}

void TestWizardShell::firstShowingLaysOutStepOne()
{
    WizardFixture wizard;
    wizard.start();
    QCOMPARE(frmRomweaver->objectName(), QStringLiteral("frmRomweaver"));
    QCOMPARE(frmRomweaver->windowTitle(), QStringLiteral("Tessel tool - Romweaver "));
    QCOMPARE(frmRomweaver->frameGeometry().size(), QSize(700, 300));
    QCOMPARE(frmRomweaver->CurrentStep, 1);
    QVERIFY(frmRomweaver->buildLog() && frmRomweaver->buildLog()->firstLogWrite());
    QCOMPARE(frmRomweaver->NESRomsDir(), wizard.romsDirectory);
    QCOMPARE(wizard.text("lblCurrentDir"),
             QStringLiteral("Current directory: ") + wizard.romsDirectory);
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 0"));

    const QStringList captions = {
        " Step 1 - Select NES rom(s) - have to be in the same directory ",
        " Step 2 - Setup the Menu System - Titles ",
        " Step 3 - Setup the Menu System - Adding options (can be skipped) ",
        " Last Step - Writing the GBA rom "};
    for (int step = 1; step <= 4; ++step) {
        auto* page = wizard.control<QGroupBox>(qPrintable(QStringLiteral("grpStep%1").arg(step)));
        QCOMPARE(page->title(), captions[step - 1]);
        QCOMPARE(page->geometry(), QRect(16, 16, 665, 193));
        QCOMPARE(page->isVisible(), step == 1);
        QVERIFY(page->font().bold());
    }
    QVERIFY(!wizard.control<QLabel>("lblTotalRoms")->font().bold());
    QVERIFY(wizard.control<QLabel>("lblCurrentDir")->font().bold());
    QVERIFY(wizard.control<QPushButton>("btnWrite")->font().bold());
    QCOMPARE(wizard.control<QPushButton>("btnNext")->geometry(), QRect(608, 224, 75, 25));
    QVERIFY(!wizard.control<QPushButton>("btnPrevious")->isEnabled());
    QVERIFY(wizard.control<QPushButton>("btnNext")->isEnabled());
    QVERIFY(!QFile::exists(wizard.iniPath())); // showing writes nothing
}

void TestWizardShell::romDirectoryRestored_data()
{
    QTest::addColumn<QString>("stored"); // "other", "gone", "empty" or "none"
    QTest::addColumn<bool>("movesToOther");
    QTest::newRow("saved directory") << "other" << true;
    QTest::newRow("saved directory removed since") << "gone" << false;
    QTest::newRow("empty value") << "empty" << false;
    QTest::newRow("no key") << "none" << false;
}

void TestWizardShell::romDirectoryRestored()
{
    QFETCH(QString, stored);
    QFETCH(bool, movesToOther);
    WizardFixture wizard;
    QTemporaryDir other;
    const QString otherDir = platform::nativeDirectory(other.path());
    testfiles::makeFile(otherDir, QStringLiteral("other.nes"), "x");
    SettingsFile ini(wizard.iniPath());
    if (stored == QLatin1String("other"))
        ini.WriteValue("Settings", "NESRomsDir", otherDir.toLocal8Bit());
    else if (stored == QLatin1String("gone"))
        ini.WriteValue("Settings", "NESRomsDir",
                       (otherDir + QStringLiteral("-gone")).toLocal8Bit());
    else if (stored == QLatin1String("empty"))
        ini.WriteValue("Settings", "NESRomsDir", "");

    wizard.start();
    const QString expected = movesToOther ? otherDir : wizard.romsDirectory;
    QCOMPARE(frmRomweaver->NESRomsDir(), expected);
    QCOMPARE(wizard.text("lblCurrentDir"), QStringLiteral("Current directory: ") + expected);
    QCOMPARE(wizard.control<FileListBox>("FileListBox1")->directory(), expected);
    QCOMPARE(wizard.entries("FileListBox1").contains(QStringLiteral("other.nes")), movesToOther);
}

void TestWizardShell::nextAndPreviousWalkTheSteps()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "rom");
    wizard.start();
    wizard.selectRoms({QStringLiteral("a.nes")});
    auto* next = wizard.control<QPushButton>("btnNext");
    auto* previous = wizard.control<QPushButton>("btnPrevious");
    auto visiblePage = [&] {
        for (int step = 1; step <= 4; ++step) {
            if (wizard.control<QGroupBox>(qPrintable(QStringLiteral("grpStep%1").arg(step)))
                    ->isVisible())
                return step;
        }
        return 0;
    };
    for (int step = 2; step <= 4; ++step) {
        next->click();
        QCOMPARE(frmRomweaver->CurrentStep, step);
        QCOMPARE(visiblePage(), step);
        QVERIFY(previous->isEnabled());
        QCOMPARE(next->isEnabled(), step < 4);
    }
    QVERIFY(
        wizard.iniBytes().contains("NESRomsDir=" + wizard.romsDirectory.toLocal8Bit() + "\r\n"));
    for (int step = 3; step >= 1; --step) {
        previous->click();
        QCOMPARE(frmRomweaver->CurrentStep, step);
        QCOMPARE(visiblePage(), step);
        QVERIFY(next->isEnabled());
        QCOMPARE(previous->isEnabled(), step > 1);
    }
}

void TestWizardShell::nextRefusedWithoutRoms()
{
    WizardFixture wizard;
    wizard.start();
    BoxAnswerer answerer;
    wizard.click("btnNext");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QCOMPARE(answerer.boxes[0].text, QStringLiteral("No NES rom(s) selected!"));
    QCOMPARE(frmRomweaver->CurrentStep, 1);
    QVERIFY(!wizard.control<QPushButton>("btnPrevious")->isEnabled());
    QVERIFY(!QFile::exists(wizard.iniPath()));
}

void TestWizardShell::failedSettingsWriteKeepsThePage()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "rom");
    QDir(wizard.programDir.path()).mkdir(QStringLiteral("Romweaver.ini")); // cannot be replaced
    wizard.start();
    wizard.selectRoms({QStringLiteral("a.nes")});
    BoxAnswerer answerer;
    wizard.click("btnNext");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Romweaver"));
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("Unable to write to ") + wizard.iniPath() + '.');
    QCOMPARE(frmRomweaver->CurrentStep, 1);
    QVERIFY(wizard.control<QGroupBox>("grpStep1")->isVisible());
}

void TestWizardShell::closingSavesTheRomDirectory()
{
    WizardFixture wizard;
    wizard.start();
    QVERIFY(frmRomweaver->close());
    QCOMPARE(wizard.iniBytes(),
             "[Settings]\r\nNESRomsDir=" + wizard.romsDirectory.toLocal8Bit() + "\r\n");
    QVERIFY(!frmRomweaver->IniFile);
}

void TestWizardShell::filterRememberedAcrossStarts()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.addRom(QStringLiteral("b.zip"), "x");
    wizard.start();
    auto* filter = wizard.control<QComboBox>("FilterComboBox1");
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_End); // "NES roms, also in archives"
    QVERIFY(frmRomweaver->close());
    QVERIFY(wizard.iniBytes().contains("\r\nFileFilter=*.nes *.zip *.7z *.gz\r\n"));
    wizard::destroyForms();

    wizard.start();
    QCOMPARE(wizard.control<QComboBox>("FilterComboBox1")->currentIndex(), 2);
    QCOMPARE(wizard.entries("FileListBox1"), (QStringList{"a.nes", "b.zip"}));
}

void TestWizardShell::closingWithFailedSaveStillCloses()
{
    WizardFixture wizard;
    QDir(wizard.programDir.path()).mkdir(QStringLiteral("Romweaver.ini"));
    wizard.start();
    BoxAnswerer answerer;
    QVERIFY(frmRomweaver->close());
    QCOMPARE(answerer.boxes.size(), 1);
    QVERIFY(answerer.boxes[0].text.startsWith(QStringLiteral("Unable to write to ")));
    QVERIFY(!frmRomweaver->isVisible());
}

void TestWizardShell::aboutIsOneModelessWindow()
{
    WizardFixture wizard;
    wizard.start();
    wizard.click("btnAbout");
    wizard.click("btnAbout");
    int aboutWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        aboutWindows += qobject_cast<TfrmAbout*>(window) && window->isVisible() ? 1 : 0;
    QCOMPARE(aboutWindows, 1);
    QVERIFY(frmAbout->isVisible());
    QCOMPARE(frmAbout->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(frmAbout->windowTitle(), QStringLiteral("About Tessel tool - Romweaver"));
    QCOMPARE(frmAbout->size(), QSize(317, 219));
    // The documented line, with the version of the build.
    QCOMPARE(frmAbout->findChild<QLabel*>("lblVersion")->text(),
             QStringLiteral("Version number: " ROMWEAVER_VERSION));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(frmRomweaver->isEnabled());
    frmAbout->close();
    QVERIFY(!frmAbout->isVisible());
    // By keyboard: Alt+A from the main window, Escape to close.
    QTest::keySequence(frmRomweaver, QKeySequence("Alt+A"));
    QVERIFY(QTest::qWaitForWindowActive(frmAbout));
    QTest::keyClick(frmAbout, Qt::Key_Escape);
    QVERIFY(!frmAbout->isVisible());
}

void TestWizardShell::aboutCentredOverMainWindowOnce()
{
    WizardFixture wizard;
    wizard.start();
    wizard.click("btnAbout");
    // Frames included, once the About window is mapped.
    const auto offCentre = [] {
        const QPointF off = QRectF(frmAbout->frameGeometry()).center() -
                            QRectF(frmRomweaver->frameGeometry()).center();
        return qMax(qAbs(off.x()), qAbs(off.y()));
    };
    QTRY_VERIFY(offCentre() <= 0.5);
    QVERIFY(frmAbout->frameGeometry().size() != frmAbout->size());

    const QPoint moved = frmAbout->pos() + QPoint(40, 30);
    frmAbout->move(moved);
    frmAbout->close();
    wizard.click("btnAbout");
    QTest::qWait(20);
    QCOMPARE(frmAbout->pos(), moved);
}

QTEST_MAIN(TestWizardShell)
#include "tst_wizardshell.moc"
