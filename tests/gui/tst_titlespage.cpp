// The titles page: titles from the settings file, changing, sorting, numbering.

#include "WizardFixture.h"

#include "settings/SettingsFile.h"

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestTitlesPage : public QObject
{
    Q_OBJECT

private slots:
    void titlesComeFromSettingsOrFileName();
    void sortingTicksAndUnticks();
    void sortedBeforeEntryArrivesSorted();
    void numberingWidthFollowsCount_data();
    void numberingWidthFollowsCount();
    void changeStoresUnderTheRomsOwnFile();
    void changeWithEmptyTextDoesNothing();
    void changeRefusesAControlCharacter();
    void returningFromStepThreeKeepsThePage();
    void reenteringFromStepOneRebuilds();
    void titleChangedByAnotherProgramIsSeen();
    void doubleClickInPreviewLeavesSelection();
    void tidyTitlesLeavesTitlesGiven();

private:
    // Selects the roms one by one, in the given order, and goes to step 2.
    static void selectOneByOneAndGoToTitles(WizardFixture& wizard, const QStringList& names)
    {
        for (const QString& name : names)
            wizard.selectRoms({name});
        wizard.click("btnNext");
        QCOMPARE(frmRomweaver->CurrentStep, 2);
    }
};

void TestTitlesPage::titlesComeFromSettingsOrFileName()
{
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    SettingsFile(wizard.iniPath())
        .WriteValue("Titles", "B.NES", "Bravo"); // names match in any case
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"b.nes", "a.nes"});
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"Bravo", "a.nes"}));
    QCOMPARE(wizard.entries("lstPreview"), (QStringList{"Bravo", "a.nes"}));
    QCOMPARE(wizard.control<QAbstractItemView>("lstRomTitles")->currentIndex().row(), 0);
    QCOMPARE(wizard.control<QLineEdit>("txtRomTitle")->text(), QStringLiteral("Bravo"));
}

void TestTitlesPage::sortingTicksAndUnticks()
{
    WizardFixture wizard;
    for (const char* name : {"c.nes", "a.nes", "B.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"c.nes", "a.nes", "B.nes"});
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"c.nes", "a.nes", "B.nes"}));

    auto* sorted = wizard.control<QCheckBox>("chkSorted");
    sorted->click();
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"a.nes", "B.nes", "c.nes"}));
    QCOMPARE(wizard.entries("lstPreview"), (QStringList{"a.nes", "B.nes", "c.nes"}));
    // The selected title moves with its entry, so the field still shows it
    // and "Change" renames that rom.
    auto* titles = wizard.control<QAbstractItemView>("lstRomTitles");
    QCOMPARE(titles->currentIndex().data().toString(), QStringLiteral("c.nes"));
    QCOMPARE(wizard.control<QLineEdit>("txtRomTitle")->text(), QStringLiteral("c.nes"));
    wizard.control<QLineEdit>("txtRomTitle")->setText(QStringLiteral("Charlie"));
    wizard.click("btnChangeTitle");
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"a.nes", "B.nes", "Charlie"}));
    QCOMPARE(SettingsFile(wizard.iniPath()).ReadValue("Titles", "c.nes", ""),
             QByteArray("Charlie"));
    sorted->click();
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"a.nes", "B.nes", "Charlie"}));
}

void TestTitlesPage::sortedBeforeEntryArrivesSorted()
{
    WizardFixture wizard;
    for (const char* name : {"cherry.nes", "apple.nes", "Banana.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    wizard.start();
    wizard.control<QCheckBox>("chkSorted")->setChecked(true);
    selectOneByOneAndGoToTitles(wizard, {"cherry.nes", "apple.nes", "Banana.nes"});
    QCOMPARE(wizard.entries("lstRomTitles"),
             (QStringList{"apple.nes", "Banana.nes", "cherry.nes"}));
    QCOMPARE(wizard.control<QLineEdit>("txtRomTitle")->text(), QStringLiteral("apple.nes"));
}

void TestTitlesPage::numberingWidthFollowsCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("9 titles") << 9 << "1. r001.nes"
                              << "9. r009.nes";
    QTest::newRow("10 titles") << 10 << "01. r001.nes"
                               << "10. r010.nes";
    QTest::newRow("12 titles") << 12 << "01. r001.nes"
                               << "12. r012.nes";
    QTest::newRow("100 titles") << 100 << "001. r001.nes"
                                << "100. r100.nes";
}

void TestTitlesPage::numberingWidthFollowsCount()
{
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    WizardFixture wizard;
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names << QStringLiteral("r%1.nes").arg(i, 3, 10, QLatin1Char('0'));
        wizard.addRom(names.last(), "x");
    }
    wizard.start();
    wizard.selectRoms(names);
    wizard.click("btnNext");
    wizard.control<QCheckBox>("chkNumbering")->click();
    const QStringList preview = wizard.entries("lstPreview");
    QCOMPARE(preview.size(), count);
    QCOMPARE(preview.first(), first);
    QCOMPARE(preview.last(), last);
    wizard.control<QCheckBox>("chkNumbering")->click();
    QCOMPARE(wizard.entries("lstPreview"), names);
}

void TestTitlesPage::changeStoresUnderTheRomsOwnFile()
{
    WizardFixture wizard;
    for (const char* name : {"game1.nes", "game2.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    // game2's stored title is game1's file name: a lookup by title would find game2.
    SettingsFile(wizard.iniPath()).WriteValue("Titles", "game2.nes", "game1.nes");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"game1.nes", "game2.nes"});
    auto* title = wizard.control<QLineEdit>("txtRomTitle");

    title->clear();
    QTest::keyClicks(title, QStringLiteral("Alpha"));
    wizard.click("btnChangeTitle");
    title->setText(QStringLiteral("Beta"));
    QTest::keyClick(title, Qt::Key_Return); // Enter changes too
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"Beta", "game1.nes"}));
    QCOMPARE(wizard.entries("lstPreview"), (QStringList{"Beta", "game1.nes"}));
    QCOMPARE(wizard.control<QAbstractItemView>("lstRomTitles")->currentIndex().row(), 0);

    const QByteArray ini = wizard.iniBytes();
    QVERIFY2(ini.contains("[Titles]\r\ngame2.nes=game1.nes\r\ngame1.nes=Beta\r\n"),
             ini.constData());
    QCOMPARE(ini.count("game1.nes="), 1);
}

void TestTitlesPage::changeWithEmptyTextDoesNothing()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"a.nes"});
    const QByteArray before = wizard.iniBytes();
    wizard.control<QLineEdit>("txtRomTitle")->clear();
    wizard.click("btnChangeTitle");
    QCOMPARE(wizard.iniBytes(), before);
    QCOMPARE(wizard.entries("lstRomTitles"), QStringList{"a.nes"});

    wizard.control<QLineEdit>("txtRomTitle")->setText(QStringLiteral("  "));
    wizard.click("btnChangeTitle"); // blanks are a title like any other
    QCOMPARE(wizard.entries("lstRomTitles"), QStringList{"  "});
}

void TestTitlesPage::changeRefusesAControlCharacter()
{
    // A pasted tab would make a title no compilation file reads back.
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"a.nes"});
    const QByteArray before = wizard.iniBytes();
    wizard.control<QLineEdit>("txtRomTitle")->setText(QStringLiteral("Cave\tRunner"));
    BoxAnswerer answerer;
    wizard.click("btnChangeTitle");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes.first().text,
             QStringLiteral("A title cannot hold a tab, a line break or another control "
                            "character."));
    QCOMPARE(wizard.iniBytes(), before);
    QCOMPARE(wizard.entries("lstRomTitles"), QStringList{"a.nes"});
}

void TestTitlesPage::returningFromStepThreeKeepsThePage()
{
    WizardFixture wizard;
    for (const char* name : {"b.nes", "a.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"b.nes", "a.nes"});
    wizard.setCurrentRow("lstRomTitles", 1);
    wizard.control<QLineEdit>("txtRomTitle")->setText(QStringLiteral("typed"));
    wizard.click("btnNext");
    wizard.click("btnPrevious");
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"b.nes", "a.nes"}));
    QCOMPARE(wizard.control<QAbstractItemView>("lstRomTitles")->currentIndex().row(), 1);
    QCOMPARE(wizard.control<QLineEdit>("txtRomTitle")->text(), QStringLiteral("typed"));
}

void TestTitlesPage::reenteringFromStepOneRebuilds()
{
    WizardFixture wizard;
    for (const char* name : {"b.nes", "a.nes", "c.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"b.nes", "a.nes"});
    wizard.setCurrentRow("lstRomTitles", 1);
    wizard.click("btnPrevious");
    wizard.selectRoms({"c.nes"});
    wizard.click("btnNext");
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"b.nes", "a.nes", "c.nes"}));
    QCOMPARE(wizard.control<QAbstractItemView>("lstRomTitles")->currentIndex().row(), 0);
    QCOMPARE(wizard.control<QLineEdit>("txtRomTitle")->text(), QStringLiteral("b.nes"));
}

void TestTitlesPage::titleChangedByAnotherProgramIsSeen()
{
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    testfiles::makeFile(wizard.programDir.path(), QStringLiteral("Romweaver.ini"),
                        "[Titles]\r\na.nes=Alpha\r\nb.nes=Bravo\r\n");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"a.nes", "b.nes"});
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"Alpha", "Bravo"}));

    wizard.click("btnPrevious");
    QByteArray edited = wizard.iniBytes();
    edited.replace("Alpha", "Alpine").replace("Bravo", "Brave");
    testfiles::makeFile(wizard.programDir.path(), QStringLiteral("Romweaver.ini"), edited);
    // A rom selected anew takes its title as stored now; a rom still selected keeps its own.
    wizard.setCurrentRow("lstNESRoms", 0);
    frmRomweaver->lstNESRomsDblClick();
    wizard.selectRoms({"a.nes"});
    wizard.click("btnNext");
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"Bravo", "Alpine"}));
}

void TestTitlesPage::doubleClickInPreviewLeavesSelection()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"a.nes"});
    auto* preview = wizard.control<QAbstractItemView>("lstPreview");
    emit preview->doubleClicked(preview->model()->index(0, 0));
    QCOMPARE(wizard.entries("lstNESRoms"), QStringList{"a.nes"});
    QCOMPARE(wizard.entries("lstPreview"), QStringList{"a.nes"});
}

void TestTitlesPage::tidyTitlesLeavesTitlesGiven()
{
    WizardFixture wizard;
    for (const char* name : {"Cave Runner (USA).nes", "b (Europe).nes"})
        wizard.addRom(QString::fromLatin1(name), "x");
    testfiles::makeFile(wizard.programDir.path(), QStringLiteral("Romweaver.ini"),
                        "[Titles]\r\nb (Europe).nes=My (Europe) one\r\n");
    wizard.start();
    selectOneByOneAndGoToTitles(wizard, {"Cave Runner (USA).nes", "b (Europe).nes"});
    wizard.click("btnTidyTitles");
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"Cave Runner", "My (Europe) one"}));
    QCOMPARE(wizard.entries("lstPreview"), (QStringList{"Cave Runner", "My (Europe) one"}));
    QCOMPARE(wizard.control<QLineEdit>("txtRomTitle")->text(), QStringLiteral("Cave Runner"));
    QVERIFY(wizard.iniBytes().contains("Cave Runner (USA).nes=Cave Runner\r\n"));
}

QTEST_MAIN(TestTitlesPage)
#include "tst_titlespage.moc"
