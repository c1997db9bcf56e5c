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

#include <QTemporaryDir>
#include <QTest>

using namespace builder;
using namespace testfiles;
using namespace testarchives;

Q_DECLARE_METATYPE(testarchives::Member)
Q_DECLARE_METATYPE(testarchives::Format)

namespace
{

constexpr int KB = 1024;

// The bytes AppendNESRom appends for dir/name, and the log it leaves.
QByteArray appended(const QString& dir, const QString& name, const QString& logPath)
{
    struct : platform::ByteSink {
        void write(const char* data, qint64 size) override { bytes.append(data, size); }
        QByteArray bytes;
    } output;
    BuildLog log(logPath);
    AppendNESRom(output, platform::nativeDirectory(dir), name, log);
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
    QCOMPARE(measureRom(path), qMin<qint64>(rom.size(), declared + 1));
    const QByteArray image = appended(dir.path(), name, dir.filePath(QStringLiteral("a.log")));
    QCOMPARE(image, appended(dir.path(), QStringLiteral("unpacked.nes"),
                             dir.filePath(QStringLiteral("b.log"))));
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
    QTest::newRow("truncated zip") << Format::ZipDeflate << QList<Member>{romA} << "truncate"
                                   << "%1 is damaged: "
                                   << "Damaged archive: ";
    QTest::newRow("truncated gz") << Format::Gzip << QList<Member>{romA} << "truncate"
                                  << "%1 is damaged: "
                                  << "Damaged archive: ";
    QTest::newRow("CRC error") << Format::ZipStored << QList<Member>{romA} << "flip a rom byte"
                               << "%1 is damaged: "
                               << "Damaged archive: ";
    QTest::newRow("no archive") << Format::ZipStored << QList<Member>{} << "text"
                                << "%1 cannot be read: "
                                << "Archive that cannot be read: ";
    QTest::newRow("gz of no gzip data") << Format::Gzip << QList<Member>{} << "text"
                                        << "%1 cannot be read: it holds no gzip data"
                                        << "Archive that cannot be read: it holds no gzip data";
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
    QByteArray bytes = "Some text, no archive.\n";
    if (damage != QStringLiteral("text"))
        bytes = readFile(makeArchive(path, format, members,
                                     damage == QStringLiteral("encrypt") ? "secret" : nullptr));
    if (damage == QStringLiteral("truncate"))
        bytes.truncate(bytes.size() / 2);
    if (damage == QStringLiteral("flip a rom byte"))
        bytes[bytes.indexOf(makeRom(2, 1, 40 * KB, 5).mid(20000, 64))] ^= 0x55;
    makeFile(dir.path(), name, bytes);

    const RomSurvey survey = surveyRom(path);
    QCOMPARE(survey.badArchive.left(sentence.size()), sentence);
    QCOMPARE(survey.badArchiveReason.left(mark.size()), mark);
    QCOMPARE(survey.readable, sentence.isEmpty());
    QVERIFY(!survey.ines);
    QCOMPARE(readFile(path), bytes); // looked at, never written
}

void TestArchiveRoms::hugeMemberIsReadOnlyPastItsDeclaredLength()
{
    // A rom declaring one program bank, then 1 GiB of zeros, in a bare gzip:
    // it is measured by reading its declared length + 1 byte; the rest is
    // neither unpacked nor read from the file.
    QTemporaryDir dir;
    const QString path =
        makeArchive(dir.filePath(QStringLiteral("huge.nes.gz")), Format::Gzip,
                    {{QStringLiteral("huge.nes"), makeRom(1, 0, 0), qint64(1) << 30, {}}});
    CountingInput input(path);
    const ArchiveReader::Rom rom = ArchiveReader(input, QStringLiteral("huge.nes.gz")).findRom();
    QCOMPARE(rom.length, declaredRomLength(1, 0) + 1);
    QVERIFY2(input.bytesRead < input.size() / 4, qPrintable(QString::number(input.bytesRead)));
}

QTEST_MAIN(TestArchiveRoms)
#include "tst_archiveroms.moc"
