// Roms read out of .zip, .7z and .gz archives: appended exactly as the
// unpacked rom would be (whole, cut, or repaired in the image alone), the
// archive never changed; archives that give no rom, and why.

#include "builder/ArchiveReader.h"
#include "builder/BuildLog.h"
#include "builder/FileMeasure.h"
#include "builder/HeaderRepair.h"
#include "builder/ImageSurvey.h"
#include "builder/NesRomAppender.h"
#include "platform/ExclusiveFile.h"
#include "platform/Paths.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace builder;
using namespace testfiles;
using namespace testarchives;

Q_DECLARE_METATYPE(testarchives::Member)
Q_DECLARE_METATYPE(testarchives::Format)

namespace
{

constexpr int KB = 1024;

class MemorySink : public ByteSink
{
public:
    void write(const char* data, qint64 size) override { bytes.append(data, size); }
    QByteArray bytes;
};

// The message lines of a build log (every second line; the others are dates).
QStringList logMessages(const QString& path)
{
    const QList<QByteArray> lines = readFile(path).split('\n');
    QStringList messages;
    for (qsizetype i = 1; i < lines.size(); i += 2)
        messages << QString::fromLocal8Bit(lines.at(i).chopped(1));
    return messages;
}

QByteArray appendedBy(const QString& directory, const QString& name, const QString& logPath)
{
    BuildLog log(logPath, LogDateTimeFormat(), [] { return QDateTime(QDate(2026, 1, 2), {}); });
    MemorySink output;
    AppendNESRom(output, directory, name, log);
    return output.bytes;
}

// Counts what the reader takes from the archive file.
class CountingInput : public ArchiveInput
{
public:
    explicit CountingInput(const QString& path) : m_file(path)
    {
        if (!m_file.open(QIODevice::ReadOnly))
            qFatal("cannot open %s", qPrintable(path));
    }
    qint64 read(char* data, qint64 maxSize) override
    {
        const qint64 done = m_file.read(data, maxSize);
        bytesRead += done;
        return done;
    }
    void seek(qint64 offset) override { m_file.seek(offset); }
    qint64 size() override { return m_file.size(); }
    qint64 bytesRead = 0;

private:
    QFile m_file;
};

} // namespace

class TestArchiveRoms : public QObject
{
    Q_OBJECT

private slots:
    void appendedAsTheUnpackedRom_data();
    void appendedAsTheUnpackedRom();
    void archivesThatGiveNoRom_data();
    void archivesThatGiveNoRom();
    void hugeMemberIsReadOnlyPastItsDeclaredLength();
};

void TestArchiveRoms::appendedAsTheUnpackedRom_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("rom");
    QTest::addColumn<QString>("logMessage"); // %1: the archive's name

    const struct {
        const char* name;
        Format format;
    } formats[] = {{"zip stored", Format::ZipStored},
                   {"zip deflate", Format::ZipDeflate},
                   {"7z", Format::SevenZip},
                   {"gz", Format::Gzip}};
    for (const auto& [name, format] : formats) {
        QTest::addRow("%s, as declared", name) << format << makeRom(2, 1, 40 * KB, 1) << QString();
        QTest::addRow("%s, longer: cut", name)
            << format << makeRom(2, 1, 40 * KB + 512, 2)
            << QStringLiteral("%1: only the rom size specified in header copied.");
        // Both counts are repaired: 24 KB of body is 1.5 program banks, rounded to 2.
        QTest::addRow("%s, shorter: repaired in the image only", name)
            << format << makeRom(3, 1, 24 * KB, 3)
            << QStringLiteral("%1: invalid rom size in header fixed in the GBA rom only; the "
                              "archive is unchanged.");
    }
}

void TestArchiveRoms::appendedAsTheUnpackedRom()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, rom);
    QFETCH(QString, logMessage);
    QTemporaryDir archives;
    QTemporaryDir plain;
    QTemporaryDir logs;
    const QString archivesDir = nativeDirectory(archives.path());
    // Folders, links and other members are passed over.
    QList<Member> members{file(QStringLiteral("Game (World).nes"), rom)};
    if (format != Format::Gzip)
        members = {file(QStringLiteral("readme.txt"), "Read me first."),
                   Member{QStringLiteral("extras/"), {}, 0, {}},
                   file(QStringLiteral("extras/cover.png"), "\x89PNG\r\n\x1a\n"),
                   members.constFirst(),
                   Member{QStringLiteral("link.nes"), {}, 0, QStringLiteral("Game (World).nes")}};
    const QString path =
        makeArchiveIn(archivesDir, QStringLiteral("Game (World)"), format, members);
    const QString name = QFileInfo(path).fileName();
    const QByteArray archiveBytes = readFile(path);

    const qint64 declared = declaredRomLength(quint8(rom.at(4)), quint8(rom.at(5)));
    const RomSurvey survey = surveyRom(path);
    QVERIFY2(survey.readable, qPrintable(survey.problem));
    QVERIFY(survey.ines);
    QCOMPARE(survey.appendedLength, qMin<qint64>(rom.size(), declared));
    QCOMPARE(measureRom(path), qMin<qint64>(rom.size(), declared + 1));

    makeFile(plain.path(), QStringLiteral("Game (World).nes"), rom);
    const QByteArray expected =
        appendedBy(nativeDirectory(plain.path()), QStringLiteral("Game (World).nes"),
                   logs.filePath(QStringLiteral("plain.log")));
    const QString logPath = logs.filePath(QStringLiteral("archive.log"));
    QCOMPARE(appendedBy(archivesDir, name, logPath), expected);

    QCOMPARE(readFile(path), archiveBytes);
    QVERIFY(!QFileInfo::exists(joinPath(archivesDir, QStringLiteral("Romweaver.bak"))));
    QCOMPARE(logMessages(logPath),
             logMessage.isEmpty() ? QStringList() : QStringList{logMessage.arg(name)});
}

void TestArchiveRoms::archivesThatGiveNoRom_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QList<Member>>("members");
    QTest::addColumn<QString>("damage"); // done to the archive file afterwards
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("reason"); // both: how they begin; none when it gives a rom

    const QByteArray rom = makeRom(2, 1, 40 * KB, 5);
    const Member readme = file(QStringLiteral("readme.txt"), "Read me.");
    QTest::newRow("no rom") << Format::ZipDeflate
                            << QList<Member>{readme, file(QStringLiteral("cover.png"), "\x89PNG")}
                            << QString() << "bad.zip holds no NES rom."
                            << "No NES rom in this archive";
    QTest::newRow("three roms, one not named *.nes")
        << Format::ZipDeflate
        << QList<Member>{file(QStringLiteral("a.nes"), rom), readme,
                         file(QStringLiteral("b.bin"), rom), file(QStringLiteral("c.nes"), rom)}
        << QString() << "bad.zip holds 3 NES roms; Romweaver takes one rom per archive."
        << "3 NES roms in this archive; Romweaver takes one rom per archive";
    QTest::newRow("two *.nes, neither an iNES rom")
        << Format::SevenZip
        << QList<Member>{file(QStringLiteral("a.nes"), "notes"), file(QStringLiteral("b.NES"), "x")}
        << QString() << "bad.7z holds 2 NES roms; Romweaver takes one rom per archive."
        << "2 NES roms in this archive";
    // It counts as the rom, and is then a file that is not an iNES rom.
    QTest::newRow("only a *.nes that is no iNES rom")
        << Format::ZipStored << QList<Member>{readme, file(QStringLiteral("notes.nes"), "notes")}
        << QString() << QString() << QString();
    QTest::newRow("encrypted zip")
        << Format::ZipDeflate << QList<Member>{readme, file(QStringLiteral("a.nes"), rom)}
        << QStringLiteral("encrypt") << "bad.zip is encrypted."
        << "Encrypted archive";
    QTest::newRow("truncated zip")
        << Format::ZipDeflate << QList<Member>{file(QStringLiteral("a.nes"), rom)}
        << QStringLiteral("truncate") << "bad.zip is damaged: "
        << "Damaged archive: ";
    QTest::newRow("truncated gz") << Format::Gzip
                                  << QList<Member>{file(QStringLiteral("a.nes"), rom)}
                                  << QStringLiteral("truncate") << "bad.nes.gz is damaged: "
                                  << "Damaged archive: ";
    QTest::newRow("CRC error") << Format::ZipStored
                               << QList<Member>{file(QStringLiteral("a.nes"), rom)}
                               << QStringLiteral("flip a rom byte") << "bad.zip is damaged: "
                               << "Damaged archive: ";
    QTest::newRow("no archive at all") << Format::ZipStored << QList<Member>{}
                                       << QStringLiteral("text") << "bad.zip cannot be read: "
                                       << "Archive that cannot be read: ";
    QTest::newRow("gz holding no gzip data")
        << Format::Gzip << QList<Member>{} << QStringLiteral("text")
        << "bad.nes.gz cannot be read: it holds no gzip data"
        << "Archive that cannot be read: it holds no gzip data";
}

void TestArchiveRoms::archivesThatGiveNoRom()
{
    QFETCH(Format, format);
    QFETCH(QList<Member>, members);
    QFETCH(QString, damage);
    QFETCH(QString, sentence);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("bad") + suffixOf(format));
    if (damage == QStringLiteral("text")) {
        makeFile(dir.path(), QFileInfo(path).fileName(), "Just some text, no archive.\n");
    } else {
        Options options;
        if (damage == QStringLiteral("encrypt"))
            options.passphrase = "secret";
        makeArchive(path, format, members, options);
    }
    QByteArray bytes = readFile(path);
    if (damage == QStringLiteral("truncate")) {
        bytes.truncate(bytes.size() / 2);
    } else if (damage == QStringLiteral("flip a rom byte")) {
        const qsizetype at = bytes.indexOf(makeRom(2, 1, 40 * KB, 5).mid(20000, 64));
        QVERIFY(at > 0);
        bytes[at] = char(bytes.at(at) ^ 0x55);
    }
    makeFile(dir.path(), QFileInfo(path).fileName(), bytes);

    const RomSurvey survey = surveyRom(path);
    QVERIFY2(survey.badArchive.startsWith(sentence), qPrintable(survey.badArchive));
    QVERIFY2(survey.badArchiveReason.startsWith(reason), qPrintable(survey.badArchiveReason));
    QCOMPARE(survey.readable, sentence.isEmpty());
    if (sentence.isEmpty()) {
        QVERIFY(!survey.ines);
        return;
    }
    QCOMPARE(readFile(path), bytes); // looked at, never written
}

void TestArchiveRoms::hugeMemberIsReadOnlyPastItsDeclaredLength()
{
    // A rom declaring one program bank, followed by 1 GiB of zeros in a bare
    // gzip: it is measured by reading its declared length + 1 byte, and the
    // rest is neither unpacked nor read from the file.
    QTemporaryDir dir;
    Options fast;
    fast.level = 1;
    const QString path = makeArchiveIn(
        dir.path(), QStringLiteral("huge"), Format::Gzip,
        {Member{QStringLiteral("huge.nes"), makeRom(1, 0, 0), qint64(1) << 30, QString()}}, fast);
    const qint64 declared = declaredRomLength(1, 0);

    CountingInput input(path);
    const ArchiveReader::Rom rom = ArchiveReader(input, QFileInfo(path).fileName()).findRom();
    QCOMPARE(rom.length, declared + 1);
    QVERIFY2(
        input.bytesRead < input.size() / 4,
        qPrintable(QStringLiteral("%1 of %2 bytes read").arg(input.bytesRead).arg(input.size())));
    QCOMPARE(surveyRom(path).appendedLength, declared);
}

QTEST_MAIN(TestArchiveRoms)
#include "tst_archiveroms.moc"
