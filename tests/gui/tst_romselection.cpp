// The rom selection page driven through its controls over a directory of files.

#include "WizardFixture.h"

#include "wizard/RomDropHandler.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/FilterComboBox.h"

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestRomSelection : public QObject
{
    Q_OBJECT

private slots:
    void moveSelectedFiles_data();
    void moveSelectedFiles();
    void doubleClickMovesOnlyThatFile();
    void doubleClickOnSelectionRemovesIt();
    void deleteKeepsThePlace();
    void clearEmptiesSelection();
    void filterChangeRereadsFileList();
    void directoryChangeResetsPage();
    void estimateAddsWholeFiles();
    void estimateReportsUnreadableRom();
    void currentEntryStaysInView_data();
    void currentEntryStaysInView();
    void listsFollowTheDisk_data();
    void listsFollowTheDisk();

private:
    static void doubleClick(QAbstractItemView* list, int row, Qt::KeyboardModifiers keys = {})
    {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QApplication::processEvents();
        const QRect rect = list->visualRect(index);
        // A press must reach the view before its double-click counts, as with a real mouse.
        QTest::mousePress(list->viewport(), Qt::LeftButton, keys, rect.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, keys, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, keys, rect.center());
    }
};

void TestRomSelection::moveSelectedFiles_data()
{
    QTest::addColumn<QStringList>("picked");
    QTest::addColumn<QStringList>("leftInFileList");
    QTest::newRow("first three") << QStringList{"a.nes", "b.nes", "c.nes"}
                                 << QStringList{"d.nes", "e.nes"};
    QTest::newRow("two runs") << QStringList{"e.nes", "b.nes", "c.nes"}
                              << QStringList{"a.nes", "d.nes"};
    QTest::newRow("every other") << QStringList{"e.nes", "a.nes", "c.nes"}
                                 << QStringList{"b.nes", "d.nes"};
    QTest::newRow("all") << QStringList{"a.nes", "b.nes", "c.nes", "d.nes", "e.nes"}
                         << QStringList{};
    QTest::newRow("none") << QStringList{}
                          << QStringList{"a.nes", "b.nes", "c.nes", "d.nes", "e.nes"};
}

void TestRomSelection::moveSelectedFiles()
{
    QFETCH(QStringList, picked);
    QFETCH(QStringList, leftInFileList);
    WizardFixture wizard;
    for (const char* name : {"c.nes", "a.nes", "e.nes", "b.nes", "d.nes"})
        wizard.addRom(QString::fromLatin1(name), QByteArray(1024, 'r'));
    wizard.start();
    wizard.selectRoms(picked);

    QStringList expected = picked;
    expected.sort(); // names arrive in the file list's order
    QCOMPARE(wizard.entries("lstNESRoms"), expected);
    QCOMPARE(wizard.entries("FileListBox1"), leftInFileList);
    QCOMPARE(frmRomweaver->RemoveIndex, 0);
    QCOMPARE(wizard.text("lblTotalRoms"),
             QStringLiteral("Total NES roms selected: %1").arg(picked.size()));
    // The estimate form, also for an empty selection.
    QCOMPARE(wizard.text("lblTotalSize"),
             QStringLiteral("GBA rom size: ~%1 KB").arg(196 + picked.size()));
}

void TestRomSelection::doubleClickMovesOnlyThatFile()
{
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes", "c.nes"})
        wizard.addRom(QString::fromLatin1(name), QByteArray(2048, 'r'));
    wizard.start();
    auto* files = wizard.control<QListWidget>("FileListBox1");
    files->item(0)->setSelected(true);
    doubleClick(files, 2, Qt::ControlModifier); // control keeps the other selection
    QCOMPARE(wizard.entries("lstNESRoms"), QStringList{"c.nes"});
    QCOMPARE(wizard.entries("FileListBox1"), (QStringList{"a.nes", "b.nes"}));
    QVERIFY(files->item(0)->isSelected());
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 1"));
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~198 KB"));
}

void TestRomSelection::doubleClickOnSelectionRemovesIt()
{
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes"})
        wizard.addRom(QString::fromLatin1(name), QByteArray(1024, 'r'));
    wizard.start();
    wizard.selectRoms({"a.nes", "b.nes"});
    auto* selected = wizard.control<QAbstractItemView>("lstNESRoms");
    doubleClick(selected, 0);
    QCOMPARE(wizard.entries("lstNESRoms"), QStringList{"b.nes"});
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~197 KB"));
    // A removed rom goes back to the file list, at its sorted place.
    QCOMPARE(wizard.entries("FileListBox1"), QStringList{"a.nes"});
    doubleClick(selected, 0);
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 0"));
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~196 KB (default)"));
}

void TestRomSelection::deleteKeepsThePlace()
{
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes", "c.nes", "d.nes"})
        wizard.addRom(QString::fromLatin1(name), "rom");
    wizard.start();
    wizard.selectRoms({"a.nes", "b.nes", "c.nes", "d.nes"});
    auto* selected = wizard.control<QAbstractItemView>("lstNESRoms");
    selected->setFocus();
    wizard.setCurrentRow("lstNESRoms", 1);
    // The entry that followed takes the place; at the end, the one before.
    for (const char* current : {"c.nes", "d.nes", "a.nes"}) {
        QTest::keyClick(selected, Qt::Key_Delete);
        QCOMPARE(selected->currentIndex().data().toString(), QString::fromLatin1(current));
        QVERIFY(selected->selectionModel()->isSelected(selected->currentIndex()));
    }
}

void TestRomSelection::clearEmptiesSelection()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.start();
    wizard.selectRoms({"a.nes"});
    wizard.click("btnClear");
    QVERIFY(wizard.entries("lstNESRoms").isEmpty());
    QCOMPARE(wizard.entries("FileListBox1"), QStringList{"a.nes"});
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 0"));
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~196 KB (default)"));
}

void TestRomSelection::filterChangeRereadsFileList()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    wizard.addRom(QStringLiteral("B.NES"), "x");
    wizard.addRom(QStringLiteral("readme.txt"), "x");
    wizard.start();
    QCOMPARE(wizard.entries("FileListBox1"), (QStringList{"a.nes", "B.NES"}));
    wizard.selectRoms({"a.nes"});
    auto* filter = wizard.control<FilterComboBox>("FilterComboBox1");
    QCOMPARE(filter->count(), 3);
    QCOMPARE(filter->itemText(0), QStringLiteral("NES roms"));
    QCOMPARE(filter->itemText(1), QStringLiteral("All files (*.*)"));
    QCOMPARE(filter->itemText(2), QStringLiteral("NES roms, also in archives"));

    // The list is read anew, without the rom already selected.
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Down);
    QCOMPARE(wizard.entries("FileListBox1"), (QStringList{"B.NES", "readme.txt"}));
    QTest::keyClick(filter, Qt::Key_Up);
    QCOMPARE(wizard.entries("FileListBox1"), (QStringList{"B.NES"}));
}

void TestRomSelection::directoryChangeResetsPage()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), "x");
    QDir(wizard.romsDirectory).mkdir(QStringLiteral("more"));
    const QString moreDir = platform::joinPath(wizard.romsDirectory, QStringLiteral("more"));
    testfiles::makeFile(moreDir, QStringLiteral("z.nes"), "x");
    wizard.start();
    wizard.selectRoms({"a.nes"});

    auto* directories = wizard.control<DirectoryListBox>("DirectoryListBox1");
    const auto found = directories->findItems(QStringLiteral("more"), Qt::MatchEndsWith);
    QVERIFY(!found.isEmpty());
    directories->setCurrentItem(found.first());
    directories->setFocus();
    QTest::keyClick(directories, Qt::Key_Return);

    QCOMPARE(frmRomweaver->NESRomsDir(), moreDir);
    QCOMPARE(wizard.text("lblCurrentDir"), QStringLiteral("Current directory: ") + moreDir);
    QCOMPARE(wizard.entries("FileListBox1"), QStringList{"z.nes"});
    QVERIFY(wizard.entries("lstNESRoms").isEmpty());
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 0"));
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~196 KB (default)"));
}

void TestRomSelection::estimateAddsWholeFiles()
{
    // 1000 + 1000 + 1072 bytes make 3 KB exactly; each file alone would round.
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), QByteArray(1000, 'a'));
    wizard.addRom(QStringLiteral("b.nes"), QByteArray(1000, 'b'));
    wizard.addRom(QStringLiteral("c.nes"), QByteArray(1072, 'c'));
    wizard.start();
    wizard.selectRoms({"a.nes", "b.nes", "c.nes"});
    QCOMPARE(frmRomweaver->SelectedRomsSizeKB(), 3);
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~199 KB"));
}

void TestRomSelection::estimateReportsUnreadableRom()
{
    WizardFixture wizard;
    for (const char* name : {"a.nes", "b.nes", "c.nes"})
        wizard.addRom(QString::fromLatin1(name), QByteArray(1024, 'r'));
    wizard.start();
    wizard.selectRoms({"a.nes", "b.nes"});
    QVERIFY(QFile::remove(platform::joinPath(wizard.romsDirectory, QStringLiteral("a.nes"))));
    QVERIFY(QFile::remove(platform::joinPath(wizard.romsDirectory, QStringLiteral("b.nes"))));

    BoxAnswerer answerer;
    wizard.selectRoms({"c.nes"});
    // One box, however many roms cannot be read, naming each with why.
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Error"));
    QCOMPARE(answerer.boxes[0].text, QStringLiteral("Failed to read NES rom(s)"));
    QCOMPARE(answerer.boxes[0].detail,
             QStringLiteral("a.nes: Missing: the file was moved, renamed or deleted\n"
                            "b.nes: Missing: the file was moved, renamed or deleted"));
    QCOMPARE(wizard.text("lblTotalRoms"), QStringLiteral("Total NES roms selected: 3"));
    QVERIFY(!wizard.text("lblTotalSize").contains(QStringLiteral("~")));
}

void TestRomSelection::currentEntryStaysInView_data()
{
    QTest::addColumn<QString>("action");
    for (const char* action :
         {">>", "Enter", "double-click", "drop", "filter", "folder", "Delete", "C"})
        QTest::newRow(action) << QString::fromLatin1(action);
}

void TestRomSelection::currentEntryStaysInView()
{
    QFETCH(QString, action);
    // Far more files than the lists show, the keyboard's place far down.
    WizardFixture wizard;
    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QStringLiteral("r%1.nes").arg(i, 2, 10, QLatin1Char('0'));
    for (const QString& name : names)
        wizard.addRom(name, "rom");
    QDir(wizard.romsDirectory).mkdir(QStringLiteral("more"));
    const QString more = platform::joinPath(wizard.romsDirectory, QStringLiteral("more"));
    for (const QString& name : names)
        testfiles::makeFile(more, name, "rom");
    wizard.start();
    auto* files = wizard.control<FileListBox>("FileListBox1");
    auto* selected = wizard.control<QAbstractItemView>("lstNESRoms");
    const auto placeAt = [](QAbstractItemView* list, int row) {
        list->setFocus();
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
        list->scrollTo(list->currentIndex());
    };

    if (action == ">>" || action == "Enter" || action == "filter" || action == "folder")
        placeAt(files, 30);
    if (action == ">>" || action == "Enter") // picked with shift from the top down
        files->selectionModel()->select(
            QItemSelection(files->model()->index(0, 0), files->model()->index(30, 0)),
            QItemSelectionModel::Select);
    if (action == ">>") {
        wizard.click("btnSelectRoms");
    } else if (action == "Enter") {
        QTest::keyClick(files, Qt::Key_Return);
    } else if (action == "double-click") {
        doubleClick(files, 30);
    } else if (action == "drop") {
        placeAt(files, 30);
        DroppedFiles dropped;
        dropped.directory = wizard.romsDirectory;
        dropped.fileNames = names.mid(0, 10);
        frmRomweaver->lstNESRomsDragDrop(dropped);
    } else if (action == "filter") {
        wizard.control<FilterComboBox>("FilterComboBox1")->setCurrentIndex(1);
    } else if (action == "folder") {
        wizard.control<DirectoryListBox>("DirectoryListBox1")->setDirectory(more);
    } else if (action == "Delete") {
        wizard.selectRoms(names);
        placeAt(selected, 35);
        QTest::keyClick(selected, Qt::Key_Delete);
    } else if (action == "C") {
        wizard.selectRoms(names.mid(0, 30));
        placeAt(files, 9);
        wizard.click("btnClear");
    }

    QApplication::processEvents();
    for (QAbstractItemView* list : {static_cast<QAbstractItemView*>(files), selected}) {
        if (!list->currentIndex().isValid())
            continue;
        const QRect place = list->visualRect(list->currentIndex());
        QVERIFY2(list->viewport()->rect().contains(place),
                 qPrintable(list->objectName() + QStringLiteral(": ") +
                            list->currentIndex().data().toString() +
                            QStringLiteral(" out of view")));
    }
}

void TestRomSelection::listsFollowTheDisk_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("folder");
    QTest::newRow("a file in the file list") << "FileListBox1" << false;
    QTest::newRow("a folder in the folder list") << "DirectoryListBox1" << true;
    // Created while page 4 is not shown: there when it is.
    QTest::newRow("a folder in page 4's folder list") << "DirectoryListBox2" << true;
}

void TestRomSelection::listsFollowTheDisk()
{
    QFETCH(QString, list);
    QFETCH(bool, folder);
    WizardFixture wizard;
    for (const char* name : {"a.nes", "c.nes", "x.nes"})
        wizard.addRom(QString::fromLatin1(name), "rom");
    wizard.start();
    wizard.selectRoms({"x.nes"});
    auto* shown = wizard.control<QListWidget>(list.toLatin1().constData());
    shown->setCurrentRow(shown->count() - 1, QItemSelectionModel::ClearAndSelect);
    const QString current = shown->currentItem()->text();
    const auto kept = [&] {
        return shown->currentItem() && shown->currentItem()->text() == current &&
               shown->currentItem()->isSelected() && shown->selectedItems().size() == 1;
    };
    const QString name = folder ? QStringLiteral("b") : QStringLiteral("b.nes");
    const QString path = platform::joinPath(wizard.romsDirectory, name);
    const QString selectedRom = platform::joinPath(wizard.romsDirectory, QStringLiteral("x.nes"));

    // Created (and the selected rom deleted): it appears.
    QVERIFY(QFile::remove(selectedRom));
    if (folder)
        QVERIFY(QDir(wizard.romsDirectory).mkdir(name));
    else
        testfiles::makeFile(wizard.romsDirectory, name, "rom");
    if (!shown->isVisible()) {
        for (int step = 1; step < 4; ++step)
            wizard.click("btnNext");
    }
    QTRY_VERIFY(wizard.entries(shown).contains(name));
    QVERIFY(kept());

    // Removed (and the selected rom back): it goes; a selected rom stays out.
    testfiles::makeFile(wizard.romsDirectory, QStringLiteral("x.nes"), "rom");
    QVERIFY(folder ? QDir(wizard.romsDirectory).rmdir(name) : QFile::remove(path));
    QTRY_VERIFY(!wizard.entries(shown).contains(name));
    QVERIFY(kept());
    QCOMPARE(wizard.entries("FileListBox1"), (QStringList{"a.nes", "c.nes"}));
}

QTEST_MAIN(TestRomSelection)
#include "tst_romselection.moc"
