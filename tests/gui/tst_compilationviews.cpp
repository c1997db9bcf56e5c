// The pages as views of one compilation: the item models keep Qt's rules,
// every edit can be undone and redone, the file list is always the folder's
// roms but the selected ones, and opening a compilation says what is missing.

#include "WizardFixture.h"

#include "builder/CompilationFile.h"
#include "settings/SettingsFile.h"
#include "wizard/CompilationDocument.h"
#include "wizard/CompilationModels.h"
#include "wizard/OptionsModel.h"
#include "wizard/RomDropHandler.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/FilterComboBox.h"

#include <QAbstractItemModelTester>
#include <QUndoStack>

using settings::SettingsFile;
using StoredPairs = QList<SettingsFile::Pair>;

class TestCompilationViews : public QObject
{
    Q_OBJECT

private slots:
    void modelsFollowEveryChange();
    void everyEditUndoneAndRedone_data();
    void everyEditUndoneAndRedone();
    void fileListIsTheFolderButTheSelection_data();
    void fileListIsTheFolderButTheSelection();
    void openingNamesTheRomsItCannotRead();
    void savingAddsTheExtension();
    void undoKeysOnEveryPageButInTextFields();
};

void TestCompilationViews::modelsFollowEveryChange()
{
    wizard::CompilationDocument document;
    wizard::SelectedRomsModel selected(document, [](const QString& name) {
        return name.startsWith(QLatin1Char('x')) ? QStringLiteral("warned") : QString();
    });
    wizard::MenuModel titles(document, wizard::MenuModel::Shows::Titles);
    wizard::MenuModel preview(document, wizard::MenuModel::Shows::PreviewLines);
    wizard::MenuModel lines(document, wizard::MenuModel::Shows::MenuLines);
    wizard::OptionsModel options;
    using Tester = QAbstractItemModelTester;
    const Tester testers[] = {Tester(&selected, Tester::FailureReportingMode::QtTest),
                              Tester(&titles, Tester::FailureReportingMode::QtTest),
                              Tester(&preview, Tester::FailureReportingMode::QtTest),
                              Tester(&lines, Tester::FailureReportingMode::QtTest),
                              Tester(&options, Tester::FailureReportingMode::QtTest)};

    document.addRoms({"c.nes", "x.nes", "a.nes"});
    document.edit([](builder::Compilation& c) { c.setNumbered(true); });
    document.editMenuEntry(1, [](builder::Compilation& c) { c.applyOptionFlags(1, 5); });
    QCOMPARE(lines.index(1).data().toString(), QStringLiteral("2. x.nes|5"));
    QCOMPARE(selected.index(1).data(Qt::ToolTipRole).toString(), QStringLiteral("warned"));
    document.addRoms({"r.nes", "c.nes", "s.nes"});
    document.removeRom(1);
    document.edit([](builder::Compilation& c) { c.setSorted(true); });
    QCOMPARE(titles.index(0).data().toString(), QStringLiteral("a.nes"));
    QCOMPARE(preview.rowCount(), 4);
    options.setOptions({{"1", "Turbo"}, {"4", "Slow"}});
    QCOMPARE(options.index(1).data().toString(), QStringLiteral("4: Slow"));
    QCOMPARE(options.nextOptionNumber(), 8);
    document.replace({});
    QCOMPARE(lines.rowCount(), 0);
}

namespace
{

enum class Edit {
    AddByButton,
    AddByEnter,
    AddByDoubleClick,
    AddByDrop,
    RemoveByDelete,
    Clear,
    ChangeTitle,
    Sort,
    Number,
    TidyTitles,
    AddOptionFlags,
    RemoveOptions,
    AddSpriteValue,
    AddOption,
    DeleteOption,
};

} // namespace

Q_DECLARE_METATYPE(Edit)

void TestCompilationViews::everyEditUndoneAndRedone_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("page");
    QTest::newRow(">>") << Edit::AddByButton << 1;
    QTest::newRow("Enter in the file list") << Edit::AddByEnter << 1;
    QTest::newRow("double-click on a file") << Edit::AddByDoubleClick << 1;
    QTest::newRow("drop") << Edit::AddByDrop << 1;
    QTest::newRow("Delete") << Edit::RemoveByDelete << 1;
    QTest::newRow("C") << Edit::Clear << 1;
    QTest::newRow("a title") << Edit::ChangeTitle << 2;
    QTest::newRow("sorting") << Edit::Sort << 2;
    QTest::newRow("numbering") << Edit::Number << 2;
    QTest::newRow("Tidy titles") << Edit::TidyTitles << 2;
    QTest::newRow("options on a line") << Edit::AddOptionFlags << 3;
    QTest::newRow("options off a line") << Edit::RemoveOptions << 3;
    QTest::newRow("a sprite value") << Edit::AddSpriteValue << 3;
    QTest::newRow("an option added") << Edit::AddOption << 3;
    QTest::newRow("an option deleted") << Edit::DeleteOption << 3;
}

void TestCompilationViews::everyEditUndoneAndRedone()
{
    QFETCH(Edit, edit);
    QFETCH(int, page);
    WizardFixture wizard;
    for (const char* name : {"Zeta (USA).nes", "beta.nes", "alpha.nes", "gamma.nes"})
        wizard.addRom(QString::fromLatin1(name), testfiles::makeRom(1, 0, 16 * 1024));
    testfiles::makeFile(wizard.programDirectory, QStringLiteral("Romweaver.ini"),
                        "[Options]\r\n1=Turbo\r\n2=Slow\r\n");
    wizard.start();
    wizard.selectRoms({"Zeta (USA).nes", "beta.nes"});
    for (int step = 1; step < page; ++step)
        wizard.click("btnNext");
    wizard.setCurrentRow("lstTitleAndOptions", 0);
    if (edit == Edit::RemoveOptions) // a line with a field to take off
        frmRomweaver->applySpriteValueToSelectedLine(QStringLiteral("12"));
    QUndoStack& undo = frmRomweaver->undoStack();
    const int steps = undo.count();
    const builder::Compilation before = frmRomweaver->compilation();
    // What the settings file holds of titles and options.
    const auto stored = [&wizard] {
        const SettingsFile ini(wizard.iniPath());
        return ini.ListPairs("Titles") + ini.ListPairs("Options");
    };
    const StoredPairs storedBefore = stored();
    const QStringList optionsBefore = wizard.entries("lstOptions");

    auto* files = wizard.control<wizard::FileListBox>("FileListBox1");
    switch (edit) {
    case Edit::AddByButton:
        wizard.selectRoms({"alpha.nes", "gamma.nes"});
        break;
    case Edit::AddByEnter:
        files->findItems("alpha.nes", Qt::MatchExactly).first()->setSelected(true);
        files->setFocus();
        QTest::keyClick(files, Qt::Key_Return);
        break;
    case Edit::AddByDoubleClick:
        files->setCurrentItem(files->findItems("gamma.nes", Qt::MatchExactly).first());
        emit files->itemDoubleClicked(files->currentItem());
        break;
    case Edit::AddByDrop:
        frmRomweaver->lstNESRomsDragDrop({wizard.romsDirectory, {"gamma.nes", "alpha.nes"}, false});
        break;
    case Edit::RemoveByDelete: {
        wizard.setCurrentRow("lstNESRoms", 0);
        auto* selected = wizard.control<QWidget>("lstNESRoms");
        selected->setFocus();
        QTest::keyClick(selected, Qt::Key_Delete);
        break;
    }
    case Edit::Clear:
        wizard.click("btnClear");
        break;
    case Edit::ChangeTitle:
        wizard.control<QLineEdit>("txtRomTitle")->setText(QStringLiteral("Zeta"));
        wizard.click("btnChangeTitle");
        break;
    case Edit::Sort:
        wizard.control<QCheckBox>("chkSorted")->click();
        break;
    case Edit::Number:
        wizard.control<QCheckBox>("chkNumbering")->click();
        break;
    case Edit::TidyTitles:
        wizard.click("btnTidyTitles");
        break;
    case Edit::AddOptionFlags:
        wizard.setCurrentRow("lstOptions", 1);
        wizard.control<QAbstractItemView>("lstOptions")->selectAll();
        wizard.click("btnAddToMenuItem");
        break;
    case Edit::RemoveOptions:
        wizard.click("btnRemoveOptions");
        break;
    case Edit::AddSpriteValue:
        frmRomweaver->applySpriteValueToSelectedLine(QStringLiteral("12"));
        break;
    case Edit::AddOption:
        frmRomweaver->addOption(QStringLiteral("Bright"));
        break;
    case Edit::DeleteOption:
        wizard.setCurrentRow("lstOptions", 0);
        wizard.click("btnDeleteOption");
        break;
    }
    const builder::Compilation after = frmRomweaver->compilation();
    const StoredPairs storedAfter = stored();
    const QStringList optionsAfter = wizard.entries("lstOptions");
    QVERIFY(after != before || optionsAfter != optionsBefore);
    QVERIFY(undo.count() > steps);
    // The views show what the compilation holds, each time.
    const auto shown = [&wizard](const builder::Compilation& compilation) {
        QStringList names;
        for (const builder::CompilationRom& rom : compilation.roms())
            names << rom.fileName;
        QCOMPARE(wizard.entries("lstNESRoms"), names);
        QCOMPARE(wizard.entries("lstTitleAndOptions"), compilation.menuLines());
        QCOMPARE(wizard.entries("lstPreview"), compilation.previewLines());
    };

    while (undo.index() > steps)
        undo.undo();
    QCOMPARE(frmRomweaver->compilation(), before);
    shown(before);
    QCOMPARE(wizard.entries("lstOptions"), optionsBefore);
    // What the settings file holds of titles and options follows.
    QCOMPARE(stored(), storedBefore);

    while (undo.canRedo())
        undo.redo();
    QCOMPARE(frmRomweaver->compilation(), after);
    shown(after);
    QCOMPARE(wizard.entries("lstOptions"), optionsAfter);
    QCOMPARE(stored(), storedAfter);
}

Q_DECLARE_METATYPE(std::function<void(WizardFixture&)>)

void TestCompilationViews::fileListIsTheFolderButTheSelection_data()
{
    using Change = std::function<void(WizardFixture&)>;
    QTest::addColumn<Change>("change");
    QTest::newRow("another filter") << Change([](WizardFixture& wizard) {
        auto* filter = wizard.control<wizard::FilterComboBox>("FilterComboBox1");
        filter->setCurrentIndex(1);
        emit filter->activated(1);
    });
    QTest::newRow("a file made in the folder") << Change([](WizardFixture& wizard) {
        wizard.addRom(QStringLiteral("new.nes"), testfiles::makeRom(1, 0, 100));
        wizard.control<wizard::FileListBox>("FileListBox1")->followDisk();
    });
    QTest::newRow("a drop") << Change([](WizardFixture&) {
        frmRomweaver->lstNESRomsDragDrop({frmRomweaver->NESRomsDir(), {"c.nes"}, false});
    });
    QTest::newRow("undo of C") << Change([](WizardFixture& wizard) {
        wizard.click("btnClear");
        frmRomweaver->undoStack().undo();
    });
    QTest::newRow("an opened compilation") << Change([](WizardFixture&) {
        const QString path = QDir(frmRomweaver->NESRomsDir()).filePath("c.romweaver");
        QVERIFY(frmRomweaver->saveCompilation(path));
        QVERIFY(frmRomweaver->openCompilation(path));
    });
}

void TestCompilationViews::fileListIsTheFolderButTheSelection()
{
    QFETCH(std::function<void(WizardFixture&)>, change);
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes", "c.nes", "d.nes"})
        wizard.addRom(QString::fromLatin1(name), testfiles::makeRom(1, 0, 100));
    wizard.start();
    wizard.selectRoms({"a.nes", "b.nes"});
    change(wizard);
    QStringList notSelected;
    for (const QString& name : QDir(wizard.romsDirectory).entryList({"*.nes"}, QDir::Files)) {
        if (!frmRomweaver->compilation().contains(name))
            notSelected << name;
    }
    QCOMPARE(wizard.entries("FileListBox1"), notSelected);
}

void TestCompilationViews::openingNamesTheRomsItCannotRead()
{
    WizardFixture wizard;
    for (const char* name : {"gone.nes", "changed.nes", "folder.nes", "fine.nes"})
        wizard.addRom(QString::fromLatin1(name), testfiles::makeRom(1, 0, 16 * 1024));
    wizard.start();
    wizard.selectRoms({"gone.nes", "changed.nes", "folder.nes", "fine.nes"});
    const QString path = QDir(wizard.romsDirectory).filePath("c.romweaver");
    QVERIFY(frmRomweaver->saveCompilation(path));
    QVERIFY(QFile::remove(QDir(wizard.romsDirectory).filePath("gone.nes")));
    QVERIFY(QFile::remove(QDir(wizard.romsDirectory).filePath("folder.nes")));
    QVERIFY(QDir(wizard.romsDirectory).mkdir("folder.nes"));
    wizard.addRom(QStringLiteral("changed.nes"), testfiles::makeRom(1, 0, 16 * 1024, 9));

    BoxAnswerer answerer;
    QVERIFY(frmRomweaver->openCompilation(path));
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("2 rom(s) of the compilation c.romweaver cannot be read; page 1 "
                            "marks them."));
    QCOMPARE(answerer.boxes[0].detail,
             QStringLiteral("folder.nes: Not a regular file: a folder, a device, a pipe or a "
                            "socket\ngone.nes: Missing: the file was moved, renamed or deleted"));
    QVERIFY(!answerer.boxes[0].markup); // names are shown as they stand
    QCOMPARE(frmRomweaver->CurrentStep, 1);
    QCOMPARE(wizard.entries("lstNESRoms"),
             (QStringList{"changed.nes", "fine.nes", "folder.nes", "gone.nes"}));
    QCOMPARE(wizard.entries("lstNESRoms", Qt::ToolTipRole),
             (QStringList{"Changed since the compilation was saved", "",
                          "Not a regular file: a folder, a device, a pipe or a socket",
                          "Missing: the file was moved, renamed or deleted"}));

    // A compilation file that is not there says so, in the system's words.
    QVERIFY(!frmRomweaver->openCompilation(QDir(wizard.romsDirectory).filePath("none.romweaver")));
    QVERIFY2(answerer.boxes.constLast().text.endsWith(QStringLiteral("No such file or directory")),
             qPrintable(answerer.boxes.constLast().text));
}

void TestCompilationViews::savingAddsTheExtension()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 100));
    wizard.start();
    wizard.selectRoms({"a.nes"});
    const QString path = QDir(wizard.romsDirectory).filePath("Sammlung Nr. 2");
    QVERIFY(frmRomweaver->saveCompilation(path));
    QVERIFY(QFile::exists(path + ".romweaver"));
    QCOMPARE(frmRomweaver->compilationPath(), QDir::toNativeSeparators(path + ".romweaver"));
}

void TestCompilationViews::undoKeysOnEveryPageButInTextFields()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 100));
    wizard.start();
    wizard.selectRoms({"a.nes"});
    wizard.click("btnNext");
    // A text field with the focus undoes its own typing.
    auto* title = wizard.control<QLineEdit>("txtRomTitle");
    title->setFocus();
    QTest::keyClicks(title, QStringLiteral("x"));
    QTest::keySequence(title, QKeySequence::Undo);
    QCOMPARE(title->text(), QStringLiteral("a.nes"));
    QCOMPARE(frmRomweaver->compilation().romCount(), 1);
    // Elsewhere the window undoes, also on another page than the edit's.
    auto* sorted = wizard.control<QCheckBox>("chkSorted");
    sorted->setFocus();
    QTest::keySequence(sorted, QKeySequence::Undo);
    QCOMPARE(frmRomweaver->compilation().romCount(), 0);
    QTest::keySequence(sorted, QKeySequence::Redo);
    QCOMPARE(frmRomweaver->compilation().romCount(), 1);
    // The Compilation menu says what.
    QStringList texts;
    for (QAction* action : frmRomweaver->actions())
        texts << action->text();
    QVERIFY2(texts.contains(QStringLiteral("Undo Add 1 rom")), qPrintable(texts.join('|')));
}

QTEST_MAIN(TestCompilationViews)
#include "tst_compilationviews.moc"
