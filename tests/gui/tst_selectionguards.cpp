// Page 1's warnings and the questions "Write!" asks: an image larger than a
// GBA cartridge holds, and files that are not iNES roms.

#include "WizardFixture.h"

#include "builder/FileMeasure.h"
#include "wizard/controls/DirectoryListBox.h"

#include <QPalette>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

const QColor Red(255, 0, 0);

QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

// The first column of a list entry, from its left, that shows anything but
// the background: where its icon begins, or its name when it has none.
int firstMarkedColumn(QAbstractItemView* list, int row)
{
    list->doItemsLayout(); // the view lays new entries out only when it next paints
    const QImage image = list->viewport()->grab().toImage();
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    const QRgb background = image.pixel(rect.right() - 1, rect.top());
    for (int x = rect.left(); x < rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (image.pixel(x, y) != background)
                return x - rect.left();
        }
    }
    return -1;
}

// A rom whose header declares 255 program and 255 character banks, as long as
// declared (6,266,896 bytes) but sparse, so it costs nothing to make.
void addLargeRom(WizardFixture& wizard, const QString& name)
{
    const QString path =
        testfiles::makeFile(wizard.romsDirectory, name, testfiles::makeRom(255, 255, 0));
    QVERIFY(QFile::resize(path, 16 + 255 * 16384 + 255 * 8192));
}

} // namespace

class TestSelectionGuards : public QObject
{
    Q_OBJECT

private slots:
    void estimateAboveCapacityIsRed_data();
    void estimateAboveCapacityIsRed();
    void oversizeWriteIsConfirmed_data();
    void oversizeWriteIsConfirmed();
    void nonRomIsMarked_data();
    void nonRomIsMarked();
    void changedRomIsMeasuredAgain_data();
    void changedRomIsMeasuredAgain();
    void nonRomWriteIsConfirmed_data();
    void nonRomWriteIsConfirmed();
    void unreadableFileIsNotAskedAbout();
    void unreadableRomMarkFollowsTheDisk_data();
    void unreadableRomMarkFollowsTheDisk();

private:
    static void goToWritePage(WizardFixture& wizard, const QString& outputDirectory)
    {
        for (int i = 0; i < 3; ++i)
            wizard.click("btnNext");
        QCOMPARE(frmRomweaver->CurrentStep, 4);
        QVERIFY(
            wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(outputDirectory));
    }
};

void TestSelectionGuards::estimateAboveCapacityIsRed_data()
{
    // The base rom is 196 KB; the estimate is 196 KB plus the roms' KB.
    QTest::addColumn<qint64>("romBytes");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("red");
    QTest::newRow("exactly the capacity")
        << qint64(32572) * 1024 << QStringLiteral("GBA rom size: ~32768 KB") << false;
    QTest::newRow("one KB more") << qint64(32573) * 1024
                                 << QStringLiteral("GBA rom size: ~32769 KB") << true;
}

void TestSelectionGuards::estimateAboveCapacityIsRed()
{
    QFETCH(qint64, romBytes);
    QFETCH(QString, label);
    QFETCH(bool, red);
    WizardFixture wizard;
    const QString path = testfiles::makeFile(wizard.romsDirectory, QStringLiteral("a.nes"), {});
    QVERIFY(QFile::resize(path, romBytes));
    wizard.start();
    auto* size = wizard.control<QLabel>("lblTotalSize");
    const QColor normal = textColour(size);
    wizard.selectRoms({"a.nes"});

    QCOMPARE(size->text(), label);
    QCOMPARE(textColour(size) == Red, red);
    const QString why =
        red ? QStringLiteral("More than a GBA cartridge holds (32768 KB)") : QString();
    QCOMPARE(size->toolTip(), why);
    QCOMPARE(size->accessibleDescription(), why);

    wizard.click("btnClear"); // the default form is never red
    QCOMPARE(size->text(), QStringLiteral("GBA rom size: ~196 KB (default)"));
    QCOMPARE(textColour(size), normal);
    QCOMPARE(size->toolTip(), QString());
}

void TestSelectionGuards::oversizeWriteIsConfirmed_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No changes nothing") << false;
    QTest::newRow("Yes writes") << true;
}

void TestSelectionGuards::oversizeWriteIsConfirmed()
{
    QFETCH(bool, yes);
    WizardFixture wizard;
    const QStringList names{"a.nes", "b.nes", "c.nes", "d.nes", "e.nes", "f.nes"};
    for (const QString& name : names)
        addLargeRom(wizard, name);
    QTemporaryDir out;
    wizard.start();
    wizard.selectRoms(names);
    goToWritePage(wizard, out.path());

    BoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
    wizard.click("btnWrite");
    // 196 KiB + 6 menu lines of 7 bytes + 6 roms of 6,266,896 bytes = 37,802,122 bytes.
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Confirm"));
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("The GBA rom will be 36917 KB, more than the 32768 KB a GBA cartridge "
                            "holds. Write it anyway?"));
    const QString output = QDir(out.path()).filePath(QStringLiteral("Whatever.gba"));
    if (yes) {
        QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
        QCOMPARE(QFileInfo(output).size(), qint64(37802122));
        return;
    }
    QVERIFY(!QFile::exists(output));
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("menu.out")));
    QCOMPARE(wizard.text("lblStatus"),
             QStringLiteral("Press the button to write the NES roms to the GBA rom!"));
    QCOMPARE(wizard.text("lblProgress"), QStringLiteral("0 % done"));
    QCOMPARE(wizard.control<QProgressBar>("ProgressBar1")->value(), 0);
}

void TestSelectionGuards::nonRomIsMarked_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("marked");
    QTest::newRow("iNES rom") << testfiles::makeRom(1, 0, 100) << false;
    QTest::newRow("signature alone") << QByteArray("NES\x1a", 4) << false;
    QTest::newRow("three bytes") << QByteArray("NES") << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("lower-case signature") << QByteArray("nes\x1a\x01\x00", 6) << true;
    QTest::newRow("text") << QByteArray("Some notes about the roms.\n") << true;
}

void TestSelectionGuards::nonRomIsMarked()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, marked);
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), bytes);
    wizard.addRom(QStringLiteral("b.nes"), testfiles::makeRom(1, 0, 100));
    wizard.start();
    wizard.selectRoms({"a.nes", "b.nes"});
    auto* list = wizard.control<QAbstractItemView>("lstNESRoms");
    const QModelIndex entry = list->model()->index(0, 0);
    QCOMPARE(entry.data().toString(), QStringLiteral("a.nes"));
    QCOMPARE(!entry.data(Qt::DecorationRole).value<QIcon>().isNull(), marked);
    const QString why = marked ? QStringLiteral("Not an iNES rom") : QString();
    QCOMPARE(entry.data(Qt::ToolTipRole).toString(), why);
    QCOMPARE(entry.data(Qt::AccessibleDescriptionRole).toString(), why);
    // Names line up: an entry without a mark keeps the mark's room free.
    const int nameColumn = firstMarkedColumn(list, 1);
    QVERIFY2(nameColumn >= list->iconSize().width(), qPrintable(QString::number(nameColumn)));
}

void TestSelectionGuards::changedRomIsMeasuredAgain_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray rom = testfiles::makeRom(1, 0, 16 * 1024);
    QTest::newRow("a rom becomes notes") << rom << QByteArray("Some notes.");
    QTest::newRow("notes become a rom") << QByteArray("Some notes.") << rom;
}

void TestSelectionGuards::changedRomIsMeasuredAgain()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), before);
    wizard.start();
    wizard.selectRoms({"a.nes"});
    // Taken out, given new bytes under the same name and selected again: its
    // mark and its size are the file's as it is now.
    wizard.setCurrentRow("lstNESRoms", 0);
    frmRomweaver->lstNESRomsDblClick();
    wizard.addRom(QStringLiteral("a.nes"), after);
    wizard.selectRoms({"a.nes"});
    const bool ines = after.startsWith("NES");
    QCOMPARE(wizard.entryData("lstNESRoms", 0, Qt::ToolTipRole).toString(),
             ines ? QString() : QStringLiteral("Not an iNES rom"));
    QCOMPARE(frmRomweaver->SelectedRomsSizeKB(), int(builder::roundedKB(after.size())));
}

void TestSelectionGuards::nonRomWriteIsConfirmed_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No changes nothing") << false;
    QTest::newRow("Yes writes") << true;
}

void TestSelectionGuards::nonRomWriteIsConfirmed()
{
    QFETCH(bool, yes);
    WizardFixture wizard;
    const QByteArray rom = testfiles::makeRom(1, 0, 16384);
    const QByteArray notes("These are notes, not a rom at all.");
    wizard.addRom(QStringLiteral("good.nes"), rom);
    wizard.addRom(QStringLiteral("notes.nes"), notes);
    wizard.addRom(QStringLiteral("tiny.nes"), "NE");
    QTemporaryDir out;
    wizard.start();
    for (const char* name : {"good.nes", "tiny.nes", "notes.nes"})
        wizard.selectRoms({QString::fromLatin1(name)});
    goToWritePage(wizard, out.path());

    BoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
    wizard.click("btnWrite");
    QCOMPARE(answerer.boxes.size(), 1); // one question, naming the first such file
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Confirm"));
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("tiny.nes in %1 is not an iNES rom. Romweaver will write it into the "
                            "GBA rom as it is, cut to the size its bytes 4 and 5 declare or with "
                            "those bytes changed in the GBA rom only; the file itself is not "
                            "changed. Write anyway?")
                 .arg(wizard.romsDirectory));
    const QString output = QDir(out.path()).filePath(QStringLiteral("Whatever.gba"));
    const QString notesPath = platform::joinPath(wizard.romsDirectory, QStringLiteral("notes.nes"));
    // Written or not, neither file changes and no backup is made.
    QVERIFY(
        !QFile::exists(platform::joinPath(wizard.romsDirectory, QStringLiteral("Romweaver.bak"))));
    QCOMPARE(testfiles::readFile(notesPath), notes);
    QCOMPARE(testfiles::readFile(platform::joinPath(wizard.romsDirectory, "tiny.nes")),
             QByteArray("NE"));
    if (yes) {
        QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
        QVERIFY(QFile::exists(output));
        return;
    }
    QVERIFY(!QFile::exists(output));
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("menu.out")));
    QCOMPARE(wizard.text("lblStatus"),
             QStringLiteral("Press the button to write the NES roms to the GBA rom!"));
}

void TestSelectionGuards::unreadableFileIsNotAskedAbout()
{
    // The build fails on a file that is gone, as it always did: no question
    // first, only the failure's warning.
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("notes.nes"), "notes");
    QTemporaryDir out;
    wizard.start();
    wizard.selectRoms({"notes.nes"});
    goToWritePage(wizard, out.path());
    QVERIFY(QFile::remove(platform::joinPath(wizard.romsDirectory, QStringLiteral("notes.nes"))));
    BoxAnswerer answerer(QMessageBox::No);
    wizard.click("btnWrite");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing the GBA rom failed."));
}

void TestSelectionGuards::unreadableRomMarkFollowsTheDisk_data()
{
    QTest::addColumn<bool>("folderInstead");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << false << "Missing: the file was moved, renamed or deleted";
    QTest::newRow("not a regular file")
        << true << "Not a regular file: a folder, a device, a pipe or a socket";
}

void TestSelectionGuards::unreadableRomMarkFollowsTheDisk()
{
    QFETCH(bool, folderInstead);
    QFETCH(QString, why);
    WizardFixture wizard;
    const QByteArray rom = testfiles::makeRom(1, 0, 100);
    for (const char* name : {"a.nes", "b.nes", "c.nes"})
        wizard.addRom(QString::fromLatin1(name), rom);
    wizard.start();
    wizard.selectRoms({"a.nes"});
    const QString path = platform::joinPath(wizard.romsDirectory, QStringLiteral("a.nes"));
    QVERIFY(QFile::remove(path));
    if (folderInstead)
        QVERIFY(QDir(wizard.romsDirectory).mkdir(QStringLiteral("a.nes")));
    const auto entry = [&wizard](int role) { return wizard.entryData("lstNESRoms", 0, role); };

    // Marked at the next estimate; the box stays as it is.
    BoxAnswerer answerer;
    wizard.selectRoms({"b.nes"});
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].text, QStringLiteral("Failed to read NES rom(s)"));
    QCOMPARE(entry(Qt::ToolTipRole).toString(), why);
    QCOMPARE(entry(Qt::AccessibleDescriptionRole).toString(), why);
    QVERIFY(!entry(Qt::DecorationRole).value<QIcon>().isNull());

    // Readable again: unmarked at the next estimate.
    if (folderInstead)
        QVERIFY(QDir(wizard.romsDirectory).rmdir(QStringLiteral("a.nes")));
    testfiles::makeFile(wizard.romsDirectory, QStringLiteral("a.nes"), rom);
    wizard.selectRoms({"c.nes"});
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(entry(Qt::ToolTipRole).toString(), QString());
    QVERIFY(entry(Qt::DecorationRole).value<QIcon>().isNull());
}

QTEST_MAIN(TestSelectionGuards)
#include "tst_selectionguards.moc"
