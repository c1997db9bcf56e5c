// Files dragged from a file manager onto the selected-roms list, as synthetic
// drag and drop events carrying URLs.

#include "WizardFixture.h"

#include "wizard/controls/DirectoryListBox.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

class TestRomDrop : public QObject
{
    Q_OBJECT

private slots:
    void drop_data();
    void drop();
    void dropOnlyOnPageOne();

private:
    // Enters, moves over and drops on the list's viewport, as a drag does;
    // returns whether the list took the drag. The list acts on the drop from
    // the event loop, which runs here once.
    static bool dragAndDrop(QAbstractItemView* list, const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint point(10, 10);
        QDragEnterEvent enter(point, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(point), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
};

void TestRomDrop::drop_data()
{
    // Dropped items: "roms/NAME" and "other/NAME" are files in the rom
    // directory and in a second one, "roms/" the rom directory itself, "http"
    // a file on the web. c.nes is selected before the drop.
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QString>("warning");

    QTest::newRow("rom directory, in the order dropped")
        << QStringList{"roms/b.nes", "roms/a.nes"} << true << "roms"
        << QStringList{"c.nes", "b.nes", "a.nes"} << QString();
    QTest::newRow("one other directory: the directory list moves")
        << QStringList{"other/y.nes", "other/x.nes"} << true << "other"
        << QStringList{"y.nes", "x.nes"} << QString();
    QTest::newRow("several directories: nothing added")
        << QStringList{"roms/a.nes", "other/x.nes"} << true << "roms" << QStringList{"c.nes"}
        << QStringLiteral("All NES roms have to be in the same directory.");
    QTest::newRow("directories and web files left out")
        << QStringList{"roms/", "http", "other/", "roms/a.nes"} << true << "roms"
        << QStringList{"c.nes", "a.nes"} << QString();
    QTest::newRow("no local file: the drag is refused")
        << QStringList{"roms/", "http"} << false << "roms" << QStringList{"c.nes"} << QString();
}

void TestRomDrop::drop()
{
    QFETCH(QStringList, dropped);
    QFETCH(bool, taken);
    QFETCH(QString, directory);
    QFETCH(QStringList, selection);
    QFETCH(QString, warning);

    WizardFixture wizard;
    QTemporaryDir otherDir;
    const QString other = platform::nativeDirectory(otherDir.path());
    for (const char* name : {"a.nes", "b.nes", "c.nes", "d.nes"})
        wizard.addRom(QString::fromLatin1(name), testfiles::makeRom(1, 0, 1024));
    for (const char* name : {"x.nes", "y.nes"})
        testfiles::makeFile(other, QString::fromLatin1(name), testfiles::makeRom(1, 0, 1024));
    wizard.start();
    wizard.selectRoms({"c.nes"});

    QList<QUrl> urls;
    for (const QString& item : dropped) {
        if (item == QStringLiteral("http")) {
            urls << QUrl(QStringLiteral("https://example.com/roms/e.nes"));
            continue;
        }
        const QString root =
            item.startsWith(QStringLiteral("roms/")) ? wizard.romsDirectory : other;
        urls << QUrl::fromLocalFile(QDir(root).filePath(item.section(QLatin1Char('/'), 1)));
    }
    BoxAnswerer answerer;
    QCOMPARE(dragAndDrop(wizard.control<QAbstractItemView>("lstNESRoms"), urls), taken);

    const QString expectedDirectory =
        directory == QStringLiteral("roms") ? wizard.romsDirectory : other;
    QVERIFY(platform::namesSameFile(frmRomweaver->NESRomsDir(), expectedDirectory));
    QCOMPARE(wizard.entries("lstNESRoms"), selection);
    QCOMPARE(wizard.text("lblTotalRoms"),
             QStringLiteral("Total NES roms selected: %1").arg(selection.size()));
    QCOMPARE(answerer.boxes.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty()) {
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
        QCOMPARE(answerer.boxes[0].text, warning);
    }
    // Added as ">>" adds them: gone from the file list, the estimate form shown.
    const QStringList files = wizard.entries("FileListBox1");
    for (const QString& name : selection)
        QVERIFY2(!files.contains(name), qPrintable(name));
    // Every rom is 1040 bytes; the estimate rounds their total once.
    const qint64 bytes = selection.size() * (16 + 1024);
    QCOMPARE(wizard.text("lblTotalSize"),
             QStringLiteral("GBA rom size: ~%1 KB").arg(196 + qRound(bytes / 1024.0)));
}

void TestRomDrop::dropOnlyOnPageOne()
{
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 0, 1024));
    wizard.addRom(QStringLiteral("b.nes"), testfiles::makeRom(1, 0, 1024));
    wizard.start();
    wizard.selectRoms({"a.nes"});
    wizard.click("btnNext");
    const QUrl b =
        QUrl::fromLocalFile(QDir(wizard.romsDirectory).filePath(QStringLiteral("b.nes")));
    QVERIFY(!dragAndDrop(wizard.control<QAbstractItemView>("lstNESRoms"), {b}));
    QCOMPARE(wizard.entries("lstNESRoms"), QStringList{"a.nes"});

    wizard.click("btnPrevious");
    QVERIFY(dragAndDrop(wizard.control<QAbstractItemView>("lstNESRoms"), {b}));
    QCOMPARE(wizard.entries("lstNESRoms"), (QStringList{"a.nes", "b.nes"}));
}

QTEST_MAIN(TestRomDrop)
#include "tst_romdrop.moc"
