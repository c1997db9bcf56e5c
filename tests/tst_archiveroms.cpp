// Roms read out of .zip, .7z and .gz archives: appended exactly as the
// unpacked rom would be (whole, cut, or repaired in the image alone), the
// archive never changed; archives that give no rom, and why; each format read
// by its name; gzip trailers checked; hostile archives refused within the
// limits, whatever they declare.

#include "builder/ArchiveLimits.h"
#include "builder/ArchiveReader.h"
#include "builder/BuildLog.h"
#include "builder/CopyBuffer.h"
#include "builder/FileMeasure.h"
#include "builder/HeaderRepair.h"
#include "builder/ImageSurvey.h"
#include "builder/NesRomAppender.h"
#include "platform/ExclusiveFile.h"
#include "platform/Paths.h"
#include "support/HandMadeArchives.h"
#include "support/HostileArchives.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"

#include "builder/ArchiveReaderProcess.h"

#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <archive.h>

using namespace builder;
using namespace testfiles;
using namespace testarchives;

Q_DECLARE_METATYPE(testarchives::Member)
Q_DECLARE_METATYPE(testarchives::Format)
Q_DECLARE_METATYPE(builder::ArchiveError::Detail)

namespace
{

constexpr int KB = 1024;

// The description of why an archive gives no rom; nothing for any other file.
QString archiveText(const RomSurvey& survey)
{
    return survey.badArchive() ? survey.badArchive()->text() : QString();
}

// The bytes AppendNESRom appends for dir/name, and the log it leaves;
// surveyed: as the build does, after its survey.
QByteArray appended(const QString& dir, const QString& name, const QString& logPath,
                    const RomSurvey* surveyed = nullptr)
{
    struct : platform::ByteSink {
        void write(const char* data, qint64 size) override { bytes.append(data, size); }
        QByteArray bytes;
    } output;
    BuildLog log(logPath);
    CopyBuffer buffer;
    AppendNESRom(output, platform::nativeDirectory(dir), name, log, buffer, surveyed);
    return output.bytes;
}

// Counts the bytes the reader takes from the archive file.
class CountingInput : public ArchiveInput
{
public:
    explicit CountingInput(const QString& path) : m_file(path) { m_file.open(QIODevice::ReadOnly); }
    qint64 read(char* data, qint64 maxSize) override { return counted(m_file.read(data, maxSize)); }
    void seek(qint64 offset) override { m_file.seek(offset); }
    qint64 size() override { return m_file.size(); }
    qint64 bytesRead = 0;

private:
    qint64 counted(qint64 done) { return bytesRead += done, done; }
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
    void archiveChangedSinceTheSurveyIsNotAppended();
    void eachFormatReadByItsName_data();
    void eachFormatReadByItsName();
    void gzipTrailerChecked_data();
    void gzipTrailerChecked();
    void hostileArchivesCostLittle_data();
    void hostileArchivesCostLittle();
    void readerPastItsLimitsIsEndedAndStartedAgain_data();
    void readerPastItsLimitsIsEndedAndStartedAgain();
};

void TestArchiveRoms::appendedAsTheUnpackedRom_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("rom");
    QTest::addColumn<QByteArray>("logged"); // after the archive's name

    for (const auto& [format, name] :
         {std::pair{Format::ZipStored, "stored.zip"}, std::pair{Format::ZipDeflate, "deflate.zip"},
          std::pair{Format::SevenZip, "Game (World).7z"}, std::pair{Format::Gzip, "Game.nes.gz"}}) {
        QTest::addRow("%s, as declared", name)
            << format << name << makeRom(2, 1, 40 * KB, 1) << QByteArray();
        QTest::addRow("%s, longer: cut", name)
            << format << name << makeRom(2, 1, 40 * KB + 512, 2)
            << QByteArray(": only the rom size specified in header copied.\r\n");
        // 24 KB of body: 1.5 program banks become 2, the character banks 0.
        QTest::addRow("%s, shorter: repaired in the image only", name)
            << format << name << makeRom(3, 1, 24 * KB, 3)
            << QByteArray(": invalid rom size in header fixed in the GBA rom only; the archive "
                          "is unchanged.\r\n");
    }
}

void TestArchiveRoms::appendedAsTheUnpackedRom()
{
    QFETCH(Format, format);
    QFETCH(QString, name);
    QFETCH(QByteArray, rom);
    QFETCH(QByteArray, logged);
    QTemporaryDir dir;
    // Folders, links and other members are passed over.
    QList<Member> members{file(QStringLiteral("readme.txt"), "Read me."),
                          {QStringLiteral("extras/"), {}, 0, {}},
                          file(QStringLiteral("Game (World).nes"), rom),
                          {QStringLiteral("link.nes"), {}, 0, QStringLiteral("Game (World).nes")}};
    if (format == Format::Gzip)
        members = {members.at(2)};
    const QString path = makeArchive(dir.filePath(name), format, members);
    const QByteArray archive = readFile(path);
    makeFile(dir.path(), QStringLiteral("unpacked.nes"), rom);

    const qint64 declared = declaredRomLength(rom.at(4), rom.at(5));
    QCOMPARE(surveyRom(path).appendedLength, qMin<qint64>(rom.size(), declared));
    QCOMPARE(measureRom(path), rom.size()); // read to its end, its checksum checked
    const QByteArray image = appended(dir.path(), name, dir.filePath(QStringLiteral("a.log")));
    QCOMPARE(image, appended(dir.path(), QStringLiteral("unpacked.nes"),
                             dir.filePath(QStringLiteral("b.log"))));
    // After a build's survey: from the bytes it kept, or read once more (page 1's survey).
    for (const bool kept : {true, false}) {
        const RomSurvey survey = surveyRom(path, kept);
        QCOMPARE(survey.appendedBytes.has_value(), kept);
        QCOMPARE(appended(dir.path(), name, dir.filePath(QStringLiteral("c.log")), &survey), image);
    }
    QCOMPARE(readFile(path), archive);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Romweaver.bak/") + name)));
    const QByteArray log = readFile(dir.filePath(QStringLiteral("a.log")));
    QCOMPARE(log.mid(log.indexOf("\r\n") + 2),
             logged.isEmpty() ? QByteArray() : name.toUtf8() + logged);
}

void TestArchiveRoms::archivesThatGiveNoRom_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QList<Member>>("members");
    QTest::addColumn<QString>("damage"); // done to the archive afterwards
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("mark"); // both as they begin; none when it gives a rom

    const QByteArray rom = makeRom(2, 1, 40 * KB, 5);
    const Member readme = file(QStringLiteral("readme.txt"), "Read me.");
    const Member romA = file(QStringLiteral("a.nes"), rom);
    QTest::newRow("no rom") << Format::ZipDeflate
                            << QList<Member>{readme, file(QStringLiteral("cover.png"), "\x89PNG")}
                            << ""
                            << "%1 holds no NES rom."
                            << "No NES rom in this archive";
    QTest::newRow("three roms, one not named *.nes")
        << Format::ZipDeflate
        << QList<Member>{romA, readme, file(QStringLiteral("b.bin"), rom),
                         file(QStringLiteral("c.nes"), rom)}
        << ""
        << "%1 holds 3 NES roms; Romweaver takes one rom per archive."
        << "3 NES roms in this archive; Romweaver takes one rom per archive";
    QTest::newRow("two *.nes, neither an iNES rom")
        << Format::SevenZip
        << QList<Member>{file(QStringLiteral("a.nes"), "notes"), file(QStringLiteral("b.NES"), "x")}
        << ""
        << "%1 holds 2 NES roms;"
        << "2 NES roms in this archive;";
    // It is the rom then, and one that is not an iNES rom: asked about as such a file is.
    QTest::newRow("only a *.nes that is no iNES rom")
        << Format::ZipStored << QList<Member>{readme, file(QStringLiteral("notes.nes"), "notes")}
        << ""
        << ""
        << "";
    QTest::newRow("encrypted zip") << Format::ZipDeflate << QList<Member>{readme, romA} << "encrypt"
                                   << "%1 is encrypted."
                                   << "Encrypted archive";
    QTest::newRow("truncated zip")
        << Format::ZipDeflate << QList<Member>{romA} << "truncate"
        << "%1 is damaged: its list of members is missing; it may be truncated."
        << "Damaged archive: its list of members is missing; it may be truncated";
    QTest::newRow("truncated 7-Zip") << Format::SevenZip << QList<Member>{romA} << "truncate"
                                     << "%1 is damaged: it is truncated."
                                     << "Damaged archive: it is truncated";
    QTest::newRow("truncated gz") << Format::Gzip << QList<Member>{romA} << "truncate"
                                  << "%1 is damaged: it is truncated."
                                  << "Damaged archive: it is truncated";
    QTest::newRow("CRC error") << Format::ZipStored << QList<Member>{readme, romA}
                               << "flip a rom byte"
                               << "%1 is damaged: a.nes fails its CRC check."
                               << "Damaged archive: a.nes fails its CRC check";
    // An intact archive in a compression libarchive does not read.
    QTest::newRow("Deflate64 zip")
        << Format::ZipDeflate << QList<Member>{readme, romA} << "Deflate64"
        << "%1 cannot be read: readme.txt is compressed with Deflate64, which Romweaver cannot "
           "unpack."
        << "Archive that cannot be read: readme.txt is compressed with Deflate64";
}

void TestArchiveRoms::archivesThatGiveNoRom()
{
    QFETCH(Format, format);
    QFETCH(QList<Member>, members);
    QFETCH(QString, damage);
    QFETCH(QString, sentence);
    QFETCH(QString, mark);
    QTemporaryDir dir;
    const QString name = QStringLiteral("bad") + (format == Format::SevenZip ? ".7z"
                                                  : format == Format::Gzip   ? ".gz"
                                                                             : ".zip");
    const QString path = dir.filePath(name);
    if (!sentence.isEmpty())
        sentence = sentence.arg(name);
    QByteArray bytes = readFile(makeArchive(
        path, format, members, damage == QStringLiteral("encrypt") ? "secret" : nullptr));
    if (damage == QStringLiteral("truncate"))
        bytes.truncate(bytes.size() / 2);
    if (damage == QStringLiteral("flip a rom byte"))
        bytes[bytes.indexOf(makeRom(2, 1, 40 * KB, 5).mid(20000, 64))] ^= 0x55;
    if (damage == QStringLiteral("Deflate64")) {
        // The method field of every local header and central directory record.
        for (const auto& [signature, offset] : {std::pair{"PK\3\4", 8}, std::pair{"PK\1\2", 10}}) {
            for (qsizetype at = bytes.indexOf(signature); at >= 0;
                 at = bytes.indexOf(signature, at + 1))
                bytes[at + offset] = 9;
        }
    }
    makeFile(dir.path(), name, bytes);

    const RomSurvey survey = surveyRom(path);
    QCOMPARE(archiveText(survey).left(sentence.size()), sentence);
    QCOMPARE(survey.badArchiveReason.left(mark.size()), mark);
    QCOMPARE(survey.readable, sentence.isEmpty());
    QVERIFY(!survey.ines);
    QCOMPARE(readFile(path), bytes); // looked at, never written
}

void TestArchiveRoms::hugeMemberIsReadOnlyPastItsDeclaredLength()
{
    // A rom declaring one program bank, then 1 GiB of zeros, in a bare gzip:
    // it is read towards its end, for its checksum, until the reading's limit;
    // the rest is neither unpacked nor read from the file.
    QTemporaryDir dir;
    const QString path =
        makeArchive(dir.filePath(QStringLiteral("huge.nes.gz")), Format::Gzip,
                    {{QStringLiteral("huge.nes"), makeRom(1, 0, 0), qint64(1) << 30, {}}});
    CountingInput input(path);
    try {
        ArchiveReader(input, QStringLiteral("huge.nes.gz")).findRom();
        QFAIL("a member of 1 GiB was read");
    } catch (const builder::ArchiveError& error) {
        QCOMPARE(error.detailKind(), builder::ArchiveError::Detail::TooMuchUnpacked);
    }
    QVERIFY2(input.bytesRead < input.size() / 4, qPrintable(QString::number(input.bytesRead)));
}

void TestArchiveRoms::archiveChangedSinceTheSurveyIsNotAppended()
{
    // Same name and length, a rom that declares other banks: the figures the
    // survey took are not the archive's any more.
    QTemporaryDir dir;
    const QString path = makeArchive(dir.filePath(QStringLiteral("a.zip")), Format::ZipStored,
                                     {file(QStringLiteral("a.nes"), makeRom(2, 1, 40 * KB))});
    const RomSurvey survey = surveyRom(path, true);
    makeArchive(path, Format::ZipStored,
                {file(QStringLiteral("a.nes"), withCounts(makeRom(2, 1, 40 * KB), 1, 0))});
    QFile changed(path);
    QVERIFY(changed.open(QIODevice::ReadOnly) &&
            changed.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                QFileDevice::FileModificationTime));
    changed.close();
    try {
        appended(dir.path(), QStringLiteral("a.zip"), dir.filePath(QStringLiteral("a.log")),
                 &survey);
        QFAIL("appended with the survey's figures");
    } catch (const platform::FileError& error) {
        QVERIFY2(error.text().contains(QStringLiteral("changed after the build checked it")),
                 qPrintable(error.text()));
    }
}

void TestArchiveRoms::eachFormatReadByItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("format"); // as the sentence says it

    QTemporaryDir dir;
    const auto made = [&dir](Format format) {
        return readFile(makeArchive(dir.filePath(QStringLiteral("made")), format,
                                    {file(QStringLiteral("a.nes"), makeRom(1, 0, 16 * KB))}));
    };
    const QByteArray text = "Some text, no archive.\n";
    QTest::newRow("text named .zip") << "a.zip" << text << "zip";
    QTest::newRow("text named .gz") << "a.nes.gz" << text << "gzip";
    QTest::newRow("zip named .7z") << "a.7z" << made(Format::ZipDeflate) << "7-Zip";
    QTest::newRow("zip named .gz") << "a.gz" << made(Format::ZipStored) << "gzip";
    QTest::newRow("7-Zip named .zip") << "a.zip" << made(Format::SevenZip) << "zip";
    QTest::newRow("gzip named .7z") << "a.7z" << made(Format::Gzip) << "7-Zip";
    // As an ISO image begins: the tar reader took it for an empty tar archive.
    QTest::newRow("512 zero bytes named .zip") << "a.zip" << QByteArray(32 * KB, '\0') << "zip";
}

void TestArchiveRoms::eachFormatReadByItsName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, format);
    QTemporaryDir dir;
    const RomSurvey survey = surveyRom(makeFile(dir.path(), name, bytes));
    QCOMPARE(archiveText(survey), QStringLiteral("%1 is not a %2 archive.").arg(name, format));
    QCOMPARE(survey.badArchiveReason, QStringLiteral("Not a %1 archive").arg(format));
}

void TestArchiveRoms::gzipTrailerChecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("detail"); // after "… is damaged: "; none for a rom

    const QByteArray rom = makeRom(2, 1, 40 * KB, 3);
    const QByteArray bare = handmade::gzip(rom);
    const QByteArray tar = handmade::gzip(handmade::tarHeader("a.nes", rom.size()) + rom +
                                          QByteArray(10 * KB - rom.size() % 512, '\0'));
    const QString crc = QStringLiteral("its unpacked data does not match the CRC-32 its gzip "
                                       "trailer records");
    const auto damaged = [](QByteArray bytes, qsizetype fromEnd) {
        bytes[bytes.size() - fromEnd] = char(bytes.at(bytes.size() - fromEnd) ^ 0x01);
        return bytes;
    };
    QTest::newRow("good") << "a.nes.gz" << bare << "";
    QTest::newRow("bad CRC-32") << "a.nes.gz" << damaged(bare, 8) << crc;
    QTest::newRow("bad length") << "a.nes.gz" << damaged(bare, 4)
                                << "its unpacked length does not match the length its gzip "
                                   "trailer records";
    QTest::newRow("truncated") << "a.nes.gz" << bare.chopped(4) << "it is truncated";
    QTest::newRow("tar inside, good") << "a.tar.gz" << tar << "";
    QTest::newRow("tar inside, bad CRC-32") << "a.tar.gz" << damaged(tar, 8) << crc;
}

void TestArchiveRoms::gzipTrailerChecked()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    const QString path = makeFile(dir.path(), name, bytes);
    const RomSurvey survey = surveyRom(path);
    QCOMPARE(archiveText(survey),
             detail.isEmpty() ? QString() : QStringLiteral("%1 is damaged: %2.").arg(name, detail));
    QCOMPARE(survey.readable, detail.isEmpty());
    // A build's second read of the rom checks the trailer too.
    CountingInput input(path);
    try {
        ArchiveReader(input, name).readMember(0);
        QVERIFY(detail.isEmpty());
    } catch (const ArchiveError& error) {
        QCOMPARE(error.detail(), detail);
    }
}

void TestArchiveRoms::hostileArchivesCostLittle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said"); // as it begins: a refusal, or "rom" and the rom's length
    for (const hostile::Archive& archive : hostile::archives())
        QTest::newRow(archive.row) << archive.name << archive.bytes << archive.said;
}

void TestArchiveRoms::hostileArchivesCostLittle()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QTemporaryDir dir;
    // The look runs in a process of its own, which says the most memory it and
    // the archive reader took. The reader runs under its memory limit: an
    // allocation past it would make the survey say so instead.
    QProcess look;
    look.start(QStringLiteral(SURVEY_ARCHIVE_EXECUTABLE), {makeFile(dir.path(), name, bytes)});
    QVERIFY(look.waitForFinished(120000));
    const QList<QByteArray> lines = look.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    const QString sentence = QString::fromUtf8(lines.at(0)).trimmed();
    QVERIFY2(sentence.startsWith(said), qPrintable(sentence));
    const qint64 grownKiB = lines.at(1).trimmed().toLongLong();
    QVERIFY2(grownKiB < archiveLimits::Memory / 1024, qPrintable(QString::number(grownKiB)));
}

void TestArchiveRoms::readerPastItsLimitsIsEndedAndStartedAgain_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ArchiveError::Detail>("detail");
    QTest::newRow("memory") << "memory.zip" << ArchiveError::Detail::MemoryLimit;
    QTest::newRow("processor time") << "time.zip" << ArchiveError::Detail::ProcessorTimeLimit;
    QTest::newRow("crash") << "crash.zip" << ArchiveError::Detail::ReaderStopped;
}

void TestArchiveRoms::readerPastItsLimitsIsEndedAndStartedAgain()
{
    // A reader that goes too far, as a decoder nothing declared could.
    QFETCH(QString, name);
    QFETCH(ArchiveError::Detail, detail);
    ArchiveReaderProcess reader(QStringLiteral(GREEDY_READER_EXECUTABLE));
    struct : ArchiveInput {
        qint64 read(char*, qint64) override { return 0; }
        void seek(qint64) override {}
        qint64 size() override { return 0; }
    } input;
    try {
        reader.findRom(input, name, false);
        QFAIL("past its limit");
    } catch (const ArchiveError& error) {
        QCOMPARE(error.kind(), ArchiveError::Kind::TooCostly);
        QCOMPARE(error.detailKind(), detail);
        QCOMPARE(error.archiveName(), name);
    }
    QVERIFY2(reader.peakMemory() < 300 * archiveLimits::MiB,
             qPrintable(QString::number(reader.peakMemory())));
    // The next archive has a reader again.
    QCOMPARE(reader.findRom(input, QStringLiteral("ok.zip"), false).length, 16);
}

QTEST_MAIN(TestArchiveRoms)
#include "tst_archiveroms.moc"
