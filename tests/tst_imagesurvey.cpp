// What a build will make, from the roms' headers alone: each rom's appended
// length (whole or cut), whether it is an iNES rom, and the image's size.

#include "builder/GbaImageWriter.h"
#include "builder/ImageSurvey.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace builder;
using namespace testfiles;

class TestImageSurvey : public QObject
{
    Q_OBJECT

private slots:
    void surveyRom_data();
    void surveyRom();
    void largeFileIsMeasuredByItsHeader();
    void surveyImage();
    void unreadableInputLeavesTheSizeUnknown();
};

void TestImageSurvey::surveyRom_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ines");
    QTest::addColumn<qint64>("appended");

    QTest::newRow("as declared: whole") << makeRom(2, 1, 40 * 1024) << true << qint64(16 + 40960);
    QTest::newRow("longer: cut to the header")
        << makeRom(2, 1, 40 * 1024 + 512) << true << qint64(16 + 40960);
    QTest::newRow("shorter: repaired, whole")
        << makeRom(2, 1, 32 * 1024) << true << qint64(16 + 32768);
    QTest::newRow("no banks declared") << makeRom(0, 0, 100) << true << qint64(16);
    QTest::newRow("three bytes") << QByteArray("NES") << false << qint64(3);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
    QTest::newRow("lower-case signature")
        << QByteArray("nes\x1a\x00\x00", 6) + QByteArray(100, 0) << false << qint64(16);
    QTest::newRow("other file") << QByteArray("MZ\x90\x00\x03\x00", 6) + QByteArray(200, 'x')
                                << false << qint64(206);
}

void TestImageSurvey::surveyRom()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ines);
    QFETCH(qint64, appended);
    QTemporaryDir dir;
    const RomSurvey rom = builder::surveyRom(makeFile(dir.path(), QStringLiteral("a.nes"), bytes));
    QVERIFY(rom.readable);
    QCOMPARE(rom.ines, ines);
    QCOMPARE(rom.appendedLength, appended);
}

void TestImageSurvey::largeFileIsMeasuredByItsHeader()
{
    // 40 MiB on disk, 16 KiB declared: the build appends 16 KiB and the header.
    QTemporaryDir dir;
    const QString path = makeFile(dir.path(), QStringLiteral("big.nes"), makeRom(1, 0, 0));
    QVERIFY(QFile::resize(path, 40 * 1024 * 1024));
    QCOMPARE(builder::surveyRom(path).appendedLength, qint64(16 + 16384));
}

void TestImageSurvey::surveyImage()
{
    QTemporaryDir program;
    QTemporaryDir roms;
    makeFile(program.path(), QStringLiteral("Tessel.GBA"), QByteArray(1000, 'b'));
    makeFile(roms.path(), QStringLiteral("cut.nes"), makeRom(1, 0, 16384 + 99));
    makeFile(roms.path(), QStringLiteral("note.txt"), "hello");
    makeFile(roms.path(), QStringLiteral("junk.bin"), QByteArray(40, 'j'));
    BuildRequest request;
    request.files = platform::ProgramFiles(platform::nativeDirectory(program.path()) +
                                           platform::pathSeparator());
    request.romsDirectory = platform::nativeDirectory(roms.path());
    request.romFileNames = {"cut.nes", "note.txt", "junk.bin", "cut.nes"};

    // Menu lines: "A" and "Bé" (three bytes in UTF-8, two in a Windows code page), each with CR LF.
    request.menuLines = {"A", QStringLiteral("B\u00e9")};
    const ImageSurvey survey = builder::surveyImage(request);
    const qint64 secondLine = QStringLiteral("B\u00e9\r\n").toLocal8Bit().size();
    QCOMPARE(survey.imageLength,
             std::optional<qint64>(1000 + 3 + secondLine + 2 * (16 + 16384) + 5 + 40));
    QCOMPARE(survey.nonInesRoms, (QStringList{"note.txt", "junk.bin"}));
}

void TestImageSurvey::unreadableInputLeavesTheSizeUnknown()
{
    QTemporaryDir program;
    QTemporaryDir roms;
    makeFile(roms.path(), QStringLiteral("a.nes"), makeRom(1, 0, 16384));
    BuildRequest request;
    request.files = platform::ProgramFiles(platform::nativeDirectory(program.path()) +
                                           platform::pathSeparator());
    request.romsDirectory = platform::nativeDirectory(roms.path());
    request.romFileNames = {"a.nes"};
    QCOMPARE(builder::surveyImage(request).imageLength, std::nullopt); // no base rom

    makeFile(program.path(), QStringLiteral("Tessel.GBA"), "base");
    request.romFileNames = {"gone.nes", "a.nes"};
    const ImageSurvey survey = builder::surveyImage(request);
    QCOMPARE(survey.imageLength, std::nullopt);
    QVERIFY(survey.nonInesRoms.isEmpty()); // a file that cannot be read is not called a non-rom
    QCOMPARE(survey.unreadableRoms, QStringList{"gone.nes"});
    request.romFileNames = {"a.nes"};
    QCOMPARE(builder::surveyImage(request).imageLength, std::optional<qint64>(4 + 16 + 16384));
}

QTEST_GUILESS_MAIN(TestImageSurvey)
#include "tst_imagesurvey.moc"
