// Compilation files in the wizard: saved, opened again into every page, roms
// that changed or went since marked, and changes not lost on closing.

#include "WizardFixture.h"

#include "wizard/controls/DirectoryListBox.h"

class TestCompilationFiles : public QObject
{
    Q_OBJECT

private slots:
    void savedThenOpenedFillsEveryPage();
    void romsGoneOrChangedAreMarked();
    void damagedFileChangesNothing();
    void compilationOfNoRomsIsNeverWritten();
    void changesNotSavedAreAskedFor_data();
    void changesNotSavedAreAskedFor();

private:
    // Roms b.nes and a.nes selected, sorted and numbered, a flag on a.nes,
    // the output in out/, saved as my.romweaver in the rom folder.
    static QString saveOne(WizardFixture& wizard, const QString& outFolder)
    {
        wizard.addRom(QStringLiteral("b.nes"), testfiles::makeRom(1, 0, 16 * 1024, 1));
        wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 16 * 1024, 2));
        wizard.start();
        wizard.selectRoms({QStringLiteral("b.nes"), QStringLiteral("a.nes")});
        wizard.click("btnNext");
        wizard.control<QCheckBox>("chkSorted")->click();
        wizard.control<QCheckBox>("chkNumbering")->click();
        wizard.click("btnNext");
        frmRomweaver->addOption(QStringLiteral("Turbo"));
        wizard.control<QAbstractItemView>("lstOptions")
            ->selectionModel()
            ->select(wizard.control<QAbstractItemView>("lstOptions")->model()->index(0, 0),
                     QItemSelectionModel::Select);
        wizard.click("btnAddToMenuItem");
        wizard.click("btnNext");
        wizard.control<wizard::DirectoryListBox>("DirectoryListBox2")->setDirectory(outFolder);
        wizard.control<QLineEdit>("txtGBARom")->setText(QStringLiteral("nes.gba"));
        const QString path = QDir(wizard.romsDirectory).filePath(QStringLiteral("my.romweaver"));
        if (!frmRomweaver->saveCompilation(path))
            qFatal("not saved");
        return path;
    }
    static QString tooltipOf(const WizardFixture& wizard, const char* name)
    {
        const qsizetype row = wizard.entries("lstNESRoms").indexOf(QString::fromLatin1(name));
        return row < 0 ? QStringLiteral("(not listed)")
                       : wizard.entryData("lstNESRoms", int(row), Qt::ToolTipRole).toString();
    }
};

void TestCompilationFiles::savedThenOpenedFillsEveryPage()
{
    WizardFixture wizard;
    QTemporaryDir out;
    const QString path = saveOne(wizard, out.path());
    QCOMPARE(frmRomweaver->windowTitle(),
             QStringLiteral("my.romweaver[*] - Tessel tool - Romweaver "));
    QVERIFY(!frmRomweaver->isWindowModified());
    wizard::destroyForms();

    wizard.start();
    QVERIFY(frmRomweaver->openCompilation(path));
    QCOMPARE(frmRomweaver->CurrentStep, 2);
    QVERIFY(wizard.control<QWidget>("grpStep2")->isVisible());
    QCOMPARE(wizard.entries("lstNESRoms"), (QStringList{"a.nes", "b.nes"}));
    QCOMPARE(wizard.entries("lstRomTitles"), (QStringList{"a.nes", "b.nes"}));
    QCOMPARE(wizard.entries("lstPreview"), (QStringList{"1. a.nes", "2. b.nes"}));
    QVERIFY(wizard.control<QCheckBox>("chkSorted")->isChecked());
    QVERIFY(wizard.control<QCheckBox>("chkNumbering")->isChecked());
    wizard.click("btnNext");
    QCOMPARE(wizard.entries("lstTitleAndOptions"), (QStringList{"1. a.nes|1", "2. b.nes"}));
    QCOMPARE(wizard.control<QLineEdit>("txtGBARom")->text(), QStringLiteral("nes.gba"));
    QVERIFY(platform::namesSameFile(
        wizard.control<wizard::DirectoryListBox>("DirectoryListBox2")->directory(), out.path()));
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 2"));
    // Offered again at the next start.
    QVERIFY(wizard.iniBytes().contains("[RecentCompilations]\r\n1=" +
                                       QDir::toNativeSeparators(path).toLocal8Bit()));
}

void TestCompilationFiles::romsGoneOrChangedAreMarked()
{
    WizardFixture wizard;
    QTemporaryDir out;
    const QString path = saveOne(wizard, out.path());
    wizard::destroyForms();
    QVERIFY(QFile::remove(QDir(wizard.romsDirectory).filePath(QStringLiteral("b.nes"))));
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 16 * 1024, 9));

    wizard.start();
    BoxAnswerer answerer; // the estimate's "Failed to read NES rom(s)"
    QVERIFY(frmRomweaver->openCompilation(path));
    QCOMPARE(tooltipOf(wizard, "a.nes"), QStringLiteral("Changed since the compilation was saved"));
    QCOMPARE(tooltipOf(wizard, "b.nes"),
             QStringLiteral("Missing: the file was moved, renamed or deleted"));
}

void TestCompilationFiles::damagedFileChangesNothing()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.start();
    wizard.selectRoms({QStringLiteral("a.nes")});
    const QString path = testfiles::makeFile(wizard.romsDirectory, QStringLiteral("bad.romweaver"),
                                             "{\"format\": \"romweaver-compilation\"");
    BoxAnswerer answerer;
    QVERIFY(!frmRomweaver->openCompilation(path));
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes.first().caption, QStringLiteral("Warning"));
    QCOMPARE(frmRomweaver->CurrentStep, 1);
    QCOMPARE(wizard.entries("lstNESRoms"), QStringList{"a.nes"});
    QCOMPARE(frmRomweaver->windowTitle(), QStringLiteral("Tessel tool - Romweaver "));
}

void TestCompilationFiles::compilationOfNoRomsIsNeverWritten()
{
    WizardFixture wizard;
    QTemporaryDir out;
    wizard.start();
    const QString path = testfiles::makeFile(
        wizard.romsDirectory, QStringLiteral("none.romweaver"),
        R"({"format": "romweaver-compilation", "version": 1, "romFolder": ".", "roms": [],)"
        R"( "output": {"folder": ")" +
            QDir::fromNativeSeparators(out.path()).toUtf8() + R"(", "name": "nes.gba"}})");
    QVERIFY(frmRomweaver->openCompilation(path));
    QCOMPARE(frmRomweaver->CurrentStep, 1); // where roms are chosen
    BoxAnswerer answerer;
    wizard.click("btnNext");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes.first().text, QStringLiteral("No NES rom(s) selected!"));
    QCOMPARE(frmRomweaver->CurrentStep, 1);
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestCompilationFiles::changesNotSavedAreAskedFor_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes: saved, closed") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("No: closed as it was") << int(QMessageBox::No) << true << false;
    QTest::newRow("Cancel: stays open") << int(QMessageBox::Cancel) << false << false;
}

void TestCompilationFiles::changesNotSavedAreAskedFor()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    WizardFixture wizard;
    QTemporaryDir out;
    const QString path = saveOne(wizard, out.path());
    const QByteArray before = testfiles::readFile(path);
    wizard.control<QLineEdit>("txtGBARom")->setText(QStringLiteral("other.gba"));
    QVERIFY(frmRomweaver->isWindowModified());

    BoxAnswerer answerer{QMessageBox::StandardButton(answer)};
    QCOMPARE(frmRomweaver->close(), closed);
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(testfiles::readFile(path) != before, saved);
}

QTEST_MAIN(TestCompilationFiles)
#include "tst_compilationfiles.moc"
