#include "platform/Drives.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/DriveComboBox.h"
#include "wizard/controls/FileListBox.h"
#include "wizard/controls/FilterComboBox.h"
#include "wizard/controls/FolderIcons.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace wizard;

namespace
{

QString makeDir(const QString& parent, const QString& name)
{
    if (!QDir(parent).mkpath(name))
        qFatal("cannot make directory %s", qPrintable(name));
    return QDir(QDir(parent).filePath(name)).canonicalPath();
}

QString native(const QString& path)
{
    return platform::nativeDirectory(path);
}

QStringList entries(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

QListWidgetItem* entryFor(const DirectoryListBox& list, const QString& path)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->data(Qt::UserRole).toString() == native(path))
            return list.item(i);
    }
    return nullptr;
}

// Whether two icons show the same picture at the list's icon size.
bool samePicture(const QIcon& a, const QIcon& b)
{
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

// What a user's choice in the drive selector does: the entry becomes current,
// then activated() follows.
void choose(DriveComboBox& combo, int index)
{
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

} // namespace

class tst_FileSystemWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void directoryListShowsPathThenSortedSubdirectories();
    void directoryListOpensEntry_data();
    void directoryListOpensEntry();
    void directoryListRefusesOrIgnores_data();
    void directoryListRefusesOrIgnores();
    void directoryListResolvesLinksAndEntersUnreadable();

    void driveComboFollowsAndMovesList();

    void fileListMatchesMask_data();
    void fileListMatchesMask();
    void fileListRereadsOnlyOnChange();
    void fileListRemovesSelectedRows_data();
    void fileListRemovesSelectedRows();

    void filterComboParsesFilter_data();
    void filterComboParsesFilter();
    void filterComboSetsListMask();

private:
    QTemporaryDir m_temp;
    QString m_root; // canonical path of a fresh directory per test
};

void tst_FileSystemWidgets::init()
{
    QVERIFY(m_temp.isValid());
    static int serial = 0;
    m_root = makeDir(m_temp.path(), QString::number(++serial));
}

void tst_FileSystemWidgets::directoryListShowsPathThenSortedSubdirectories()
{
    for (const char* name : {"gamma", "Alpha", "beta", ".hidden"})
        makeDir(m_root, name);
    testfiles::makeFile(m_root, "file.nes", "x");

    DirectoryListBox list;
    QSignalSpy changed(&list, &DirectoryListBox::changed);
    QVERIFY(list.setDirectory(m_root));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(list.directory(), native(m_root));

    QStringList expectedPaths;
    QDir walk(m_root);
    do
        expectedPaths.prepend(native(walk.absolutePath()));
    while (walk.cdUp());
    const int depth = int(expectedPaths.size());
    for (const char* name : {"Alpha", "beta", "gamma"})
        expectedPaths << native(QDir(m_root).filePath(name));

    QCOMPARE(list.count(), expectedPaths.size());
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem* item = list.item(i);
        QCOMPARE(item->data(Qt::UserRole).toString(), expectedPaths.at(i));
        const QString name =
            i == 0 ? expectedPaths.at(0) : QFileInfo(expectedPaths.at(i)).fileName();
        QCOMPARE(item->text(), name);
        // The path one level deeper each entry, the subdirectories one below
        // the current directory; open folders on the path, closed ones below.
        QCOMPARE(item->data(DirectoryListBox::DepthRole).toInt(), qMin(i, depth));
        QVERIFY(samePicture(item->icon(), i < depth ? openFolderIcon() : closedFolderIcon()));
    }
    QCOMPARE(list.currentRow(), depth - 1);

    // Drawn, the rows are as high as the file list's, the icons indented by depth.
    FileListBox files;
    files.setDirectory(m_root);
    QVERIFY(files.count() == 1);
    for (QListWidget* view :
         {static_cast<QListWidget*>(&list), static_cast<QListWidget*>(&files)}) {
        view->resize(300, 600);
        view->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.visualItemRect(list.item(0)).height(),
             files.visualItemRect(files.item(0)).height());
    const auto iconLeft = [&list](int row) {
        const QImage image = list.viewport()->grab(list.visualItemRect(list.item(row))).toImage();
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) != image.pixelColor(0, 0))
                    return x;
        return -1;
    };
    list.clearSelection();
    QVERIFY(iconLeft(depth) > iconLeft(0) && iconLeft(depth) == iconLeft(depth + 1));
}

void tst_FileSystemWidgets::directoryListOpensEntry_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("Enter") << false;
    QTest::newRow("double-click") << true;
}

void tst_FileSystemWidgets::directoryListOpensEntry()
{
    QFETCH(bool, byMouse);
    const QString sub = makeDir(m_root, "sub");
    DirectoryListBox list;
    list.resize(300, 600);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.setDirectory(m_root));
    QSignalSpy changed(&list, &DirectoryListBox::changed);

    const auto open = [&](const QString& path) {
        QListWidgetItem* item = entryFor(list, path);
        QVERIFY(item != nullptr);
        list.scrollToItem(item);
        if (byMouse) {
            const QPoint centre = list.visualItemRect(item).center();
            // The widget double-click of QTest brings only its second press.
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        } else {
            list.setCurrentItem(item);
            QTest::keyClick(&list, Qt::Key_Return);
        }
    };

    open(sub);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(list.directory(), native(sub));
    QCOMPARE(list.currentItem()->data(Qt::UserRole).toString(), native(sub));

    open(sub); // the current directory's own entry
    QCOMPARE(changed.count(), 1);

    open(m_root); // an ancestor
    QCOMPARE(changed.count(), 2);
    QCOMPARE(list.directory(), native(m_root));

    // An entry whose directory vanished after the listing is dropped.
    QVERIFY(QDir(sub).removeRecursively());
    open(sub);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(list.directory(), native(m_root));
    QVERIFY(entryFor(list, sub) == nullptr);
}

void tst_FileSystemWidgets::directoryListRefusesOrIgnores_data()
{
    QTest::addColumn<QString>("path"); // relative to the test's directory; "" stays empty
    QTest::addColumn<bool>("result");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("a file") << "file.nes" << false;
    QTest::newRow("same") << "." << true;
    QTest::newRow("same, trailing separator") << "./" << true;
    QTest::newRow("same, roundabout") << "sub/.." << true;
}

void tst_FileSystemWidgets::directoryListRefusesOrIgnores()
{
    QFETCH(QString, path);
    QFETCH(bool, result);
    makeDir(m_root, "sub");
    testfiles::makeFile(m_root, "file.nes", "x");
    DirectoryListBox list;
    QVERIFY(list.setDirectory(m_root));
    const QStringList before = entries(list);
    QSignalSpy changed(&list, &DirectoryListBox::changed);

    const QString argument =
        path.isEmpty() ? QString() : QDir::toNativeSeparators(m_root + QLatin1Char('/') + path);
    QCOMPARE(list.setDirectory(argument), result);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(list.directory(), native(m_root));
    QCOMPARE(entries(list), before);
}

void tst_FileSystemWidgets::directoryListResolvesLinksAndEntersUnreadable()
{
    const QString target = makeDir(m_root, "target");
    const QString link = QDir(m_root).filePath("shortcut.lnk"); // a shortcut on Windows
    QVERIFY(QFile::link(target, link));
    DirectoryListBox list;
    QVERIFY(list.setDirectory(link));
    QCOMPARE(list.directory(), native(target));

#ifdef Q_OS_WIN
    QSKIP("Qt's permissions cannot make a directory unreadable on Windows");
#endif
    // Entering works; the listing may be empty (or not, for an administrator).
    const QString locked = makeDir(m_root, "locked");
    makeDir(locked, "inner");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const bool entered = list.setDirectory(locked);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(entered);
    QCOMPARE(list.directory(), native(locked));
    QCOMPARE(list.currentItem()->data(Qt::UserRole).toString(), native(locked));
}

void tst_FileSystemWidgets::driveComboFollowsAndMovesList()
{
    const QString sub = makeDir(m_root, "sub");
    DirectoryListBox list;
    QVERIFY(list.setDirectory(m_root));
    DriveComboBox combo;
    combo.setDirectoryList(&list);
    const QString ownRoot = platform::driveRootOf(list.directory());
    QCOMPARE(combo.currentData().toString(), ownRoot);
    const int ownIndex = combo.currentIndex();
    QSignalSpy changed(&list, &DirectoryListBox::changed);

    // A drive that cannot be entered: the list stays, the selection returns.
    const QString missing = native(QDir(m_root).filePath("no drive"));
    combo.addItem(missing, missing);
    choose(combo, combo.count() - 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(list.directory(), native(m_root));
    QCOMPARE(combo.currentIndex(), ownIndex);

    // The directory last shown on the drive has gone: the drive's root instead.
    QVERIFY(list.setDirectory(sub));
    QVERIFY(QDir(sub).removeRecursively());
    choose(combo, ownIndex);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(list.directory(), ownRoot);
    QCOMPARE(combo.currentIndex(), ownIndex);

    // Another volume (the file-system root where it is one): its root at
    // first, then back to the directory last shown on the list's own drive.
    QVERIFY(list.setDirectory(m_root));
    QStringList otherRoots;
    for (int i = 0; i < combo.count(); ++i) {
        const QString root = combo.itemData(i).toString();
        if (root != ownRoot && root != missing && platform::driveRootOf(root) == root)
            otherRoots << root;
    }
    if (otherRoots.isEmpty())
        QSKIP("only one volume is mounted");
    const QString fileSystemRoot = native(QDir::rootPath());
    const QString otherRoot =
        otherRoots.contains(fileSystemRoot) ? fileSystemRoot : otherRoots.first();
    choose(combo, combo.findData(otherRoot));
    QCOMPARE(changed.count(), 4);
    QCOMPARE(list.directory(), otherRoot);
    QCOMPARE(combo.currentData().toString(), otherRoot);

    choose(combo, ownIndex);
    QCOMPARE(changed.count(), 5);
    QCOMPARE(list.directory(), native(m_root));
    QCOMPARE(combo.currentIndex(), ownIndex);
}

void tst_FileSystemWidgets::fileListMatchesMask_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("*.nes, any case")
        << "*.nes" << QStringList{"apple.nes", "Banana.NES", "cherry.Nes"};
    QTest::newRow("*.* takes names without a dot")
        << "*.*"
        << QStringList{"apple.nes", "Banana.NES", "cherry.Nes", "notes.txt", "README", "x.nesx"};
    QTest::newRow("?, several masks") << "?.nesx; *.TXT" << QStringList{"notes.txt", "x.nesx"};
    QTest::newRow("name without a dot") << "readme.*" << QStringList{"README"};
    QTest::newRow("no match") << "*.gba" << QStringList{};
}

void tst_FileSystemWidgets::fileListMatchesMask()
{
    QFETCH(QString, mask);
    QFETCH(QStringList, expected);
    // Made in an order that is not the sorted one; dot-files and directories
    // never show.
    for (const char* name :
         {"cherry.Nes", "README", "Banana.NES", "x.nesx", "notes.txt", "apple.nes", ".hidden.nes"})
        testfiles::makeFile(m_root, name, "x");
    makeDir(m_root, "folder.nes");

    FileListBox list;
    QCOMPARE(list.mask(), QStringLiteral("*.nes"));
    QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    list.setMask(mask);
    list.setDirectory(m_root);
    QCOMPARE(list.directory(), native(m_root));
    QCOMPARE(entries(list), expected);
}

void tst_FileSystemWidgets::fileListRereadsOnlyOnChange()
{
    const QString other = makeDir(m_root, "other");
    testfiles::makeFile(m_root, "a.nes", "x");
    testfiles::makeFile(other, "b.nes", "x");
    FileListBox list;
    list.setDirectory(m_root);
    QCOMPARE(entries(list), QStringList{"a.nes"});

    // Entries taken off the display stay off until something changes.
    delete list.takeItem(0);
    list.setDirectory(native(m_root));
    list.setDirectory(m_root + QLatin1Char('/'));
    list.setMask("*.nes");
    QCOMPARE(list.count(), 0);

    list.setMask("*.*");
    QCOMPARE(entries(list), QStringList{"a.nes"});
    testfiles::makeFile(m_root, "c.nes", "x");
    list.setMask("*.nes");
    QCOMPARE(entries(list), (QStringList{"a.nes", "c.nes"}));

    list.setDirectory(other);
    QCOMPARE(entries(list), QStringList{"b.nes"});
    testfiles::makeFile(other, "d.nes", "x");
    list.reread();
    QCOMPARE(entries(list), (QStringList{"b.nes", "d.nes"}));

    list.setDirectory(QDir(m_root).filePath("missing"));
    QCOMPARE(list.count(), 0);
}

void tst_FileSystemWidgets::filterComboParsesFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("mask");
    QTest::newRow("the page's filter") << "NES roms|*.nes|All files (*.*)|*.*"
                                       << QStringList{"NES roms", "All files (*.*)"} << "*.nes";
    QTest::newRow("caption without mask") << "Roms|*.nes|Odd" << QStringList{"Roms"} << "*.nes";
    QTest::newRow("empty") << "" << QStringList{} << "";
}

void tst_FileSystemWidgets::filterComboParsesFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, captions);
    QFETCH(QString, mask);
    FilterComboBox combo;
    combo.setFilter("Old|*.old|Older|*.older");
    combo.setCurrentIndex(1);
    combo.setFilter(filter);
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i)
        shown << combo.itemText(i);
    QCOMPARE(shown, captions);
    QCOMPARE(combo.currentIndex(), captions.isEmpty() ? -1 : 0);
    QCOMPARE(combo.mask(), mask);
}

void tst_FileSystemWidgets::filterComboSetsListMask()
{
    testfiles::makeFile(m_root, "game.nes", "x");
    testfiles::makeFile(m_root, "notes.txt", "x");
    FileListBox list;
    list.setDirectory(m_root);
    list.setMask("*.txt");
    FilterComboBox combo;
    combo.setFilter("NES roms|*.nes|All files (*.*)|*.*");
    combo.setFileList(&list);
    QCOMPARE(list.mask(), QStringLiteral("*.nes")); // tying hands over the chosen mask
    QCOMPARE(entries(list), QStringList{"game.nes"});

    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.mask(), QStringLiteral("*.*"));
    QCOMPARE(list.mask(), QStringLiteral("*.*"));
    QCOMPARE(entries(list), (QStringList{"game.nes", "notes.txt"}));

    combo.setFilter("Text|*.txt");
    QCOMPARE(entries(list), QStringList{"notes.txt"});
}

void tst_FileSystemWidgets::fileListRemovesSelectedRows_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("focusedAfter");
    QTest::newRow("every other, focus goes")
        << QList<int>{0, 2, 4} << 4 << QStringList{"b.nes", "d.nes"} << "d.nes";
    QTest::newRow("a run, focus stays")
        << QList<int>{1, 2} << 3 << QStringList{"a.nes", "d.nes", "e.nes"} << "d.nes";
    QTest::newRow("from the first, focus goes")
        << QList<int>{0, 1} << 0 << QStringList{"c.nes", "d.nes", "e.nes"} << "c.nes";
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4} << 2 << QStringList{} << QString();
}

void tst_FileSystemWidgets::fileListRemovesSelectedRows()
{
    QFETCH(QList<int>, selected);
    QFETCH(int, focused);
    QFETCH(QStringList, left);
    QFETCH(QString, focusedAfter);
    for (const char* name : {"a.nes", "b.nes", "c.nes", "d.nes", "e.nes"})
        testfiles::makeFile(m_root, name, "x");
    FileListBox list;
    list.setDirectory(m_root);
    list.setCurrentRow(focused, QItemSelectionModel::NoUpdate);
    // Selected from the last to the first, as a user's control-clicks may come.
    for (auto row = selected.crbegin(); row != selected.crend(); ++row)
        list.item(*row)->setSelected(true);

    QCOMPARE(list.selectedRows(), selected);
    list.removeRows(list.selectedRows());
    QCOMPARE(entries(list), left);
    QCOMPARE(list.currentItem() ? list.currentItem()->text() : QString(), focusedAfter);
    QVERIFY(list.selectedItems().isEmpty());
}

QTEST_MAIN(tst_FileSystemWidgets)
#include "tst_filesystemwidgets.moc"
