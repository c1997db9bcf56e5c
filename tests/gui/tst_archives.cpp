// Roms in archives through the windows: the filter entry that lists them, the
// mark on an archive that gives no rom, the warning that stops "Write!" before
// anything is written, and the image written from archives.

#include "WizardFixture.h"

#include "builder/ArchiveReaderProcess.h"
#include "support/TestArchives.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/FilterComboBox.h"

using namespace testarchives;
using namespace wizard;

class TestArchives : public QObject
{
    Q_OBJECT

private slots:
    void buildFromArchives();
    void windowAnswersWhileArchivesAreLookedInto();
};

void TestArchives::buildFromArchives()
{
    constexpr int KB = 1024;
    WizardFixture wizard;
    const QByteArray exact = testfiles::makeRom(2, 1, 40 * KB, 1);
    const QByteArray longer = testfiles::makeRom(2, 1, 40 * KB + 300, 2);
    const QByteArray shorter = testfiles::makeRom(3, 1, 24 * KB, 3); // repaired to 2 and 0
    const QByteArray plain = testfiles::makeRom(1, 0, 16 * KB, 4);
    const QString dir = wizard.romsDirectory;
    const Member readme = file(QStringLiteral("readme.txt"), "Read me.");
    QStringList archives{
        makeArchive(dir + "/exact.zip", Format::ZipDeflate, {readme, file("exact.nes", exact)}),
        makeArchive(dir + "/long.7z", Format::SevenZip, {file("long.nes", longer)}),
        makeArchive(dir + "/short.nes.gz", Format::Gzip, {file("short.nes", shorter)}),
        makeArchive(dir + "/three.ZIP", Format::ZipStored,
                    {file("a.nes", exact), file("b.nes", exact), file("c.nes", plain)})};
    QList<QByteArray> archiveBytes;
    for (const QString& path : archives)
        archiveBytes << testfiles::readFile(path);
    wizard.addRom(QStringLiteral("plain.nes"), plain);
    wizard.addRom(QStringLiteral("notes.txt"), "notes");
    wizard.start();

    // The third filter entry lists archives, letter case ignored.
    auto* filter = wizard.control<FilterComboBox>("FilterComboBox1");
    QCOMPARE(filter->currentIndex(), 0);
    filter->setCurrentIndex(2);
    const QStringList names{"exact.zip", "long.7z", "plain.nes", "short.nes.gz", "three.ZIP"};
    QCOMPARE(wizard.entries("FileListBox1"), names);

    // Only the archive that gives no rom is marked; it adds nothing to the estimate.
    BoxAnswerer answerer;
    wizard.selectRoms(names);
    WizardFixture::waitForLooks();
    auto* selected = wizard.control<QAbstractItemView>("lstNESRoms");
    QCOMPARE(WizardFixture::entries(selected), names);
    QCOMPARE(WizardFixture::entries(selected, Qt::ToolTipRole),
             (QStringList{"", "", "", "",
                          "3 NES roms in this archive; Romweaver takes one rom per archive"}));
    // 196 KB + (40 KB + 16) + (40 KB + 316) + (24 KB + 16) + (16 KB + 16)
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~316 KB"));
    QCOMPARE(answerer.boxes.size(), 0);

    // "Write!" reads every archive first: nothing is written.
    for (int i = 0; i < 3; ++i)
        wizard.click("btnNext");
    QTemporaryDir out;
    QVERIFY(wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(out.path()));
    wizard.click("btnWrite");
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Warning"));
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("The GBA rom was not written: three.ZIP holds 3 NES roms; Romweaver "
                            "takes one rom per archive."));
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing the GBA rom failed."));
    const QString output = QDir(out.path()).filePath(QStringLiteral("Whatever.gba"));
    QVERIFY(!QFile::exists(output));
    QVERIFY(!QFile::exists(wizard.programDirectory + QStringLiteral("menu.out")));

    // Without it, the image holds each rom as its unpacked file would give it.
    for (int i = 0; i < 3; ++i)
        wizard.click("btnPrevious");
    wizard.setCurrentRow("lstNESRoms", 4);
    emit selected->doubleClicked(selected->currentIndex());
    QCOMPARE(WizardFixture::entries(selected), names.mid(0, 4));
    for (int i = 0; i < 3; ++i)
        wizard.click("btnNext");
    wizard.click("btnWrite");
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));
    const QByteArray menu = testfiles::readFile(wizard.programDirectory + "menu.out");
    QCOMPARE(menu, QByteArray("exact.zip\r\nlong.7z\r\nplain.nes\r\nshort.nes.gz\r\n"));
    QCOMPARE(testfiles::readFile(output), wizard.baseRom + menu + exact +
                                              longer.left(40 * KB + 16) + plain +
                                              testfiles::withCounts(shorter, 2, 0));
    for (qsizetype i = 0; i < archives.size(); ++i)
        QCOMPARE(testfiles::readFile(archives[i]), archiveBytes[i]);
    QVERIFY(!QFile::exists(platform::joinPath(dir, QStringLiteral("Romweaver.bak"))));
    const QByteArray log = testfiles::readFile(wizard.programDirectory + "Romweaver.log");
    QVERIFY(log.contains("\r\nlong.7z: only the rom size specified in header copied.\r\n"));
    QVERIFY(log.contains("\r\nshort.nes.gz: invalid rom size in header fixed in the GBA rom only; "
                         "the archive is unchanged.\r\n"));
    QCOMPARE(answerer.boxes.size(), 1);
    // The archives were all read off the window's thread, the build's reading too.
    QCOMPARE(builder::ArchiveReaderProcess::ofThisThread().peakMemory(), 0);
}

void TestArchives::windowAnswersWhileArchivesAreLookedInto()
{
    // Four archives whose reader takes a second each to answer.
    builder::ArchiveReaderProcess::setProgram(QStringLiteral(GREEDY_READER_EXECUTABLE));
    const auto restore = qScopeGuard([] {
        builder::ArchiveReaderProcess::setProgram(QStringLiteral(ROMWEAVER_ARCHIVE_READER));
    });
    WizardFixture wizard;
    const QStringList names{"slow1.zip", "slow2.zip", "slow3.zip", "slow4.zip"};
    for (const QString& name : names)
        wizard.addRom(name, "an archive");
    wizard.start();
    wizard.control<FilterComboBox>("FilterComboBox1")->setCurrentIndex(2);

    // The window's thread, timed by a timer of its own while the looks go on.
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestPause = 0;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestPause = qMax(longestPause, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    ticks.start();
    wizard.selectRoms(names);
    QVERIFY(wizard.text("lblTotalSize").contains(QStringLiteral("still looking into 4")));
    WizardFixture::waitForLooks();
    QVERIFY2(clock.elapsed() >= 2000, "the looks took less than their reader's seconds");
    QVERIFY2(longestPause < 500, qPrintable(QString::number(longestPause)));
    QCOMPARE(wizard.text("lblTotalSize"), QStringLiteral("GBA rom size: ~196 KB"));
}

QTEST_MAIN(TestArchives)
#include "tst_archives.moc"
