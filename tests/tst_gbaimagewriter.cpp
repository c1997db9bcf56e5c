#include "builder/Build.h"
#include "builder/BuildLog.h"
#include "builder/GbaImageWriter.h"
#include "builder/ProgressPlan.h"
#include "platform/ExclusiveFile.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

using namespace platform;
using namespace builder;
using namespace testfiles;

namespace
{

constexpr int KB = 1024;

// Holds the position within 0..100 like the write page's bar and records
// every call in order.
class RecordingProgress : public ProgressReporter
{
public:
    explicit RecordingProgress(int start = 0) : m_position(start) {}
    int position() const override { return m_position; }
    void setPosition(int position) override
    {
        m_position = qBound(0, position, 100);
        events << QStringLiteral("bar %1").arg(m_position);
    }
    void setProgressText(const QString& text) override { events << text; }
    void setStatusText(const QString& text) override
    {
        events << text;
        if (onStatus)
            onStatus(text);
    }

    QStringList events;
    std::function<void(const QString&)> onStatus;

private:
    int m_position;
};

// Passes bytes on to the output file until the limit, then fails like a full disk.
class FullDisk : public ByteSink
{
public:
    FullDisk(ByteSink& file, qint64 room) : m_file(file), m_room(room) {}
    void write(const char* data, qint64 size) override
    {
        const qint64 fits = qMin(size, m_room);
        m_file.write(data, fits);
        m_room -= fits;
        if (fits < size)
            throw FileError(platform::FileAction::Write, QStringLiteral("out.gba"),
                            platform::FileFailure::Other,
                            QStringLiteral("No space left on device"));
    }

private:
    ByteSink& m_file;
    qint64 m_room;
};

// Holds every byte until the output is flushed, then fails there, as a
// buffering device on a full disk does.
class FailsAtFlush : public ByteSink
{
public:
    void write(const char*, qint64) override {}
    void flush() override
    {
        throw FileError(platform::FileAction::Write, QStringLiteral("out.gba"),
                        platform::FileFailure::Other, QStringLiteral("No space left on device"));
    }
};

constexpr qint64 BaseRomSize = 70000; // larger than one copy chunk: two reads
const QByteArray MenuLines("1. Alpha\r\n2. Beta|3\r\n3. Gamma\r\n");

const QString BaseStatus = QStringLiteral("Writing GBA rom - adding base rom tessel.gba...");
const QString MenuStatus = QStringLiteral("Writing GBA rom - adding menu script...");

QString romStatus(const QString& name)
{
    return "Writing GBA rom - adding nes rom " + name + "...";
}

// What the page receives before one piece: the bar step (bar < 0: none), the
// percentage, the status.
QStringList piece(int bar, int shown, const QString& status)
{
    QStringList events;
    if (bar >= 0)
        events << QStringLiteral("bar %1").arg(bar);
    return events << QStringLiteral("%1 % done").arg(shown) << status;
}

QList<int> range(int from, int to, int step = 1)
{
    QList<int> values;
    for (int v = from; v <= to; v += step)
        values << v;
    return values;
}

QList<int> eachTwice(const QList<int>& values)
{
    QList<int> twice;
    for (int v : values)
        twice << v << v;
    return twice;
}

} // namespace

Q_DECLARE_METATYPE(BuildResult::Outcome)

class TestGbaImageWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void progressPlan_data();
    void progressPlan();
    void progressDuringWrite_data();
    void progressDuringWrite();
    void secondWriteStartsAt100();

    void imageIsConcatenation();
    void emptyPieces_data();
    void emptyPieces();
    void longestOutputName_data();
    void longestOutputName();

    void refusesOutputNamingAnInput_data();
    void refusesOutputNamingAnInput();
    void outputCannotBeCreated_data();
    void outputCannotBeCreated();
    void stopsAtUnreadableInput_data();
    void stopsAtUnreadableInput();
    void stopsWhenBackupImpossible();
    void unwritableLog_data();
    void unwritableLog();
    void diskFull_data();
    void diskFull();
    void failureAtFlushIsAFailure();
    void outputsFate_data();
    void outputsFate();

private:
    QString outputPath() const { return platform::joinPath(m_outDir, "Whatever.gba"); }
    QString romPath(const QString& name) const { return platform::joinPath(m_romsDir, name); }
    QString logPath() const { return m_programDir + "Romweaver.log"; }
    QStringList outputFolder() const { return QDir(m_outDir).entryList(QDir::Files); }
    // A failed write leaves no output where there was none, and no part file.
    void verifyNothingWritten() const { QCOMPARE(outputFolder(), QStringList()); }

    void makeRoms(const QStringList& names)
    {
        for (const QString& name : names)
            makeFile(m_romsDir, name, makeRom(0, 0, 0));
    }
    BuildRequest request(const QStringList& names) const
    {
        return {outputPath(),      platform::ProgramFiles(m_programDir),
                m_romsDir,         names,
                int(names.size()), {}};
    }
    bool write(const BuildRequest& request, RecordingProgress& progress,
               const OutputSinkFactory& sink = {})
    {
        LogDateTimeFormat format;
        format.shortDateFormat = "M/d/yyyy";
        BuildLog log(logPath(), format,
                     [] { return QDateTime(QDate(2026, 12, 6), QTime(11, 19, 34)); });
        builder::KeptError failure;
        return WriteGBARom(request, progress, log, failure, sink);
    }
    // Every file of the build has been closed: each opens exclusively again.
    void verifyClosed(const QStringList& paths)
    {
        for (const QString& path : paths) {
            if (QFileInfo(path).isFile())
                ExclusiveFile(path, ExclusiveFile::Mode::ReadWriteExisting).close();
        }
    }

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_programDir;
    QString m_romsDir;
    QString m_outDir;
    QByteArray m_base;
    QByteArray m_menu;
};

void TestGbaImageWriter::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    const QDir temp(m_temp->path());
    QVERIFY(temp.mkdir("program") && temp.mkdir("roms") && temp.mkdir("out"));
    m_programDir = QDir::toNativeSeparators(temp.filePath("program")) + QDir::separator();
    m_romsDir = QDir::toNativeSeparators(temp.filePath("roms"));
    m_outDir = QDir::toNativeSeparators(temp.filePath("out"));
    m_base = patternBytes(BaseRomSize, 11);
    m_menu = MenuLines;
    makeFile(m_programDir, "Tessel.GBA", m_base);
    makeFile(m_programDir, "menu.out", m_menu);
}

void TestGbaImageWriter::progressPlan_data()
{
    QTest::addColumn<int>("roms");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("increment");

    QTest::newRow("0") << 0 << 1 << 50;
    QTest::newRow("1") << 1 << 1 << 33;
    QTest::newRow("4") << 4 << 1 << 17;
    QTest::newRow("6: 12.5 to 12") << 6 << 1 << 12;
    QTest::newRow("38: 2.5 to 2") << 38 << 1 << 2;
    QTest::newRow("98") << 98 << 1 << 1;
    QTest::newRow("99") << 99 << 1 << 1;
    QTest::newRow("148: 1.5 to 2") << 148 << 2 << 1;
    QTest::newRow("248: 2.5 to 2") << 248 << 2 << 1;
    QTest::newRow("348: 3.5 to 4") << 348 << 4 << 1;
    QTest::newRow("198") << 198 << 2 << 1;
}

void TestGbaImageWriter::progressPlan()
{
    QFETCH(int, roms);
    QFETCH(int, interval);
    QFETCH(int, increment);
    const ProgressPlan plan = ProgressPlan::forSelectedRoms(roms);
    QCOMPARE(plan.interval, interval);
    QCOMPARE(plan.increment, increment);
}

void TestGbaImageWriter::progressDuringWrite_data()
{
    QTest::addColumn<int>("roms");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("0") << 0 << 1 << QList<int>{50, 100};
    QTest::newRow("1") << 1 << 1 << QList<int>{33, 66, 99};
    QTest::newRow("4: 102 held at 100") << 4 << 1 << QList<int>{17, 34, 51, 68, 85, 100};
    QTest::newRow("6") << 6 << 1 << range(12, 96, 12);
    QTest::newRow("38") << 38 << 1 << range(2, 80, 2);
    QTest::newRow("98") << 98 << 1 << range(1, 100);
    QTest::newRow("99") << 99 << 1 << range(1, 100) + QList<int>{100};
    QTest::newRow("148: ends at 76") << 148 << 2 << QList<int>{1, 2} + eachTwice(range(3, 76));
    // 100 is reached before the rom with index 194 and held.
    QTest::newRow("248: held at 100")
        << 248 << 2 << QList<int>{1, 2} + eachTwice(range(3, 99)) + QList<int>(54, 100);
}

void TestGbaImageWriter::progressDuringWrite()
{
    QFETCH(int, roms);
    QFETCH(int, interval);
    QFETCH(QList<int>, shown);
    QCOMPARE(shown.size(), roms + 2);

    QStringList names;
    for (int i = 0; i < roms; ++i)
        names << QStringLiteral("rom%1.nes").arg(i, 3, 10, QLatin1Char('0'));
    makeRoms(names);
    RecordingProgress progress;
    QVERIFY(write(request(names), progress));

    QStringList expected =
        piece(shown[0], shown[0], BaseStatus) + piece(shown[1], shown[1], MenuStatus);
    for (int i = 0; i < roms; ++i) {
        const int bar = (i % interval == 0) ? shown[i + 2] : -1;
        expected += piece(bar, shown[i + 2], romStatus(names[i]));
    }
    QCOMPARE(progress.events, expected);
    QCOMPARE(QFileInfo(outputPath()).size(), m_base.size() + m_menu.size() + 16 * roms);
}

void TestGbaImageWriter::secondWriteStartsAt100()
{
    makeRoms({"a.nes", "b.nes"});
    RecordingProgress progress(100);
    QVERIFY(write(request({"a.nes", "b.nes"}), progress));
    QCOMPARE(progress.events, piece(100, 100, BaseStatus) + piece(100, 100, MenuStatus) +
                                  piece(100, 100, romStatus("a.nes")) +
                                  piece(100, 100, romStatus("b.nes")));
}

void TestGbaImageWriter::imageIsConcatenation()
{
    const QByteArray whole = makeRom(2, 1, 40 * KB, 1);
    const QByteArray cut = makeRom(1, 0, 16 * KB + 700, 2);
    const QByteArray shortRom = makeRom(1, 3, 28 * KB, 3);
    const QByteArray large = makeRom(8, 0, 128 * KB, 4);
    makeFile(m_romsDir, "whole.nes", whole);
    makeFile(m_romsDir, "cut.nes", cut);
    makeFile(m_romsDir, "short.nes", shortRom);
    makeFile(m_romsDir, "large.nes", large);
    // An existing output is replaced, however long it was.
    makeFile(m_outDir, "Whatever.gba", patternBytes(600000));

    const QStringList names{"whole.nes", "cut.nes", "short.nes", "large.nes", "whole.nes"};
    RecordingProgress progress;
    QVERIFY(write(request(names), progress));

    const QByteArray repaired = withCounts(shortRom, 1, 2);
    QCOMPARE(readFile(outputPath()),
             m_base + m_menu + whole + cut.left(16 * KB + 16) + repaired + large + whole);
    QCOMPARE(readFile(romPath("short.nes")), repaired);
    QCOMPARE(readFile(romPath("cut.nes")), cut);
    QCOMPARE(
        readFile(platform::joinPath(platform::joinPath(m_romsDir, "Romweaver.bak"), "short.nes")),
        shortRom);
    QCOMPARE(readFile(logPath()),
             "12/6/2026 11:19:34 am\r\ncut.nes: only the rom size specified in header copied.\r\n"
             "12/6/2026 11:19:34 am\r\nshort.nes: invalid rom size in header fixed. Backup of "
             "rom in " +
                 (m_romsDir + QDir::separator() + "Romweaver.bak\r\n").toLocal8Bit());
    QCOMPARE(progress.events.last(), romStatus("whole.nes"));
    verifyClosed({outputPath(), romPath("short.nes"), m_programDir + "Tessel.GBA"});
}

void TestGbaImageWriter::emptyPieces_data()
{
    QTest::addColumn<QByteArray>("menu");
    QTest::addColumn<QStringList>("roms");

    QTest::newRow("no roms") << QByteArray("1. Alpha\r\n") << QStringList();
    QTest::newRow("empty menu script") << QByteArray() << QStringList{"a.nes"};
    QTest::newRow("empty base rom, menu and roms") << QByteArray() << QStringList();
}

void TestGbaImageWriter::emptyPieces()
{
    QFETCH(QByteArray, menu);
    QFETCH(QStringList, roms);
    if (roms.isEmpty() && menu.isEmpty()) {
        m_base.clear();
        makeFile(m_programDir, "Tessel.GBA", m_base);
    }
    makeFile(m_programDir, "menu.out", menu);
    makeRoms(roms);
    RecordingProgress progress;
    QVERIFY(write(request(roms), progress));
    QCOMPARE(readFile(outputPath()), m_base + menu + makeRom(0, 0, 0).repeated(roms.size()));
    QVERIFY(QFileInfo::exists(outputPath()));
}

void TestGbaImageWriter::longestOutputName_data()
{
    // A name as long as a file name may be: 255 bytes (UTF-16 units on Windows).
    QTest::addColumn<QString>("name");
#ifdef Q_OS_WIN
    const int twoByteLetters = 250;
#else
    const int twoByteLetters = 125;
#endif
    QTest::newRow("255 letters") << QString(251, QLatin1Char('n')) + ".gba";
    QTest::newRow("two-byte letters") << QString(twoByteLetters, QChar(0xe9)) + "x.gba";
}

void TestGbaImageWriter::longestOutputName()
{
    QFETCH(QString, name);
    BuildRequest req = request({"a.nes"});
    req.outputPath = platform::joinPath(m_outDir, name);
#ifdef Q_OS_WIN
    if (req.outputPath.size() >= 260)
        QSKIP("a path this long needs Windows' long paths, which the program does not ask for");
#endif
    makeRoms({"a.nes"});
    // The name of a killed build's part file, taken away by the next build.
    const QString leftover = name.left(100) + ".new-2147483647-abcdef" + builder::OutputPartSuffix;
    makeFile(m_outDir, leftover, "part");
    RecordingProgress progress;
    QVERIFY(write(req, progress));
    QCOMPARE(readFile(req.outputPath), m_base + m_menu + makeRom(0, 0, 0));
    QCOMPARE(outputFolder(), QStringList{name});
}

void TestGbaImageWriter::refusesOutputNamingAnInput_data()
{
    QTest::addColumn<QString>("spelling");

    QTest::newRow("base rom") << "base";
    QTest::newRow("menu script") << "menu";
    QTest::newRow("rom") << "rom";
    QTest::newRow("rom through ..") << "dotdot";
    QTest::newRow("rom through a symbolic link") << "symlink";
    QTest::newRow("base rom through a hard link") << "hardlink";
    QTest::newRow("settings file") << "settings";
    QTest::newRow("settings file not there yet") << "new settings";
    QTest::newRow("build log through ..") << "log";
    QTest::newRow("build log not there yet") << "new log";
}

void TestGbaImageWriter::refusesOutputNamingAnInput()
{
    QFETCH(QString, spelling);
    const QByteArray rom = makeRom(1, 0, 20 * KB);
    makeFile(m_romsDir, "a.nes", rom);
    makeFile(m_romsDir, "b.nes", makeRom(0, 0, 0));

    BuildRequest req = request({"b.nes", "a.nes"});
    if (spelling == "base") {
        req.outputPath = m_programDir + "Tessel.GBA";
    } else if (spelling == "menu") {
        req.outputPath = m_programDir + "menu.out";
    } else if (spelling == "rom") {
        req.outputPath = romPath("a.nes");
    } else if (spelling == "dotdot") {
        req.outputPath = QDir::toNativeSeparators(m_outDir + "/../roms/./a.nes");
    } else if (spelling == "symlink") {
        std::error_code error;
        std::filesystem::create_symlink(QFile::encodeName(romPath("a.nes")).toStdString(),
                                        QFile::encodeName(outputPath()).toStdString(), error);
        if (error)
            QSKIP("no symbolic links here");
    } else if (spelling.endsWith("settings") || spelling.endsWith("log")) {
        const QString name = spelling.endsWith("log") ? "Romweaver.log" : "Romweaver.ini";
        if (!spelling.startsWith("new"))
            makeFile(m_programDir, name, "kept");
        req.outputPath = spelling == "log"
                             ? QDir::toNativeSeparators(m_outDir + "/../program/" + name)
                             : m_programDir + name;
    } else {
        std::error_code error;
        std::filesystem::create_hard_link(
            QFile::encodeName(m_programDir + "Tessel.GBA").toStdString(),
            QFile::encodeName(outputPath()).toStdString(), error);
        if (error)
            QSKIP("no hard links here");
    }

    // The build refuses it before anything is written.
    RecordingProgress progress;
    BuildLog log(logPath());
    req.menuLines = QStringList{"B", "A"};
    const BuildResult result = build(req, progress, log);
    QCOMPARE(result.outcome, BuildResult::Outcome::Refused);
    QCOMPARE(result.problems.size(), 1);
    QCOMPARE(result.problems.constFirst().path, req.outputPath);
    const BuildProblem::Kind kind = result.problems.constFirst().kind;
    QVERIFY(kind == BuildProblem::Kind::OutputIsInput ||
            kind == BuildProblem::Kind::OutputIsSettings ||
            kind == BuildProblem::Kind::OutputIsLog);
    QVERIFY(progress.events.isEmpty());
    QCOMPARE(readFile(m_programDir + "Tessel.GBA"), m_base);
    QCOMPARE(readFile(m_programDir + "menu.out"), m_menu);
    QCOMPARE(readFile(romPath("a.nes")), rom);
    QVERIFY(!QFileInfo::exists(platform::joinPath(m_romsDir, "Romweaver.bak")));
    if (spelling.startsWith("new")) {
        QVERIFY(!QFileInfo::exists(req.outputPath));
    } else if (spelling.endsWith("settings") || spelling.endsWith("log")) {
        QCOMPARE(readFile(req.outputPath), "kept");
    } else {
        QVERIFY(!QFileInfo::exists(logPath()));
    }
}

void TestGbaImageWriter::outputCannotBeCreated_data()
{
    QTest::addColumn<QString>("obstacle");

    QTest::newRow("directory missing") << "missing";
    QTest::newRow("path through a file") << "through file";
    QTest::newRow("output is a directory") << "directory";
    QTest::newRow("output in use") << "in use";
}

void TestGbaImageWriter::outputCannotBeCreated()
{
    QFETCH(QString, obstacle);
    makeRoms({"a.nes"});
    BuildRequest req = request({"a.nes"});
    std::unique_ptr<ExclusiveFile> holder;
    if (obstacle == "missing") {
        req.outputPath = platform::joinPath(platform::joinPath(m_outDir, "gone"), "out.gba");
    } else if (obstacle == "through file") {
        makeFile(m_outDir, "plain", "x");
        req.outputPath = platform::joinPath(platform::joinPath(m_outDir, "plain"), "out.gba");
    } else if (obstacle == "directory") {
        QVERIFY(QDir(m_outDir).mkdir("Whatever.gba"));
    } else {
        makeFile(m_outDir, "Whatever.gba", "earlier image");
        holder = std::make_unique<ExclusiveFile>(outputPath(), ExclusiveFile::Mode::ReadExisting);
    }

    RecordingProgress progress;
    QVERIFY(!write(req, progress));
    QVERIFY(progress.events.isEmpty());
    if (obstacle == "in use") {
        holder.reset(); // on Windows a held file cannot be read meanwhile
        QCOMPARE(readFile(outputPath()), QByteArray("earlier image"));
    } else if (obstacle != "directory")
        QVERIFY(!QFileInfo::exists(req.outputPath));
}

void TestGbaImageWriter::stopsAtUnreadableInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("inUse"); // else missing
    QTest::addColumn<int>("pieces"); // pieces appended before the failure

    QTest::newRow("base rom deleted") << "Tessel.GBA" << false << 0;
    QTest::newRow("base rom in use") << "Tessel.GBA" << true << 0;
    QTest::newRow("menu script missing") << "menu.out" << false << 1;
    QTest::newRow("rom missing in the middle") << "b.nes" << false << 3;
    QTest::newRow("rom in use") << "b.nes" << true << 3;
    QTest::newRow("last rom missing") << "c.nes" << false << 4;
}

void TestGbaImageWriter::stopsAtUnreadableInput()
{
    QFETCH(QString, input);
    QFETCH(bool, inUse);
    QFETCH(int, pieces);

    const QList<QByteArray> roms{makeRom(1, 0, 16 * KB, 1), makeRom(0, 1, 8 * KB, 2),
                                 makeRom(1, 1, 24 * KB, 3)};
    makeFile(m_romsDir, "a.nes", roms[0]);
    makeFile(m_romsDir, "b.nes", roms[1]);
    makeFile(m_romsDir, "c.nes", roms[2]);
    const QString path = input.endsWith(".nes") ? romPath(input) : m_programDir + input;
    std::unique_ptr<ExclusiveFile> holder;
    if (inUse)
        holder = std::make_unique<ExclusiveFile>(path, ExclusiveFile::Mode::ReadExisting);
    else
        QVERIFY(QFile::remove(path));

    RecordingProgress progress;
    QVERIFY(!write(request({"a.nes", "b.nes", "c.nes"}), progress));

    verifyNothingWritten();
    // Five pieces of 20 each: the texts stop at the failing piece's status.
    const QStringList statuses{BaseStatus, MenuStatus, romStatus("a.nes"), romStatus("b.nes"),
                               romStatus("c.nes")};
    QStringList events;
    for (int i = 0; i <= pieces; ++i)
        events += piece(20 * (i + 1), 20 * (i + 1), statuses[i]);
    QCOMPARE(progress.events, events);
    holder.reset();
    verifyClosed({outputPath(), path, romPath("a.nes"), m_programDir + "Tessel.GBA"});
}

void TestGbaImageWriter::stopsWhenBackupImpossible()
{
    // Where the backup directory belongs lies a file: the repair cannot start.
    makeFile(m_romsDir, "Romweaver.bak", "a file");
    const QByteArray shortRom = makeRom(2, 1, 8 * KB);
    makeFile(m_romsDir, "a.nes", makeRom(0, 0, 0));
    makeFile(m_romsDir, "short.nes", shortRom);

    RecordingProgress progress;
    QVERIFY(!write(request({"a.nes", "short.nes", "a.nes"}), progress));
    verifyNothingWritten();
    QCOMPARE(readFile(romPath("short.nes")), shortRom);
    QVERIFY(!QFileInfo::exists(logPath()));
    QCOMPARE(progress.events.last(), romStatus("short.nes"));
    verifyClosed({outputPath(), romPath("short.nes")});
}

void TestGbaImageWriter::unwritableLog_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("result");

    QTest::newRow("nothing to log") << "exact.nes" << true;
    QTest::newRow("a cut") << "long.nes" << false;
    QTest::newRow("a repair") << "short.nes" << false;
}

void TestGbaImageWriter::unwritableLog()
{
    QFETCH(QString, second);
    QFETCH(bool, result);

    // The log cannot be created where a directory of its name stands, as in a
    // write-protected program directory.
    QVERIFY(QDir().mkdir(logPath()));
    const QByteArray exact = makeRom(1, 1, 24 * KB, 1);
    const QByteArray longRom = makeRom(1, 1, 24 * KB + 9, 2);
    const QByteArray shortRom = makeRom(2, 1, 24 * KB, 3);
    makeFile(m_romsDir, "exact.nes", exact);
    makeFile(m_romsDir, "long.nes", longRom);
    makeFile(m_romsDir, "short.nes", shortRom);

    RecordingProgress progress;
    QCOMPARE(write(request({"exact.nes", second, "exact.nes"}), progress), result);

    if (second == "exact.nes") {
        QCOMPARE(readFile(outputPath()), m_base + m_menu + exact + exact + exact);
    } else if (second == "long.nes") {
        verifyNothingWritten();
        QCOMPARE(readFile(romPath("long.nes")), longRom);
    } else {
        verifyNothingWritten();
        QCOMPARE(readFile(romPath("short.nes")), withCounts(shortRom, 2, 0));
        QCOMPARE(readFile(platform::joinPath(platform::joinPath(m_romsDir, "Romweaver.bak"),
                                             "short.nes")),
                 shortRom);
    }
    if (!result)
        QCOMPARE(progress.events.last(), romStatus(second));
    verifyClosed({outputPath(), romPath(second)});
}

void TestGbaImageWriter::diskFull_data()
{
    QTest::addColumn<qint64>("room");
    QTest::addColumn<int>("failingPiece");
    QTest::addColumn<bool>("repairLogged");

    // Pieces: base rom, menu script, a.nes (16 KB + 16), cut.nes (8 KB + 16
    // of 8 KB + 116) and short.nes (12 KB + 16, repaired).
    const qint64 base = BaseRomSize;
    const qint64 menu = MenuLines.size();
    const qint64 a = 16 * KB + 16;
    const qint64 cut = 8 * KB + 16;
    QTest::newRow("nothing fits") << qint64(0) << 0 << false;
    QTest::newRow("within the first chunk") << qint64(100) << 0 << false;
    QTest::newRow("within the second chunk") << qint64(61441) << 0 << false;
    QTest::newRow("just the base rom") << base << 1 << false;
    QTest::newRow("within the menu") << base + 10 << 1 << false;
    QTest::newRow("within a rom") << base + menu + 5000 << 2 << false;
    QTest::newRow("within the cut rom") << base + menu + a + 100 << 3 << false;
    QTest::newRow("within the repaired rom") << base + menu + a + cut + 7 << 4 << true;
}

void TestGbaImageWriter::diskFull()
{
    QFETCH(qint64, room);
    QFETCH(int, failingPiece);
    QFETCH(bool, repairLogged);

    const QByteArray a = makeRom(1, 0, 16 * KB, 1);
    const QByteArray cut = makeRom(0, 1, 8 * KB + 100, 2);
    const QByteArray shortRom = makeRom(1, 1, 12 * KB, 3);
    makeFile(m_romsDir, "a.nes", a);
    makeFile(m_romsDir, "cut.nes", cut);
    makeFile(m_romsDir, "short.nes", shortRom);

    RecordingProgress progress;
    const QStringList names{"a.nes", "cut.nes", "short.nes"};
    QVERIFY(!write(request(names), progress,
                   [room](ByteSink& file) { return std::make_unique<FullDisk>(file, room); }));

    verifyNothingWritten();
    // A cut is logged only once all its bytes arrived; a repair before the append.
    const QByteArray log = readFile(logPath());
    QCOMPARE(log.contains("cut.nes: only the rom size specified in header copied."),
             failingPiece > 3);
    QCOMPARE(log.contains("short.nes: invalid rom size in header fixed."), repairLogged);
    const QStringList statuses{BaseStatus, MenuStatus, romStatus("a.nes"), romStatus("cut.nes"),
                               romStatus("short.nes")};
    QStringList events;
    for (int i = 0; i <= failingPiece; ++i)
        events += piece(20 * (i + 1), 20 * (i + 1), statuses[i]);
    QCOMPARE(progress.events, events);
    verifyClosed({outputPath(), romPath("short.nes"), romPath("cut.nes")});
}

void TestGbaImageWriter::failureAtFlushIsAFailure()
{
    makeFile(m_romsDir, "a.nes", makeRom(1, 0, 16 * KB, 1));
    RecordingProgress progress;
    QVERIFY(!write(request({"a.nes"}), progress,
                   [](ByteSink&) { return std::make_unique<FailsAtFlush>(); }));
    verifyNothingWritten();
    verifyClosed({outputPath(), romPath("a.nes")});
}

void TestGbaImageWriter::outputsFate_data()
{
    // What lies at the output path before the build, how the build ends, the
    // questions asked on the way (every one answered: Yes for "written" and
    // "failed", No for "declined"), and whether the output then holds the new
    // image; else it is exactly as it was. No part file is ever left.
    QTest::addColumn<QString>("before"); // none, image (an earlier one), other (a file)
    QTest::addColumn<BuildResult::Outcome>("outcome");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("replaced");

    using Outcome = BuildResult::Outcome;
    const QStringList none;
    const QStringList output{"output"};
    const QStringList nonRom{"non-rom"};
    for (const QString before : {"none", "image", "other"}) {
        const QStringList outputAsked = before == "other" ? output : none;
        const auto row = [&before](const char* way) -> QTestData& {
            return QTest::addRow("%s, %s", qPrintable(before), way) << before;
        };
        row("written") << Outcome::Written << outputAsked << true;
        row("failed partway") << Outcome::Failed << outputAsked << false;
        // No to the first question: the output's where it is asked, else the non-rom's.
        row("declined") << Outcome::Declined << (before == "other" ? output : nonRom) << false;
        row("refused") << Outcome::Refused << none << false;
    }
}

void TestGbaImageWriter::outputsFate()
{
    QFETCH(QString, before);
    QFETCH(BuildResult::Outcome, outcome);
    QFETCH(QStringList, questions);
    QFETCH(bool, replaced);

    const QByteArray a = makeRom(1, 0, 16 * KB, 1);
    const QByteArray b = makeRom(0, 1, 8 * KB, 2);
    makeFile(m_romsDir, "a.nes", a);
    makeFile(m_romsDir, "b.nes", b);
    makeFile(m_romsDir, "notes.txt", "not a rom");
    QVERIFY(QDir(m_romsDir).mkdir("folder.nes"));
    const QByteArray earlier = before == "image"   ? m_base + "Old\r\n" + b
                               : before == "other" ? QByteArray("A readme, typed by hand.\n")
                                                   : QByteArray();
    if (before != "none")
        makeFile(m_outDir, "Whatever.gba", earlier);

    QStringList names{"a.nes", "b.nes"};
    if (outcome == BuildResult::Outcome::Declined)
        names << "notes.txt";
    else if (outcome == BuildResult::Outcome::Refused)
        names << "folder.nes";
    BuildRequest req = request(names);
    req.menuLines = QStringList{"A", "B", "C"}.first(names.size());

    QStringList asked;
    const bool yes = outcome != BuildResult::Outcome::Declined;
    BuildHooks hooks;
    hooks.replaceOtherFile = [&](const QString& path) {
        asked << "output";
        return path == req.outputPath && yes;
    };
    hooks.writeNonRom = [&](const QStringList&) {
        asked << "non-rom";
        return yes;
    };
    RecordingProgress progress;
    // A rom taken away before its turn, once the image is under way.
    if (outcome == BuildResult::Outcome::Failed)
        progress.onStatus = [this](const QString& status) {
            if (status == romStatus("a.nes"))
                QFile::remove(romPath("b.nes"));
        };
    BuildLog log(logPath());
    const BuildResult result = build(req, progress, log, hooks);

    QCOMPARE(result.outcome, outcome);
    QCOMPARE(asked, questions);
    QCOMPARE(result.outputExisted, before != "none");
    if (replaced)
        QCOMPARE(readFile(outputPath()), m_base + "A\r\nB\r\n" + a + b);
    else if (before == "none")
        QVERIFY(!QFileInfo::exists(outputPath()));
    else
        QCOMPARE(readFile(outputPath()), earlier);
    QCOMPARE(outputFolder(),
             replaced || before != "none" ? QStringList{"Whatever.gba"} : QStringList());
}

QTEST_GUILESS_MAIN(TestGbaImageWriter)
#include "tst_gbaimagewriter.moc"
