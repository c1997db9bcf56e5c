// romweaver-build run as a whole process, copied into a program directory of
// the test's own (beside a Tessel.GBA) and started without any display: the
// same build as the wizard's, its menu options, its failures and their exit
// statuses.

#include "gui/WizardFixture.h"

#include "settings/SettingsFile.h"
#include "support/HandMadeArchives.h"
#include "support/TestArchives.h"
#include "wizard/controls/DirectoryListBox.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QThread>

#include <thread>
#include <tuple>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace platform;
using namespace builder;
using namespace settings;
using namespace wizard;

namespace
{

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The built romweaver-build. Taken absolute while the working directory is
// still the test's own: the window tests move it, and on Windows a path
// without a drive letter then names another drive.
const QFileInfo& builtExecutable()
{
    static const QFileInfo built(
        QFileInfo(QStringLiteral(ROMWEAVER_BUILD_EXECUTABLE)).absoluteFilePath());
    return built;
}

// A copy of romweaver-build in a directory, which is then its program directory.
class CommandLine
{
public:
    explicit CommandLine(const QString& programDirectory)
    {
        const QFileInfo& built = builtExecutable();
        m_executable = QDir(programDirectory).filePath(built.fileName());
        if (!QFile::exists(m_executable) && !QFile::copy(built.filePath(), m_executable))
            qFatal("cannot copy %s", qPrintable(built.filePath()));
        // With the archive reader it starts, as the two lie side by side in a portable folder.
        const QFileInfo reader(QStringLiteral(ROMWEAVER_ARCHIVE_READER));
        const QString readerCopy = QDir(programDirectory).filePath(reader.fileName());
        if (!QFile::exists(readerCopy) && !QFile::copy(reader.absoluteFilePath(), readerCopy))
            qFatal("cannot copy %s", qPrintable(reader.absoluteFilePath()));
        // No display at all; and no fallback to a real user's data directory.
        m_environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            m_environment.remove(QString::fromLatin1(name));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"),
                             QDir(programDirectory).filePath(QStringLiteral("no-data-home")));
    }

    void setEnvironment(const QString& name, const QString& value)
    {
        m_environment.insert(name, value);
    }

    void start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(m_environment);
        process.start(m_executable, arguments);
    }

    Run run(const QStringList& arguments) const
    {
        QProcess process;
        start(process, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished();
            return {-1, {}, "romweaver-build did not finish within a minute"};
        }
        // Windows writes the standard streams in text mode: CR LF for each line end.
        const auto lines = [](QByteArray text) { return text.replace("\r\n", "\n"); };
        return {process.exitCode(), lines(process.readAllStandardOutput()),
                lines(process.readAllStandardError())};
    }

private:
    QString m_executable;
    QProcessEnvironment m_environment;
};

// Log entries are a date-time line and a message line. The date-time lines
// tell when each build ran, so they are replaced by a mark before two logs
// are compared; the messages and every line ending are compared byte for byte.
QByteArray maskedLog(const QByteArray& log)
{
    QList<QByteArray> lines = log.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        if (lines[i].size() < 2) // a date-time line is never empty
            return "unexpected empty date-time line:\n" + log;
        lines[i] = "<date-time>\r";
    }
    return lines.join('\n');
}

// {program}, {roms}, {other} and {out} in arguments and texts stand for the
// test's directories, {relative-roms} for the rom directory relative to the
// working directory.
struct Places {
    QString program; // with its trailing separator
    QString roms;
    QString other;
    QString out;

    QString fill(QString text) const
    {
        return text
            .replace(QStringLiteral("{relative-roms}"), QDir::current().relativeFilePath(roms))
            .replace(QStringLiteral("{program}"), program)
            .replace(QStringLiteral("{roms}"), roms)
            .replace(QStringLiteral("{other}"), other)
            .replace(QStringLiteral("{out}"), out)
            .replace(QLatin1Char('/'), platform::pathSeparator());
    }
    QStringList fill(QStringList texts) const
    {
        for (QString& text : texts)
            text = fill(text);
        return texts;
    }
};

// A program directory with a base rom and the command in it, a rom directory,
// a second one and an output directory.
class Setup
{
public:
    Setup()
    {
        places.program = platform::nativeDirectory(programDir.path()) + platform::pathSeparator();
        places.roms = platform::nativeDirectory(romDir.path());
        places.other = platform::nativeDirectory(otherDir.path());
        places.out = platform::nativeDirectory(outDir.path());
        testfiles::makeFile(places.program, QStringLiteral("Tessel.GBA"), baseRom);
    }
    QByteArray addRom(const QString& name, int seed)
    {
        const QByteArray rom = testfiles::makeRom(1, 0, 16384, seed);
        testfiles::makeFile(places.roms, name, rom);
        return rom;
    }
    QByteArray programFile(const char* name) const
    {
        return testfiles::readFile(places.program + QString::fromLatin1(name));
    }

    QTemporaryDir programDir;
    QTemporaryDir romDir;
    QTemporaryDir otherDir;
    QTemporaryDir outDir;
    Places places;
    QByteArray baseRom = testfiles::patternBytes(5000, 3);
};

// Twelve roms of 512 KiB in the rom directory, a build that takes a moment:
// their paths (with {roms}), their bytes in that order, and the menu as it is
// plain and numbered.
struct LargeRoms {
    explicit LargeRoms(const Setup& setup)
    {
        for (int i = 0; i < 12; ++i) {
            const QString name = QStringLiteral("r%1.nes").arg(i);
            const QByteArray rom = testfiles::makeRom(32, 0, 32 * 16384, i);
            testfiles::makeFile(setup.places.roms, name, rom);
            paths << "{roms}/" + name;
            bytes += rom;
            plainMenu += name.toLatin1() + "\r\n";
            numberedMenu +=
                QStringLiteral("%1. %2\r\n").arg(i + 1, 2, 10, QChar('0')).arg(name).toLatin1();
        }
    }
    QStringList paths;
    QByteArray bytes;
    QByteArray plainMenu;
    QByteArray numberedMenu;
};

} // namespace

class TestRomweaverBuild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(builtExecutable().isFile()); }
    void sameBuildAsTheWizard();
    void menuLines_data();
    void menuLines();
    void failures_data();
    void failures();
    void helpAndVersion_data();
    void helpAndVersion();
    void inTheUsersLanguage_data();
    void inTheUsersLanguage();
    void fileThatIsNotARom_data();
    void fileThatIsNotARom();
    void twoBuildsAtOnceNeverMix();
    void compilationFilesBuildTheSameImage();
    void existingOutput_data();
    void existingOutput();
    void everyBadInputInOneRun();
    void killedBuildNeverCostsTheEarlierImage();
    void archivesGiveTheUnpackedRomsImage();
    void fileSizeLimitIsAWriteFailure();
};

void TestRomweaverBuild::sameBuildAsTheWizard()
{
    // A whole rom with a stored title, a rom to cut and a rom to repair, sorted
    // and numbered: first through the four pages, then through the command.
    WizardFixture wizard;
    const QByteArray whole = testfiles::makeRom(1, 1, 24 * 1024, 1);
    const QByteArray shorter = testfiles::makeRom(2, 1, 32 * 1024, 3); // declares 40 KB
    wizard.addRom(QStringLiteral("whole.nes"), whole);
    wizard.addRom(QStringLiteral("long.nes"), testfiles::makeRom(1, 0, 16 * 1024 + 100, 2));
    wizard.addRom(QStringLiteral("short.nes"), shorter);
    SettingsFile(wizard.iniPath()).WriteValue("Titles", "whole.nes", "Zelda-like");
    QTemporaryDir out;
    wizard.start();
    for (const char* name : {"whole.nes", "long.nes", "short.nes"})
        wizard.selectRoms({QString::fromLatin1(name)});
    wizard.click("btnNext");
    wizard.control<QCheckBox>("chkSorted")->click();
    wizard.control<QCheckBox>("chkNumbering")->click();
    wizard.click("btnNext");
    wizard.click("btnNext");
    QVERIFY(wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(out.path()));
    wizard.control<QLineEdit>("txtGBARom")->setText(QStringLiteral("wizard.gba"));
    wizard.click("btnWrite");
    QCOMPARE(wizard.text("lblStatus"), QStringLiteral("Writing succesfully completed."));

    const auto programFile = [&](const char* name) {
        return testfiles::readFile(wizard.programDirectory + QString::fromLatin1(name));
    };
    const QString romPath = platform::joinPath(wizard.romsDirectory, QStringLiteral("short.nes"));
    const QString backupPath =
        platform::joinPath(wizard.romsDirectory, QStringLiteral("Romweaver.bak/short.nes"));
    const QByteArray wizardImage = testfiles::readFile(QDir(out.path()).filePath("wizard.gba"));
    const QByteArray wizardMenu = programFile("menu.out");
    const QByteArray wizardLog = programFile("Romweaver.log");
    const QByteArray wizardRepaired = testfiles::readFile(romPath);
    const QByteArray wizardBackup = testfiles::readFile(backupPath);
    QCOMPARE(wizardMenu, QByteArray("1. long.nes\r\n2. short.nes\r\n3. Zelda-like\r\n"));
    QCOMPARE(wizardLog.count('\n'), 4); // a repair and a cut

    // Back to the state before the build; the settings file stays as the wizard left it.
    wizard.addRom(QStringLiteral("short.nes"), shorter);
    QVERIFY(QDir(QFileInfo(backupPath).path()).removeRecursively());
    QVERIFY(QFile::remove(wizard.programDirectory + QStringLiteral("menu.out")));
    QVERIFY(QFile::remove(wizard.programDirectory + QStringLiteral("Romweaver.log")));
    const QByteArray ini = wizard.iniBytes();

    const CommandLine command(wizard.programDirectory);
    QStringList arguments{"--sorted", "--numbered", "-o", QDir(out.path()).filePath("cli.gba")};
    for (const char* name : {"whole.nes", "long.nes", "short.nes"})
        arguments << platform::joinPath(wizard.romsDirectory, QString::fromLatin1(name));
    const Run run = command.run(arguments);
    // What the build logged, and nothing else.
    QCOMPARE(run.err,
             "romweaver-build: long.nes: only the rom size specified in header copied.\n"
             "romweaver-build: short.nes: invalid rom size in header fixed. Backup of rom in " +
                 QDir::toNativeSeparators(QFileInfo(backupPath).path()).toLocal8Bit() + "\n");
    QCOMPARE(run.status, 0);

    QCOMPARE(testfiles::readFile(QDir(out.path()).filePath("cli.gba")), wizardImage);
    QCOMPARE(programFile("menu.out"), wizardMenu);
    QCOMPARE(maskedLog(programFile("Romweaver.log")), maskedLog(wizardLog));
    QCOMPARE(testfiles::readFile(romPath), wizardRepaired);
    QCOMPARE(testfiles::readFile(backupPath), wizardBackup);
    QCOMPARE(wizard.iniBytes(), ini); // settings are read, never written
}

void TestRomweaverBuild::menuLines_data()
{
    QTest::addColumn<QStringList>("arguments"); // before -o OUTPUT
    QTest::addColumn<QStringList>("roms");
    QTest::addColumn<QByteArrayList>("titles"); // stored as file=title
    QTest::addColumn<QByteArray>("menuFile");
    QTest::addColumn<QByteArray>("menu");
    QTest::addColumn<QStringList>("order"); // of the roms in the image

    const QStringList cab{"c.nes", "a.nes", "B.nes"};
    QTest::newRow("as given") << QStringList() << cab << QByteArrayList() << QByteArray()
                              << QByteArray("c.nes\r\na.nes\r\nB.nes\r\n") << cab;
    QTest::newRow("sorted, letter case ignored")
        << QStringList{"--sorted"} << cab << QByteArrayList() << QByteArray()
        << QByteArray("a.nes\r\nB.nes\r\nc.nes\r\n") << QStringList{"a.nes", "B.nes", "c.nes"};
    QTest::newRow("numbered") << QStringList{"--numbered"} << cab << QByteArrayList()
                              << QByteArray() << QByteArray("1. c.nes\r\n2. a.nes\r\n3. B.nes\r\n")
                              << cab;
    QTest::newRow("stored titles sorted; equal titles keep their order")
        << QStringList{"--numbered", "--sorted"} << cab
        << QByteArrayList{"a.nes=Same", "c.nes=Same", "B.nes=Alpha"} << QByteArray()
        << QByteArray("1. Alpha\r\n2. Same\r\n3. Same\r\n")
        << QStringList{"B.nes", "c.nes", "a.nes"};
    QStringList ten;
    QByteArray tenLines;
    for (int i = 0; i < 10; ++i) {
        ten << QStringLiteral("g%1.nes").arg(i);
        tenLines += QByteArray::number(i + 1).rightJustified(2, '0') + ". g" +
                    QByteArray::number(i) + ".nes\r\n";
    }
    QTest::newRow("ten roms numbered 01 to 10")
        << QStringList{"--numbered"} << ten << QByteArrayList() << QByteArray() << tenLines << ten;
    QTest::newRow("menu file taken verbatim")
        << QStringList{"--menu", "{out}/menu.txt"} << cab << QByteArrayList{"a.nes=Ignored"}
        << QByteArray("First|1\nSecond|2|40\r\n|Third")
        << QByteArray("First|1\r\nSecond|2|40\r\n|Third\r\n") << cab;
    // Bytes that are no text in the system's encoding reach menu.out unchanged.
    QTest::newRow("menu file bytes kept")
        << QStringList{"--menu", "{out}/menu.txt"} << QStringList{"a.nes"} << QByteArrayList()
        << QByteArray("Caf\xe9 \xff\xfe\xc3|1\n") << QByteArray("Caf\xe9 \xff\xfe\xc3|1\r\n")
        << QStringList{"a.nes"};
    QTest::newRow("stored title bytes kept, numbered")
        << QStringList{"--numbered"} << QStringList{"a.nes"}
        << QByteArrayList{"a.nes=Caf\xe9 \xc3("} << QByteArray()
        << QByteArray("1. Caf\xe9 \xc3(\r\n") << QStringList{"a.nes"};
}

void TestRomweaverBuild::menuLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, roms);
    QFETCH(QByteArrayList, titles);
    QFETCH(QByteArray, menuFile);
    QFETCH(QByteArray, menu);
    QFETCH(QStringList, order);

    Setup setup;
    QHash<QString, QByteArray> bytes;
    for (const QString& name : roms)
        bytes[name] = setup.addRom(name, int(bytes.size()));
    if (!titles.isEmpty()) {
        SettingsFile ini(setup.places.program + QStringLiteral("Romweaver.ini"));
        for (const QByteArray& title : titles)
            ini.WriteValue("Titles", title.left(title.indexOf('=')),
                           title.mid(title.indexOf('=') + 1));
    }
    const QByteArray ini = setup.programFile("Romweaver.ini");
    if (!menuFile.isEmpty())
        testfiles::makeFile(setup.places.out, QStringLiteral("menu.txt"), menuFile);

    arguments << "-o"
              << "{out}/x.gba";
    for (const QString& name : roms)
        arguments << "{roms}/" + name;
    const Run run = CommandLine(setup.places.program).run(setup.places.fill(arguments));
    QCOMPARE(run.err, QByteArray()); // no progress when standard error is no terminal
    // Where it wrote, in full.
    QCOMPARE(QString::fromLocal8Bit(run.out),
             "romweaver-build: wrote " + setup.places.fill(QStringLiteral("{out}/x.gba")) + "\n");
    QCOMPARE(run.status, 0);

    QCOMPARE(setup.programFile("menu.out"), menu);
    QByteArray image = setup.baseRom + menu;
    for (const QString& name : order)
        image += bytes[name];
    QCOMPARE(testfiles::readFile(setup.places.fill(QStringLiteral("{out}/x.gba"))), image);
    QCOMPARE(setup.programFile("Romweaver.ini"), ini); // never written, nor created
}

void TestRomweaverBuild::failures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // how the first line of standard error begins

    const QString out = QStringLiteral("{out}/x.gba");
    const QString a = QStringLiteral("{roms}/a.nes");
    const QString b = QStringLiteral("{roms}/b.nes");
    QTest::newRow("no arguments") << QString() << QStringList() << 2
                                  << "no output given (-o OUTPUT)";
    QTest::newRow("unknown option") << QString() << QStringList{"--frobnicate", "-o", out, a} << 2
                                    << "unknown option '--frobnicate'";
    QTest::newRow("unknown short option")
        << QString() << QStringList{"-o", out, "-q", a} << 2 << "unknown option '-q'";
    QTest::newRow("option without its value")
        << QString() << QStringList{a, "-o"} << 2 << "missing value after '-o'";
    QTest::newRow("no rom") << QString() << QStringList{"-o", out} << 2 << "no ROM given";
    QTest::newRow("--menu with --numbered")
        << QString() << QStringList{"--menu", "{out}/menu.txt", "--numbered", "-o", out, a} << 2
        << "--menu takes the menu lines as they are: it cannot be combined with --numbered or "
           "--sorted";
    QTest::newRow("rom given twice")
        << QString() << QStringList{"-o", out, a, b, a} << 2 << "{roms}/a.nes is given twice";
    QTest::newRow("--compilation with a rom")
        << QString() << QStringList{"--compilation", "{out}/c.romweaver", a} << 2
        << "--compilation takes the roms, the menu and its options from the file";
    QTest::newRow("compilation of a newer format")
        << "newer compilation" << QStringList{"--compilation", "{out}/c.romweaver"} << 1
        << "{out}/c.romweaver was saved by a newer Romweaver (format version 2)";
    QTest::newRow("compilation of no roms")
        << "empty compilation" << QStringList{"--compilation", "{out}/c.romweaver"} << 2
        << "no ROM given";
    QTest::newRow("damaged compilation")
        << "damaged compilation" << QStringList{"--compilation", "{out}/c.romweaver"} << 1
        << "{out}/c.romweaver is not a Romweaver compilation: ";
    QTest::newRow("roms in two directories")
        << QString() << QStringList{"-o", out, a, "{other}/x.nes"} << 1
        << "all NES roms have to be in the same directory: {roms}/a.nes and {other}/x.nes are "
           "not";
    QTest::newRow("missing rom") << QString() << QStringList{"-o", out, a, "{roms}/gone.nes"} << 1
                                 << "the GBA rom was not written: cannot open file "
                                    "\"{roms}/gone.nes\": ";
    QTest::newRow("missing rom, named as given")
        << QString() << QStringList{"-o", out, "{relative-roms}/a.nes", "{relative-roms}/gone.nes"}
        << 1 << "the GBA rom was not written: cannot open file \"{relative-roms}/gone.nes\": ";
    QTest::newRow("directory for a rom")
        << QString() << QStringList{"-o", out, "{roms}"} << 1
        << "the GBA rom was not written: {roms} is not a regular file";
#ifdef Q_OS_WIN
    QTest::newRow("device for a rom")
        << QString() << QStringList{"-o", out, "{roms}/NUL"} << 1
        << "the GBA rom was not written: {roms}/NUL is not a regular file";
#else
    QTest::newRow("device for a rom")
        << QString() << QStringList{"-o", out, "/dev/zero"} << 1
        << "the GBA rom was not written: /dev/zero is not a regular file";
    // Opened as a rom, a pipe would wait for a writer for ever.
    QTest::newRow("pipe for a rom")
        << "pipe" << QStringList{"-o", out, a, "{roms}/pipe.nes"} << 1
        << "the GBA rom was not written: {roms}/pipe.nes is not a regular file";
    QTest::newRow("rom name with a line break")
        << "line break" << QStringList{"-o", out, a, "{roms}/two\nlines.nes"} << 1
        << "the GBA rom was not written: the menu line of two\\nlines.nes holds a line break";
    // Whatever a name holds, each message stays one line, escapes and all shown as U+FFFD.
    QTest::newRow("missing rom with an escape in its name")
        << QString() << QStringList{"-o", out, a, "{roms}/gone\x1b[2J.nes"} << 1
        << "the GBA rom was not written: cannot open file \"{roms}/gone\uFFFD[2J.nes\": ";
    QTest::newRow("output is a link leading away")
        << "output link" << QStringList{"-o", out, a} << 1
        << "the GBA rom was not written: {out}/x.gba is a link to {other}/y.gba, outside the GBA "
           "rom's folder";
#endif
    QTest::newRow("archive holding two roms")
        << "bad archive" << QStringList{"-o", out, a, "{roms}/bad.zip"} << 1
        << "the GBA rom was not written: {roms}/bad.zip holds 2 NES roms; Romweaver takes one rom "
           "per archive";
    QTest::newRow("archive declaring more members than Romweaver reads")
        << "hostile archive" << QStringList{"-o", out, a, "{roms}/huge.zip"} << 1
        << "the GBA rom was not written: {roms}/huge.zip is too large to read: Romweaver reads at "
           "most 10000 members of an archive";
    QTest::newRow("menu file with too few lines")
        << QString() << QStringList{"--menu", "{out}/menu.txt", "-o", out, a, b} << 1
        << "the menu file {out}/menu.txt has 1 line for 2 roms: one line per rom";
    QTest::newRow("menu file with a tab")
        << "tab in menu" << QStringList{"--menu", "{out}/menu.txt", "-o", out, a, b} << 1
        << "line 2 of the menu file {out}/menu.txt holds a control character";
    QTest::newRow("missing menu file")
        << QString() << QStringList{"--menu", "{out}/none.txt", "-o", out, a} << 1
        << "cannot read the menu file {out}/none.txt: ";
    QTest::newRow("output over a rom")
        << QString() << QStringList{"-o", b, a, b} << 1
        << "the GBA rom was not written: {roms}/b.nes is one of the files it is made from";
    QTest::newRow("output over the settings file")
        << QString() << QStringList{"-o", "{program}Romweaver.ini", a} << 1
        << "the GBA rom was not written: {program}Romweaver.ini is the file Romweaver keeps its "
           "settings in";
    QTest::newRow("output over the build log")
        << QString() << QStringList{"-o", "{program}Romweaver.log", a} << 1
        << "the GBA rom was not written: {program}Romweaver.log is Romweaver's build log";
    QTest::newRow("output is a folder")
        << QString() << QStringList{"-o", "{other}", a} << 1
        << "the GBA rom was not written: {other} is not a regular file";
    QTest::newRow("output directory missing")
        << QString() << QStringList{"-o", "{out}/none/x.gba", a} << 1
        << "cannot create file \"{out}/none/x.gba\": ";
    QTest::newRow("menu.out cannot be written") << "menu.out blocked" << QStringList{"-o", out, a}
                                                << 1 << "cannot open file \"{program}menu.out\": ";
    QTest::newRow("no Tessel.GBA")
        << "no base rom" << QStringList{"-o", out, a}
        << 1
#ifdef Q_OS_WIN
        // The user's data folder, %APPDATA%\Romweaver: Windows' cannot be moved for a test.
        << "cannot find Tessel.GBA in " + platform::userDataDirectory();
#else
        // The user's data folder, set up within {program}.
        << "cannot find Tessel.GBA in {program}";
#endif
}

void TestRomweaverBuild::failures()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);

    Setup files;
    const QByteArray a = files.addRom(QStringLiteral("a.nes"), 1);
    const QByteArray b = files.addRom(QStringLiteral("b.nes"), 2);
    testfiles::makeFile(files.places.other, QStringLiteral("x.nes"), a);
    testfiles::makeFile(files.places.out, QStringLiteral("menu.txt"), "one line\n");
    if (setup == QStringLiteral("menu.out blocked"))
        QDir(files.places.program).mkdir(QStringLiteral("menu.out"));
    if (setup == QStringLiteral("no base rom"))
        QFile::remove(files.places.program + QStringLiteral("Tessel.GBA"));
    if (setup == QStringLiteral("bad archive"))
        testarchives::makeArchive(files.places.fill("{roms}/bad.zip"),
                                  testarchives::Format::ZipDeflate,
                                  {testarchives::file("a.nes", a), testarchives::file("b.nes", b)});
    if (setup == QStringLiteral("newer compilation"))
        testfiles::makeFile(files.places.out, QStringLiteral("c.romweaver"),
                            R"({"format": "romweaver-compilation", "version": 2})");
    if (setup == QStringLiteral("empty compilation"))
        testfiles::makeFile(files.places.out, QStringLiteral("c.romweaver"),
                            R"({"format": "romweaver-compilation", "version": 1, "romFolder": ".",)"
                            R"( "roms": [], "output": {"folder": ".", "name": "x.gba"}})");
    if (setup == QStringLiteral("tab in menu"))
        testfiles::makeFile(files.places.out, QStringLiteral("menu.txt"), "A|1\nB\t|2\n");
    if (setup == QStringLiteral("damaged compilation"))
        testfiles::makeFile(files.places.out, QStringLiteral("c.romweaver"),
                            R"({"format": "romweaver-compilation", "version": 1, "roms": [)");
    if (setup == QStringLiteral("hostile archive"))
        testfiles::makeFile(files.places.roms, QStringLiteral("huge.zip"),
                            handmade::zipListing(10001));
#ifndef Q_OS_WIN
    if (setup == QStringLiteral("pipe"))
        QCOMPARE(
            ::mkfifo(QFile::encodeName(files.places.fill("{roms}/pipe.nes")).constData(), 0600), 0);
    if (setup == QStringLiteral("output link"))
        QVERIFY(QFile::link(files.places.fill("{other}/y.gba"), files.places.fill("{out}/x.gba")));
    if (setup == QStringLiteral("line break"))
        testfiles::makeFile(files.places.roms, QStringLiteral("two\nlines.nes"), a);
#endif

    const Run run = CommandLine(files.places.program).run(files.places.fill(arguments));
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QByteArray());
    const QStringList lines = QString::fromLocal8Bit(run.err).split(QLatin1Char('\n'));
    const QString expected = QStringLiteral("romweaver-build: ") + files.places.fill(message);
    QVERIFY2(lines.value(0).startsWith(expected), qPrintable(lines.value(0)));
    if (status == 2)
        QVERIFY2(lines.value(1).startsWith(QStringLiteral("usage: romweaver-build ")),
                 qPrintable(lines.value(1)));
    QVERIFY(!QFile::exists(files.places.fill(QStringLiteral("{out}/x.gba"))));
    QVERIFY(!QFile::exists(files.places.fill(QStringLiteral("{other}/y.gba"))));
    QCOMPARE(testfiles::readFile(files.places.fill(QStringLiteral("{roms}/a.nes"))), a);
    QCOMPARE(testfiles::readFile(files.places.fill(QStringLiteral("{roms}/b.nes"))), b);
}

void TestRomweaverBuild::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::newRow("usage") << "--help"
                           << "usage: romweaver-build [--numbered]" << true;
    QTest::newRow("options") << "--help"
                             << "\n  -o, --output OUTPUT     The GBA rom to write." << true;
    QTest::newRow("-h, an option that takes a file")
        << "-h"
        << "\n  --compilation FILE      Build the compilation FILE" << true;
    QTest::newRow("archives") << "--help"
                              << "\nArchives:\n  A ROM may be a .zip, .7z or .gz" << true;
    QTest::newRow("exit statuses")
        << "--help"
        << "\n  1  the build was refused or failed; one sentence on standard" << true;
    // The copy of the test runs portable: Tessel.GBA lies beside it.
    QTest::newRow("where its files are") << "--help"
                                         << "Here that is {program}." << true;
#ifndef Q_OS_WIN
    QTest::newRow("where an installed copy's files are")
        << "--help"
        << "otherwise {program}no-data-home/Romweaver/ (an installed copy)" << true;
#endif
    QTest::newRow("example") << "--help"
                             << "\nExample:\n  romweaver-build --sorted" << true;
    QTest::newRow("no option of Qt's") << "--help"
                                       << "--help-all" << false;
    QTest::newRow("--version") << "--version"
                               << "romweaver-build " << true;
}

void TestRomweaverBuild::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(bool, shown);
    Setup setup;
    const Run run = CommandLine(setup.places.program).run({option});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    // Paths in the text wrap where they fall; the words are compared, not the line breaks.
    const auto words = [](const QString& text) { return text.simplified(); };
    QVERIFY2(words(QString::fromLocal8Bit(run.out)).contains(words(setup.places.fill(text))) ==
                 shown,
             run.out.constData());
}

// The command speaks the user's language: its own texts from its translation,
// the argument parser's from Qt's, which romweaver-build installs beside it.
void TestRomweaverBuild::inTheUsersLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("outputBegins"); // standard output, else error output
    QTest::newRow("--help") << QStringList{"--help"} << 0
                            << QByteArray("Aufruf: romweaver-build [--numbered]");
    // "Nach '%1' fehlt der Wert." as a clause of the command's message.
    QTest::newRow("Qt's parser") << QStringList{"{roms}/a.nes", "-o"} << 2
                                 << QByteArray("romweaver-build: nach '-o' fehlt der Wert\n");
}

void TestRomweaverBuild::inTheUsersLanguage()
{
#ifdef Q_OS_WIN
    QSKIP("The display language is the system's on Windows; windows-test.sh starts the zip's "
          "programs in German");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, outputBegins);
    Setup setup;
    CommandLine command(setup.places.program);
    command.setEnvironment(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    const Run run = command.run(setup.places.fill(arguments));
    QCOMPARE(run.status, status);
    const QByteArray& output = status == 0 ? run.out : run.err;
    QVERIFY2(output.startsWith(outputBegins), output.constData());
}

void TestRomweaverBuild::fileThatIsNotARom_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::newRow("refused: the command cannot ask") << false;
    QTest::newRow("--allow-non-rom: written, with a warning") << true;
}

void TestRomweaverBuild::fileThatIsNotARom()
{
    QFETCH(bool, allowed);
    Setup setup;
    setup.addRom(QStringLiteral("a.nes"), 1);
    const QString notes =
        testfiles::makeFile(setup.places.roms, QStringLiteral("notes.txt"), "notes");
    QStringList arguments{"-o", "{out}/x.gba", "{roms}/a.nes", "{roms}/notes.txt"};
    if (allowed)
        arguments << "--allow-non-rom"
                  << "--quiet"; // the warning alone, not the log
    const Run run = CommandLine(setup.places.program).run(setup.places.fill(arguments));
    QCOMPARE(run.status, allowed ? 0 : 1);
    QCOMPARE(run.err, allowed
                          ? (QStringLiteral("romweaver-build: warning: %1 is not an iNES rom; "
                                            "its bytes 4 and 5 may be changed to fit its size in "
                                            "the GBA rom, never in the file\n")
                                 .arg(QDir::toNativeSeparators(notes)))
                                .toLocal8Bit()
                          : (QStringLiteral("romweaver-build: the GBA rom was not written: %1 is "
                                            "not an iNES rom; give --allow-non-rom to write it "
                                            "all the same (its bytes 4 and 5 may then be changed "
                                            "to fit its size in the GBA rom, never in the file)\n")
                                 .arg(QDir::toNativeSeparators(notes)))
                                .toLocal8Bit());
    QCOMPARE(QFile::exists(setup.places.fill("{out}/x.gba")), allowed);
    QCOMPARE(QFile::exists(setup.places.program + "menu.out"), allowed);
    // Shorter than its bytes 4 and 5 declare, the file is written as it is.
    QCOMPARE(testfiles::readFile(notes), QByteArray("notes"));
    QVERIFY(!QFileInfo::exists(setup.places.fill("{roms}/Romweaver.bak")));
}

void TestRomweaverBuild::twoBuildsAtOnceNeverMix()
{
    // Two builds from one program directory started together, again and
    // again: each either writes its own menu above its roms or is refused
    // at once and writes nothing.
    Setup setup;
    const LargeRoms large(setup);
    const QStringList& roms = large.paths;
    const QByteArray& romBytes = large.bytes;
    const QByteArray& plainMenu = large.plainMenu;
    const QByteArray& numberedMenu = large.numberedMenu;
    const CommandLine command(setup.places.program);
    const QString busy = QStringLiteral("romweaver-build: another build is writing in %1; try "
                                        "again when it has finished\n")
                             .arg(platform::nativeDirectory(setup.places.program));
    const int trials = 20;
    int refused = 0;
    for (int trial = 0; trial < trials; ++trial) {
        const QString plainOut = setup.places.fill("{out}/plain.gba");
        const QString numberedOut = setup.places.fill("{out}/numbered.gba");
        QFile::remove(plainOut);
        QFile::remove(numberedOut);
        Run plain;
        Run numbered;
        std::thread second([&] {
            numbered =
                command.run(setup.places.fill(QStringList{"--numbered", "-o", numberedOut} + roms));
        });
        plain = command.run(setup.places.fill(QStringList{"-o", plainOut} + roms));
        second.join();
        for (const auto& [run, out, menu] : {std::tuple{&plain, plainOut, plainMenu},
                                             std::tuple{&numbered, numberedOut, numberedMenu}}) {
            if (run->status == 0) {
                QCOMPARE(testfiles::readFile(out), setup.baseRom + menu + romBytes);
            } else {
                QCOMPARE(run->status, 1);
                QCOMPARE(QString::fromLocal8Bit(run->err), busy);
                QVERIFY(!QFile::exists(out));
                ++refused;
            }
        }
        QVERIFY(plain.status == 0 || numbered.status == 0);
    }
    qInfo("%d of %d builds were refused while the other wrote; no image was mixed", refused,
          2 * trials);
}

void TestRomweaverBuild::existingOutput_data()
{
    QTest::addColumn<QByteArray>("before"); // {image}: an earlier image
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("no GBA rom: refused") << QByteArray("A readme.\n") << false << false;
    QTest::newRow("no GBA rom, --force: replaced") << QByteArray("A readme.\n") << true << true;
    QTest::newRow("an earlier image: replaced") << QByteArray("{image}") << false << true;
}

void TestRomweaverBuild::existingOutput()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, force);
    QFETCH(bool, replaced);
    Setup setup;
    const QByteArray rom = setup.addRom(QStringLiteral("a.nes"), 1);
    if (before == "{image}")
        before = setup.baseRom + "Old\r\n" + rom + rom;
    const QString output = setup.places.fill("{out}/x.gba");
    testfiles::makeFile(setup.places.out, QStringLiteral("x.gba"), before);
    QStringList arguments{"-o", output, setup.places.fill("{roms}/a.nes")};
    if (force)
        arguments.prepend("--force");
    const Run run = CommandLine(setup.places.program).run(arguments);
    QCOMPARE(run.status, replaced ? 0 : 1);
    QCOMPARE(run.err, replaced ? QByteArray()
                               : ("romweaver-build: " + output +
                                  " already exists and is not a GBA rom made with Tessel.GBA, so "
                                  "the GBA rom was not written; give --force to replace it\n")
                                     .toLocal8Bit());
    QCOMPARE(testfiles::readFile(output), replaced ? setup.baseRom + "a.nes\r\n" + rom : before);
    QCOMPARE(QFile::exists(setup.places.program + "menu.out"), replaced);
}

void TestRomweaverBuild::everyBadInputInOneRun()
{
    // A folder, an archive of two roms and a file that is no rom: one run
    // names all three, in the order given, and writes nothing.
    Setup setup;
    const QByteArray a = setup.addRom(QStringLiteral("a.nes"), 1);
    QVERIFY(QDir(setup.places.roms).mkdir(QStringLiteral("folder.nes")));
    testarchives::makeArchive(setup.places.fill("{roms}/two.zip"), testarchives::Format::ZipDeflate,
                              {testarchives::file("a.nes", a), testarchives::file("b.nes", a)});
    testfiles::makeFile(setup.places.roms, QStringLiteral("notes.txt"), "notes");
    const Run run =
        CommandLine(setup.places.program)
            .run(setup.places.fill({"-o", "{out}/x.gba", "{roms}/folder.nes", "{roms}/a.nes",
                                    "{roms}/two.zip", "{roms}/notes.txt"}));
    QCOMPARE(run.status, 1);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             setup.places.fill(
                 "romweaver-build: the GBA rom was not written:\n"
                 "romweaver-build: {roms}/folder.nes is not a regular file (a folder, a device, a "
                 "pipe or a socket)\n"
                 "romweaver-build: {roms}/two.zip holds 2 NES roms; Romweaver takes one rom per "
                 "archive\n"
                 "romweaver-build: {roms}/notes.txt is not an iNES rom; give --allow-non-rom to "
                 "write it all the same (its bytes 4 and 5 may then be changed to fit its size in "
                 "the GBA rom, never in the file)\n"));
    QVERIFY(QDir(setup.places.out).isEmpty());
    QVERIFY(!QFile::exists(setup.places.program + "menu.out"));
}

void TestRomweaverBuild::killedBuildNeverCostsTheEarlierImage()
{
    // Builds killed at random moments, again and again, each over the image
    // the one before left: afterwards the output is that image or the new
    // one, whole; a part file a killed build leaves goes with the next build.
    Setup setup;
    const LargeRoms roms(setup);
    const QString output = setup.places.fill("{out}/x.gba");
    const QStringList arguments = QStringList{"-o", output} + setup.places.fill(roms.paths);
    const QByteArray plainImage = setup.baseRom + roms.plainMenu + roms.bytes;
    const QByteArray numberedImage = setup.baseRom + roms.numberedMenu + roms.bytes;
    const CommandLine command(setup.places.program);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(command.run(arguments).status, 0);
    // Kills fall anywhere from the start of the process to a little past its end.
    const int wholeRunMs = int(qMax<qint64>(clock.elapsed() * 6 / 5, 20));

    QRandomGenerator random(22);
    bool numbered = false; // what the output holds now
    int kept = 0;
    int replaced = 0;
    int partFilesLeft = 0;
    const int trials = 30;
    for (int trial = 0; trial < trials; ++trial) {
        QProcess build;
        command.start(build, numbered ? arguments : QStringList{"--numbered"} + arguments);
        QVERIFY(build.waitForStarted(30000));
        QThread::msleep(random.bounded(wholeRunMs));
        build.kill();
        QVERIFY(build.waitForFinished(30000));
        const QByteArray now = testfiles::readFile(output);
        if (now == (numbered ? numberedImage : plainImage)) {
            ++kept;
        } else {
            QVERIFY2(
                now == (numbered ? plainImage : numberedImage),
                qPrintable(QStringLiteral("trial %1: the output holds %2 bytes of neither image")
                               .arg(trial)
                               .arg(now.size())));
            ++replaced;
            numbered = !numbered;
        }
        const QStringList parts = QDir(setup.places.out).entryList({"*.romweaver-part"});
        QVERIFY(parts.size() <= 1); // each build removes what the killed ones before it left
        partFilesLeft += int(parts.size());
    }
    // Windows may release a killed build's lock a moment late.
    Run last;
    for (int attempt = 0; attempt < 50; ++attempt) {
        last = command.run(arguments);
        if (!last.err.contains("another build is writing"))
            break;
        QThread::msleep(100);
    }
    QCOMPARE(last.status, 0);
    QCOMPARE(QDir(setup.places.out).entryList(QDir::Files), QStringList{"x.gba"});
    qInfo("%d builds killed: %d left the earlier image, %d the new one complete, none a broken "
          "one; %d left a part file, removed by the next build",
          trials, kept, replaced, partFilesLeft);
}

void TestRomweaverBuild::archivesGiveTheUnpackedRomsImage()
{
    // The same roms zipped, 7-zipped and gzipped (the second one shorter than
    // its header declares): the image is the unpacked roms' image, and no
    // archive changes.
    using testarchives::Format;
    Setup setup;
    const QByteArray whole = testfiles::makeRom(1, 0, 16384, 1);
    const QByteArray shorter = testfiles::makeRom(2, 1, 32 * 1024, 2); // declares 40 KB
    const QByteArray longer = testfiles::makeRom(1, 0, 16384 + 100, 3);
    const QStringList archives{
        testarchives::makeArchive(setup.places.fill("{other}/a.zip"), Format::ZipDeflate,
                                  {testarchives::file("a.nes", whole)}),
        testarchives::makeArchive(setup.places.fill("{other}/b.7z"), Format::SevenZip,
                                  {testarchives::file("b.nes", shorter)}),
        testarchives::makeArchive(setup.places.fill("{other}/c.nes.gz"), Format::Gzip,
                                  {testarchives::file("c.nes", longer)})};
    QByteArrayList archiveBytes;
    for (const QString& archive : archives)
        archiveBytes << testfiles::readFile(archive);
    testfiles::makeFile(setup.places.roms, "a.nes", whole);
    testfiles::makeFile(setup.places.roms, "b.nes", shorter);
    testfiles::makeFile(setup.places.roms, "c.nes", longer);
    // One menu for both, so the titles (the file names) do not differ.
    testfiles::makeFile(setup.places.out, "menu.txt", "A\nB\nC\n");

    const CommandLine command(setup.places.program);
    const QStringList fromArchives{
        "--menu",       "{out}/menu.txt",  "-o", "{out}/archives.gba", "{other}/a.zip",
        "{other}/b.7z", "{other}/c.nes.gz"};
    const QStringList fromRoms{"--menu",       "{out}/menu.txt", "-o",          "{out}/roms.gba",
                               "{roms}/a.nes", "{roms}/b.nes",   "{roms}/c.nes"};
    QCOMPARE(command.run(setup.places.fill(fromArchives)).status, 0);
    QCOMPARE(command.run(setup.places.fill(fromRoms)).status, 0);
    const QByteArray image = testfiles::readFile(setup.places.fill("{out}/archives.gba"));
    QVERIFY(!image.isEmpty());
    QCOMPARE(image, testfiles::readFile(setup.places.fill("{out}/roms.gba")));
    for (qsizetype i = 0; i < archives.size(); ++i)
        QCOMPARE(testfiles::readFile(archives.at(i)), archiveBytes.at(i));
    QVERIFY(!QFileInfo::exists(setup.places.fill("{other}/Romweaver.bak")));
}

void TestRomweaverBuild::compilationFilesBuildTheSameImage()
{
    // The wizard saves a compilation with option flags, a sprite value,
    // sorting and numbering, and writes its image; the command builds the
    // same image from the file, and from a file of its own made from the
    // same arguments as a direct build.
    WizardFixture wizard;
    wizard.addRom(QStringLiteral("b.nes"), testfiles::makeRom(1, 0, 16 * 1024, 1));
    wizard.addRom(QStringLiteral("a.nes"), testfiles::makeRom(1, 1, 24 * 1024 + 7, 2));
    QTemporaryDir out;
    wizard.start();
    wizard.selectRoms({QStringLiteral("b.nes"), QStringLiteral("a.nes")});
    wizard.click("btnNext");
    wizard.control<QCheckBox>("chkSorted")->click();
    wizard.control<QCheckBox>("chkNumbering")->click();
    wizard.click("btnNext");
    frmRomweaver->addOption(QStringLiteral("Turbo"));
    wizard.control<QAbstractItemView>("lstOptions")
        ->selectionModel()
        ->select(wizard.control<QAbstractItemView>("lstOptions")->model()->index(0, 0),
                 QItemSelectionModel::Select);
    wizard.click("btnAddToMenuItem");
    frmRomweaver->applySpriteValueToSelectedLine(QStringLiteral("12"));
    wizard.click("btnNext");
    QVERIFY(wizard.control<DirectoryListBox>("DirectoryListBox2")->setDirectory(out.path()));
    wizard.control<QLineEdit>("txtGBARom")->setText(QStringLiteral("wizard.gba"));
    const QString saved = QDir(wizard.romsDirectory).filePath(QStringLiteral("my.romweaver"));
    QVERIFY(frmRomweaver->saveCompilation(saved));
    wizard.click("btnWrite");
    const QByteArray wizardImage = testfiles::readFile(QDir(out.path()).filePath("wizard.gba"));
    QVERIFY(wizardImage.contains("1. a.nes|1|12\r\n2. b.nes\r\n"));

    const CommandLine command(wizard.programDirectory);
    const QString fromFile = QDir(out.path()).filePath("file.gba");
    Run run = command.run({"--compilation", saved, "-o", fromFile, "--quiet"});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(testfiles::readFile(fromFile), wizardImage);

    const QString direct = QDir(out.path()).filePath("direct.gba");
    const QString ownFile = QDir(out.path()).filePath("own.romweaver");
    QStringList arguments{"--sorted", "--numbered"};
    for (const char* name : {"b.nes", "a.nes"})
        arguments << platform::joinPath(wizard.romsDirectory, QString::fromLatin1(name));
    QCOMPARE(command.run(QStringList{"--save-compilation", ownFile} + arguments).status, 0);
    QVERIFY(!QFile::exists(direct)); // saved, not built
    QCOMPARE(command.run(QStringList{"-o", direct} + arguments).status, 0);
    run = command.run({"--compilation", ownFile, "-o", fromFile});
    QCOMPARE(run.status, 0);
    QCOMPARE(testfiles::readFile(fromFile), testfiles::readFile(direct));
}

void TestRomweaverBuild::fileSizeLimitIsAWriteFailure()
{
#ifdef Q_OS_WIN
    QSKIP("Windows sets no file size limit on a process");
#else
    // Under a file size limit (ulimit -f) smaller than the image, the write
    // fails as on a full disk rather than the system ending the process.
    Setup setup;
    const LargeRoms roms(setup);
    const QString output = setup.places.fill("{out}/x.gba");
    const QStringList arguments = QStringList{"-o", output} + setup.places.fill(roms.paths);
    const CommandLine command(setup.places.program);
    QCOMPARE(command.run(arguments).status, 0);
    const QByteArray earlier = testfiles::readFile(output);

    QProcess build;
    build.setChildProcessModifier([] {
        const rlimit limit{1024 * 1024, 1024 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    command.start(build, QStringList{"--numbered"} + arguments);
    QVERIFY(build.waitForFinished(60000));
    QCOMPARE(build.exitStatus(), QProcess::NormalExit);
    QCOMPARE(build.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(build.readAllStandardError());
    // The system's reason, as for any failed write ("cannot copy … to …: File too large").
    QVERIFY2(err.startsWith(QStringLiteral("romweaver-build: cannot ")) &&
                 err.contains(QStringLiteral(": File too large")),
             qPrintable(err));
    QCOMPARE(testfiles::readFile(output), earlier);
    QCOMPARE(QDir(setup.places.out).entryList(QDir::Files), QStringList{"x.gba"});
#endif
}

QTEST_MAIN(TestRomweaverBuild)
#include "tst_romweaverbuild.moc"
