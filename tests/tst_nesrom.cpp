#include "builder/BuildLog.h"
#include "builder/HeaderRepair.h"
#include "builder/NesRomAppender.h"
#include "platform/ExclusiveFile.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

using namespace platform;
using namespace builder;
using namespace testfiles;

namespace
{

constexpr int KB = 1024;

// The output in memory; with a limit it takes that many bytes and then fails
// like a full disk.
class MemorySink : public ByteSink
{
public:
    explicit MemorySink(qint64 limit = -1) : m_limit(limit) {}
    void write(const char* data, qint64 size) override
    {
        if (m_limit >= 0 && bytes.size() + size > m_limit) {
            bytes.append(data, m_limit - bytes.size());
            throw FileError(platform::FileAction::Write, QStringLiteral("memory"),
                            platform::FileFailure::Other, QStringLiteral("disk full"));
        }
        bytes.append(data, size);
    }
    QByteArray bytes;

private:
    qint64 m_limit;
};

const QDateTime Moment(QDate(2026, 12, 6), QTime(11, 19, 34));

LogDateTimeFormat usFormat()
{
    LogDateTimeFormat format;
    format.shortDateFormat = QStringLiteral("M/d/yyyy");
    format.amDesignator = QStringLiteral("AM");
    format.pmDesignator = QStringLiteral("PM");
    return format;
}

QByteArray logEntry(const QString& message)
{
    return "12/6/2026 11:19:34 AM\r\n" + message.toLocal8Bit() + "\r\n";
}

} // namespace

class TestNesRom : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void declaredLength_data();
    void declaredLength();
    void headerRepair_data();
    void headerRepair();

    void appendsWholeOrCut_data();
    void appendsWholeOrCut();
    void repairsShortRom_data();
    void repairsShortRom();
    void repairsFilesWithoutFullHeader_data();
    void repairsFilesWithoutFullHeader();
    void opensForWritingOnlyToRepair_data();
    void opensForWritingOnlyToRepair();
    void cutIsRepeatedEveryTime();
    void secondRepairReplacesBackup();
    void repairMessageNamesBackupDirectoryAtRoot();
#ifndef Q_OS_WIN
    void romReachedByALinkIsRepairedInTheImageOnly();
#endif

    void missingOrLockedRomAppendsNothing_data();
    void missingOrLockedRomAppendsNothing();
    void backupFailureLeavesRomUnchanged_data();
    void backupFailureLeavesRomUnchanged();
    void logFailureAfterRepairOrCut();
    void outputFailureDuringRepairedAppend();

private:
    QString romPath(const QString& name) const
    {
        return platform::joinPath(m_romsDir, name);
    }
    QString backupPath(const QString& name) const
    {
        return platform::joinPath(platform::joinPath(m_romsDir, "Romweaver.bak"), name);
    }
    QString repairMessage(const QString& name) const
    {
        return name + ": invalid rom size in header fixed. Backup of rom in " + m_romsDir +
               QDir::separator() + "Romweaver.bak";
    }
    void append(ByteSink& output, const QString& name)
    {
        AppendNESRom(output, m_romsDir, name, *m_log);
    }

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_romsDir;
    QString m_outsideDir; // another folder, its short.nes anyone's file
    QString m_logPath;
    std::unique_ptr<BuildLog> m_log;
};

void TestNesRom::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    QVERIFY(QDir(m_temp->path()).mkdir("roms"));
    m_romsDir = QDir::toNativeSeparators(m_temp->filePath("roms"));
    QVERIFY(QDir(m_temp->path()).mkdir("outside"));
    m_outsideDir = QDir::toNativeSeparators(m_temp->filePath("outside"));
    makeFile(m_outsideDir, "short.nes", "outside");
    m_logPath = QDir::toNativeSeparators(m_temp->filePath("Romweaver.log"));
    m_log = std::make_unique<BuildLog>(m_logPath, usFormat(), [] { return Moment; });
}

void TestNesRom::declaredLength_data()
{
    QTest::addColumn<int>("prg");
    QTest::addColumn<int>("chr");
    QTest::addColumn<qint64>("length");
    QTest::newRow("no banks") << 0 << 0 << qint64(16);
    QTest::newRow("2 PRG 1 CHR") << 2 << 1 << qint64(40 * KB + 16);
    QTest::newRow("largest") << 255 << 255 << qint64(6266896);
}

void TestNesRom::declaredLength()
{
    QFETCH(int, prg);
    QFETCH(int, chr);
    QFETCH(qint64, length);
    QCOMPARE(declaredRomLength(prg, chr), length);
}

void TestNesRom::headerRepair_data()
{
    QTest::addColumn<int>("prg");
    QTest::addColumn<int>("chr");
    QTest::addColumn<qint64>("fileLength");
    QTest::addColumn<int>("newPrg"); // -1: byte 4 is not written
    QTest::addColumn<int>("newChr");

    const auto body = [](qint64 bytes) { return bytes + 16; };
    QTest::newRow("PRG fills the body exactly") << 2 << 1 << body(32 * KB) << -1 << 0;
    QTest::newRow("4 KB over PRG rounds to 0 CHR") << 2 << 1 << body(36 * KB) << -1 << 0;
    QTest::newRow("12 KB over PRG rounds to 2 CHR") << 1 << 3 << body(28 * KB) << -1 << 2;
    QTest::newRow("24 KB over PRG is 3 CHR") << 1 << 4 << body(40 * KB) << -1 << 3;
    QTest::newRow("PRG exceeds the body, 1.5 to 2") << 2 << 1 << body(24 * KB) << 2 << 0;
    QTest::newRow("CHR 0, 1.25 to 1") << 2 << 0 << body(20 * KB) << 1 << 0;
    QTest::newRow("PRG 0, 2.5 to 2") << 0 << 8 << body(40 * KB) << 2 << 0;
    QTest::newRow("PRG 0, 3.5 to 4") << 0 << 8 << body(56 * KB) << 4 << 0;
    QTest::newRow("PRG 0, 0.5 to 0") << 0 << 8 << body(8 * KB) << 0 << 0;
    QTest::newRow("20 KB over PRG, 2.5 to 2 CHR") << 1 << 4 << body(36 * KB) << -1 << 2;
    QTest::newRow("fraction of a KB") << 1 << 2 << body(16 * KB + 4 * KB + 1) << -1 << 1;
    QTest::newRow("header only") << 2 << 1 << qint64(16) << 0 << 0;
    QTest::newRow("6 bytes") << 2 << 1 << qint64(6) << 0 << 0;
    QTest::newRow("15 bytes, no banks declared") << 0 << 0 << qint64(15) << 0 << 0;
    QTest::newRow("largest counts")
        << 255 << 255 << body(255 * 16 * KB + 254 * 8 * KB) << -1 << 254;
}

void TestNesRom::headerRepair()
{
    QFETCH(int, prg);
    QFETCH(int, chr);
    QFETCH(qint64, fileLength);
    QFETCH(int, newPrg);
    QFETCH(int, newChr);
    QVERIFY(fileLength < declaredRomLength(prg, chr));

    const HeaderRepair repair = computeHeaderRepair(prg, chr, fileLength);
    QCOMPARE(repair.prgCount.has_value(), newPrg >= 0);
    if (newPrg >= 0)
        QCOMPARE(int(*repair.prgCount), newPrg);
    QCOMPARE(int(repair.chrCount), newChr);
}

void TestNesRom::appendsWholeOrCut_data()
{
    QTest::addColumn<int>("prg");
    QTest::addColumn<int>("chr");
    QTest::addColumn<qint64>("bodySize");
    QTest::addColumn<qint64>("appended");

    QTest::newRow("exact") << 2 << 1 << qint64(40 * KB) << qint64(40 * KB + 16);
    QTest::newRow("512 bytes over") << 2 << 1 << qint64(40 * KB + 512) << qint64(40 * KB + 16);
    QTest::newRow("one byte over") << 1 << 0 << qint64(16 * KB + 1) << qint64(16 * KB + 16);
    QTest::newRow("no banks, body present") << 0 << 0 << qint64(100) << qint64(16);
    QTest::newRow("no banks, header only") << 0 << 0 << qint64(0) << qint64(16);
    QTest::newRow("larger than any header")
        << 255 << 255 << qint64(6266880 + 70000) << qint64(6266896);
}

void TestNesRom::appendsWholeOrCut()
{
    QFETCH(int, prg);
    QFETCH(int, chr);
    QFETCH(qint64, bodySize);
    QFETCH(qint64, appended);

    const QByteArray rom = makeRom(prg, chr, bodySize, 7);
    makeFile(m_romsDir, "game.nes", rom);
    MemorySink output;
    output.bytes = "before";
    append(output, "game.nes");

    QCOMPARE(output.bytes, "before" + rom.left(appended));
    QCOMPARE(readFile(romPath("game.nes")), rom);
    QVERIFY(!QFileInfo::exists(platform::joinPath(m_romsDir, "Romweaver.bak")));
    const bool cut = appended < rom.size();
    QCOMPARE(readFile(m_logPath),
             cut ? logEntry("game.nes: only the rom size specified in header copied.")
                 : QByteArray());
    QCOMPARE(m_log->firstLogWrite(), !cut);
}

void TestNesRom::repairsShortRom_data()
{
    QTest::addColumn<int>("prg");
    QTest::addColumn<int>("chr");
    QTest::addColumn<qint64>("bodySize");
    QTest::addColumn<int>("newPrg");
    QTest::addColumn<int>("newChr");

    QTest::newRow("PRG fills the body") << 2 << 1 << qint64(32 * KB) << 2 << 0;
    QTest::newRow("0.5 CHR to 0") << 2 << 1 << qint64(36 * KB) << 2 << 0;
    QTest::newRow("1.5 CHR to 2") << 1 << 3 << qint64(28 * KB) << 1 << 2;
    QTest::newRow("3 CHR") << 1 << 4 << qint64(40 * KB) << 1 << 3;
    QTest::newRow("PRG exceeds body") << 2 << 1 << qint64(24 * KB) << 2 << 0;
    QTest::newRow("CHR 0") << 2 << 0 << qint64(20 * KB) << 1 << 0;
    QTest::newRow("PRG 0") << 0 << 8 << qint64(40 * KB) << 2 << 0;
    QTest::newRow("header only") << 1 << 1 << qint64(0) << 0 << 0;
}

void TestNesRom::repairsShortRom()
{
    QFETCH(int, prg);
    QFETCH(int, chr);
    QFETCH(qint64, bodySize);
    QFETCH(int, newPrg);
    QFETCH(int, newChr);

    const QByteArray rom = makeRom(prg, chr, bodySize, 3);
    makeFile(m_romsDir, "short.nes", rom);
    // A leftover backup of the same name is replaced.
    QVERIFY(QDir(m_romsDir).mkdir("Romweaver.bak"));
    makeFile(platform::joinPath(m_romsDir, "Romweaver.bak"), "short.nes", "old backup");
    MemorySink output;
    append(output, "short.nes");

    const QByteArray repaired = withCounts(rom, newPrg, newChr);
    QCOMPARE(readFile(romPath("short.nes")), repaired);
    QCOMPARE(readFile(backupPath("short.nes")), rom);
    QCOMPARE(output.bytes, repaired);
    QCOMPARE(readFile(m_logPath), logEntry(repairMessage("short.nes")));
    QVERIFY(!m_log->firstLogWrite());
}

void TestNesRom::repairsFilesWithoutFullHeader_data()
{
    QTest::addColumn<QByteArray>("rom");
    QTest::addColumn<QByteArray>("repaired"); // as the image holds it
    // Only a file that begins with the iNES signature is repaired in place,
    // after a backup; any other file stays as it is, its folder untouched.
    QTest::addColumn<bool>("ines");

    // Missing count bytes read as 0; the repair writes only within the file.
    QTest::newRow("empty") << QByteArray() << QByteArray() << false;
    QTest::newRow("1 byte") << QByteArray("N") << QByteArray("N") << false;
    QTest::newRow("4 bytes") << QByteArray("NES\x1a") << QByteArray("NES\x1a") << true;
    QTest::newRow("5 bytes") << QByteArray("NES\x1a\x02", 5) << QByteArray("NES\x1a\x00", 5)
                             << true;
    QTest::newRow("6 bytes") << QByteArray("NES\x1a\x02\x01", 6) << QByteArray("NES\x1a\x00\x00", 6)
                             << true;
    QTest::newRow("15 bytes") << makeRom(3, 2, 0).left(15) << makeRom(0, 0, 0).left(15) << true;
    // Bytes 4 and 5 of a text (":" and "x") declare far more than it holds.
    const QByteArray passwd("root:x:0:0:root:/root:/bin/bash\n");
    QTest::newRow("a text, shorter than its bytes 4 and 5 declare")
        << passwd << withCounts(passwd, 0, 0) << false;
    QTest::newRow("a signature one byte off")
        << QByteArray("NES\x1b\x02\x01", 6) << QByteArray("NES\x1b\x00\x00", 6) << false;
}

void TestNesRom::repairsFilesWithoutFullHeader()
{
    QFETCH(QByteArray, rom);
    QFETCH(QByteArray, repaired);
    QFETCH(bool, ines);

    makeFile(m_romsDir, "tiny.nes", rom);
    MemorySink output;
    append(output, "tiny.nes");

    QCOMPARE(output.bytes, repaired);
    QCOMPARE(readFile(romPath("tiny.nes")), ines ? repaired : rom);
    if (ines) {
        QCOMPARE(readFile(backupPath("tiny.nes")), rom);
        QCOMPARE(readFile(m_logPath), logEntry(repairMessage("tiny.nes")));
    } else {
        QVERIFY(!QFileInfo::exists(platform::joinPath(m_romsDir, "Romweaver.bak")));
        QCOMPARE(readFile(m_logPath), logEntry("tiny.nes: invalid rom size in header fixed in "
                                               "the GBA rom only; the file is unchanged."));
    }
}

void TestNesRom::opensForWritingOnlyToRepair_data()
{
    QTest::addColumn<QByteArray>("rom");
    QTest::addColumn<bool>("written");

    QTest::newRow("exact") << makeRom(1, 1, 24 * KB) << false;
    QTest::newRow("cut") << makeRom(1, 1, 30 * KB) << false;
    // 12 KB with 1 PRG bank and no CHR: the repair gives the same two counts.
    QTest::newRow("repair, counts unchanged") << makeRom(1, 0, 12 * KB) << true;
}

void TestNesRom::opensForWritingOnlyToRepair()
{
#ifdef Q_OS_LINUX
    QFETCH(QByteArray, rom);
    QFETCH(bool, written);
    makeFile(m_romsDir, "watched.nes", rom);
    // The kernel tells apart closes after writing and reads, and reports each write.
    const int watcher = inotify_init1(IN_NONBLOCK);
    QVERIFY(watcher >= 0);
    const auto closeWatcher = qScopeGuard([watcher] { ::close(watcher); });
    QVERIFY(inotify_add_watch(watcher, QFile::encodeName(romPath("watched.nes")).constData(),
                              IN_MODIFY | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) >= 0);

    MemorySink output;
    append(output, "watched.nes");

    quint32 seen = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t got; (got = ::read(watcher, events, sizeof events)) > 0;) {
        for (char* at = events; at < events + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            seen |= event->mask;
            at += sizeof(inotify_event) + event->len;
        }
    }
    QVERIFY(seen & IN_CLOSE_NOWRITE);
    QCOMPARE(bool(seen & IN_CLOSE_WRITE), written);
    QCOMPARE(bool(seen & IN_MODIFY), written);
    QCOMPARE(readFile(romPath("watched.nes")), rom);
#else
    QSKIP("needs inotify");
#endif
}

void TestNesRom::cutIsRepeatedEveryTime()
{
    const QByteArray rom = makeRom(1, 1, 24 * KB + 1);
    makeFile(m_romsDir, "long.nes", rom);
    MemorySink output;
    append(output, "long.nes");
    append(output, "long.nes");

    QCOMPARE(readFile(romPath("long.nes")), rom);
    QCOMPARE(output.bytes, rom.left(24 * KB + 16).repeated(2));
    QCOMPARE(readFile(m_logPath),
             logEntry("long.nes: only the rom size specified in header copied.").repeated(2));
}

void TestNesRom::secondRepairReplacesBackup()
{
    // 24 KB with 2 PRG banks declared: 1.5 rounds to 2 PRG banks, still 32 KB.
    const QByteArray rom = makeRom(2, 1, 24 * KB);
    makeFile(m_romsDir, "again.nes", rom);
    makeFile(m_romsDir, "other.nes", makeRom(1, 1, 8 * KB));
    MemorySink output;
    append(output, "again.nes");
    append(output, "other.nes");
    QCOMPARE(readFile(backupPath("again.nes")), rom);
    append(output, "again.nes");

    const QByteArray repaired = withCounts(rom, 2, 0);
    QCOMPARE(readFile(romPath("again.nes")), repaired);
    QCOMPARE(readFile(backupPath("again.nes")), repaired);
    QCOMPARE(readFile(backupPath("other.nes")), makeRom(1, 1, 8 * KB));
    QCOMPARE(output.bytes, repaired + withCounts(makeRom(1, 1, 8 * KB), 0, 0) + repaired);
    QCOMPARE(readFile(m_logPath), logEntry(repairMessage("again.nes")) +
                                      logEntry(repairMessage("other.nes")) +
                                      logEntry(repairMessage("again.nes")));
}

void TestNesRom::repairMessageNamesBackupDirectoryAtRoot()
{
    // A directory that ends in a separator gets a second one, as in every path.
    const QString romsDir = m_romsDir + QDir::separator();
    makeFile(m_romsDir, "root.nes", makeRom(1, 0, 0));
    MemorySink output;
    AppendNESRom(output, romsDir, "root.nes", *m_log);
    QCOMPARE(readFile(m_logPath),
             logEntry("root.nes: invalid rom size in header fixed. Backup of rom in " + romsDir +
                      QDir::separator() + "Romweaver.bak"));
}

void TestNesRom::missingOrLockedRomAppendsNothing_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << false;
    QTest::newRow("in use") << true;
}

void TestNesRom::missingOrLockedRomAppendsNothing()
{
    QFETCH(bool, exists);
    const QByteArray rom = makeRom(2, 1, 0);
    std::unique_ptr<ExclusiveFile> holder;
    if (exists) {
        makeFile(m_romsDir, "busy.nes", rom);
        holder =
            std::make_unique<ExclusiveFile>(romPath("busy.nes"), ExclusiveFile::Mode::ReadExisting);
    }
    MemorySink output;
    QVERIFY_THROWS_EXCEPTION(FileError, append(output, "busy.nes"));

    QVERIFY(output.bytes.isEmpty());
    QVERIFY(!QFileInfo::exists(m_logPath));
    QVERIFY(!QFileInfo::exists(platform::joinPath(m_romsDir, "Romweaver.bak")));
    if (exists) {
        // Read once released: on Windows a file held without sharing cannot be read meanwhile.
        holder.reset();
        QCOMPARE(readFile(romPath("busy.nes")), rom);
    }
}

#ifndef Q_OS_WIN
void TestNesRom::romReachedByALinkIsRepairedInTheImageOnly()
{
    const QByteArray rom = makeRom(2, 1, 24 * KB);
    makeFile(m_outsideDir, "linked.nes", rom);
    QVERIFY(QFile::link(platform::joinPath(m_outsideDir, "linked.nes"), romPath("linked.nes")));
    MemorySink output;
    append(output, "linked.nes");

    QCOMPARE(output.bytes, withCounts(rom, 2, 0));
    QCOMPARE(readFile(platform::joinPath(m_outsideDir, "linked.nes")), rom);
    QVERIFY(!QFileInfo::exists(platform::joinPath(m_romsDir, "Romweaver.bak")));
}
#endif

void TestNesRom::backupFailureLeavesRomUnchanged_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("backup directory is a file") << "directory is a file";
    QTest::newRow("backup file is a directory") << "file is a directory";
    QTest::newRow("backup file in use") << "file in use";
#ifndef Q_OS_WIN
    // A link would carry the backup out of the rom folder, over a file of anyone's.
    QTest::newRow("backup directory is a link") << "directory is a link";
    QTest::newRow("backup file is a link") << "file is a link";
#endif
}

void TestNesRom::backupFailureLeavesRomUnchanged()
{
    QFETCH(QString, obstacle);
    const QByteArray rom = makeRom(2, 1, 8 * KB);
    makeFile(m_romsDir, "short.nes", rom);
    std::unique_ptr<ExclusiveFile> holder;
    if (obstacle == "directory is a file") {
        makeFile(m_romsDir, "Romweaver.bak", "not a directory");
    } else if (obstacle == "file is a directory") {
        QVERIFY(QDir(m_romsDir).mkpath("Romweaver.bak/short.nes"));
    } else if (obstacle == "directory is a link") {
        QVERIFY(QFile::link(m_outsideDir, platform::joinPath(m_romsDir, "Romweaver.bak")));
    } else if (obstacle == "file is a link") {
        QVERIFY(QDir(m_romsDir).mkdir("Romweaver.bak"));
        QVERIFY(
            QFile::link(platform::joinPath(m_outsideDir, "short.nes"), backupPath("short.nes")));
    } else {
        QVERIFY(QDir(m_romsDir).mkdir("Romweaver.bak"));
        makeFile(platform::joinPath(m_romsDir, "Romweaver.bak"), "short.nes", "held");
        holder = std::make_unique<ExclusiveFile>(backupPath("short.nes"),
                                                 ExclusiveFile::Mode::ReadExisting);
    }
    MemorySink output;
    QVERIFY_THROWS_EXCEPTION(FileError, append(output, "short.nes"));

    QCOMPARE(readFile(romPath("short.nes")), rom);
    QVERIFY(output.bytes.isEmpty());
    QVERIFY(!QFileInfo::exists(m_logPath));
    if (holder) {
        holder.reset(); // on Windows a held file cannot be read meanwhile
        QCOMPARE(readFile(backupPath("short.nes")), QByteArray("held"));
    }
    QCOMPARE(readFile(platform::joinPath(m_outsideDir, "short.nes")), QByteArray("outside"));
    // The rom was closed: it can be opened exclusively again.
    ExclusiveFile reopened(romPath("short.nes"), ExclusiveFile::Mode::ReadWriteExisting);
}

void TestNesRom::logFailureAfterRepairOrCut()
{
    // A directory where the log should be: it can be neither created nor appended to.
    QVERIFY(QDir().mkdir(m_logPath));
    const QByteArray shortRom = makeRom(2, 1, 24 * KB);
    const QByteArray longRom = makeRom(1, 0, 16 * KB + 100);
    makeFile(m_romsDir, "short.nes", shortRom);
    makeFile(m_romsDir, "long.nes", longRom);

    MemorySink output;
    QVERIFY_THROWS_EXCEPTION(FileError, append(output, "short.nes"));
    // The repair has landed and the backup exists; the rom was not appended.
    QCOMPARE(readFile(romPath("short.nes")), withCounts(shortRom, 2, 0));
    QCOMPARE(readFile(backupPath("short.nes")), shortRom);
    QVERIFY(output.bytes.isEmpty());
    QVERIFY(m_log->firstLogWrite());

    // A cut is logged after its bytes were appended.
    QVERIFY_THROWS_EXCEPTION(FileError, append(output, "long.nes"));
    QCOMPARE(output.bytes, longRom.left(16 * KB + 16));
    QCOMPARE(readFile(romPath("long.nes")), longRom);
}

void TestNesRom::outputFailureDuringRepairedAppend()
{
    const QByteArray rom = makeRom(1, 3, 28 * KB);
    makeFile(m_romsDir, "short.nes", rom);
    MemorySink output(20000);
    QVERIFY_THROWS_EXCEPTION(FileError, append(output, "short.nes"));

    const QByteArray repaired = withCounts(rom, 1, 2);
    QCOMPARE(output.bytes, repaired.left(20000));
    QCOMPARE(readFile(romPath("short.nes")), repaired);
    QCOMPARE(readFile(backupPath("short.nes")), rom);
    QCOMPARE(readFile(m_logPath), logEntry(repairMessage("short.nes")));
    ExclusiveFile reopened(romPath("short.nes"), ExclusiveFile::Mode::ReadWriteExisting);
}

QTEST_GUILESS_MAIN(TestNesRom)
#include "tst_nesrom.moc"
