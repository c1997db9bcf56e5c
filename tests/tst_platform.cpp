// What differs on Windows: "\" paths and drive roots, drive letters, files
// opened without sharing (also against another process), the ANSI code page of
// the single-byte files, and settings files shared with the profile services.
// Cases that need Windows skip elsewhere; the rest run everywhere.
#include "builder/BuildLog.h"
#include "builder/GbaImageWriter.h"
#include "builder/MenuScript.h"
#include "platform/DateTimeSettings.h"
#include "platform/Drives.h"
#include "platform/ExclusiveFile.h"
#include "platform/LocalText.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "settings/SettingsFile.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>

#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

#ifdef Q_OS_WIN
#include "platform/WindowsApi.h"
#endif

using namespace platform;
using namespace builder;
using namespace settings;
using namespace testfiles;

namespace
{

class SilentProgress : public ProgressReporter
{
public:
    int position() const override { return m_position; }
    void setPosition(int position) override { m_position = qBound(0, position, 100); }
    void setProgressText(const QString&) override {}
    void setStatusText(const QString& text) override { status = text; }

    QString status;

private:
    int m_position = 0;
};

// A second process that holds a file open until the test ends.
class OtherProgram
{
public:
    explicit OtherProgram(const QString& path)
    {
        m_process.start(QDir(QCoreApplication::applicationDirPath()).filePath("hold_file"), {path});
        m_process.waitForReadyRead(30000);
        m_held = m_process.readAllStandardOutput().startsWith("held");
    }
    ~OtherProgram()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(30000))
            m_process.kill();
    }
    bool holds() const { return m_held; }
    QString error() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    bool m_held = false;
};

#ifdef Q_OS_WIN
// The text as the system reads bytes in its ANSI code page.
QString fromAnsiCodePage(const QByteArray& bytes)
{
    const int length =
        MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), wide.data(), length);
    return QString::fromStdWString(wide);
}

QByteArray profileString(const QString& path, const char* section, const char* key,
                         const char* defaultValue = "")
{
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer, sizeof buffer,
                                                  QFile::encodeName(path).constData());
    return QByteArray(buffer, int(length));
}

// A key listing: names each ended by a zero byte, as GetPrivateProfileStringA gives it.
QList<QByteArray> profileKeys(const QString& path, const char* section)
{
    char buffer[16384];
    const DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer, sizeof buffer,
                                                  QFile::encodeName(path).constData());
    QList<QByteArray> keys = QByteArray(buffer, int(length)).split('\0');
    if (!keys.isEmpty() && keys.last().isEmpty())
        keys.removeLast();
    return keys;
}

bool writeProfileString(const QString& path, const char* section, const char* key,
                        const char* value)
{
    return WritePrivateProfileStringA(section, key, value, QFile::encodeName(path).constData());
}
#endif

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void composedPaths_data();
    void composedPaths();
    void programDirectoryIsNative();
    void buildAtADriveRoot();
    void drivesAreLetters();

    void secondOpenFails_data();
    void secondOpenFails();
    void ordinaryOpenFailsWhileHeld();
    void heldByAnotherProgram_data();
    void heldByAnotherProgram();

    void singleByteFilesInAnsiCodePage();
    void localTextKeepsEveryByte_data();
    void localTextKeepsEveryByte();
    void logTakesTheUsersDateTimeSettings();

    void settingsReadByProfileServices();
    void settingsReadFromProfileServices();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_dir; // native spelling, no trailing separator
};

void TestPlatform::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_dir = QDir::toNativeSeparators(m_temp->path());
}

void TestPlatform::composedPaths_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
#ifdef Q_OS_WIN
    QTest::newRow("directory") << "C:\\Roms"
                               << "a.nes"
                               << "C:\\Roms\\a.nes";
    QTest::newRow("drive root: two separators") << "C:\\"
                                                << "a.nes"
                                                << "C:\\\\a.nes";
    QTest::newRow("directory as Qt spells it") << "C:/Roms/NES/"
                                               << "a.nes"
                                               << "C:\\Roms\\NES\\a.nes";
    QTest::newRow("drive root as Qt spells it") << "D:/"
                                                << "Whatever.gba"
                                                << "D:\\\\Whatever.gba";
#else
    QTest::newRow("directory") << "/roms"
                               << "a.nes"
                               << "/roms/a.nes";
    QTest::newRow("root: two separators") << "/"
                                          << "a.nes"
                                          << "//a.nes";
    QTest::newRow("trailing separator dropped") << "/roms/nes/"
                                                << "a.nes"
                                                << "/roms/nes/a.nes";
#endif
}

void TestPlatform::composedPaths()
{
    // The directory as the directory list reports it, then the name joined to it.
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(platform::joinPath(platform::nativeDirectory(directory), name), path);
}

void TestPlatform::programDirectoryIsNative()
{
    const QString directory = platform::ProgramFiles::ofThisProgram().directory();
    QVERIFY(directory.endsWith(platform::pathSeparator()));
#ifdef Q_OS_WIN
    QCOMPARE(platform::pathSeparator(), "\\");
    QVERIFY2(!directory.contains(u'/'), qPrintable(directory));
    QVERIFY2(QRegularExpression("^[A-Z]:\\\\").match(directory).hasMatch(), qPrintable(directory));
#else
    QCOMPARE(platform::pathSeparator(), "/");
#endif
}

void TestPlatform::buildAtADriveRoot()
{
#ifndef Q_OS_WIN
    QSKIP("drive letters are Windows' own");
#else
    // A drive letter of the test's own for the temporary directory, so its
    // root can be written to: roms and output both at "R:\". Wine keeps drive
    // letters as links in its prefix, which DefineDosDevice does not make: the
    // Wine test script makes one (an empty folder) and names it here.
    std::wstring drive = qEnvironmentVariable("ROMWEAVER_TEST_SCRATCH_DRIVE").toStdWString();
    std::optional<QScopeGuard<std::function<void()>>> undo;
    if (drive.empty()) {
        for (wchar_t candidate = L'R'; candidate <= L'Y' && drive.empty(); ++candidate) {
            if (!(GetLogicalDrives() & (1u << (candidate - L'A'))))
                drive = {candidate, L':'};
        }
        if (drive.empty())
            QSKIP("no free drive letter");
        const std::wstring target = m_dir.toStdWString();
        if (!DefineDosDeviceW(0, drive.c_str(), target.c_str()))
            QSKIP(qPrintable("DefineDosDevice failed: " + qt_error_string(int(GetLastError()))));
        undo.emplace(std::function<void()>([drive, target] {
            DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, drive.c_str(),
                             target.c_str());
        }));
    }
    const QString root = platform::nativeDirectory(QString::fromStdWString(drive) + "/");
    QCOMPARE(root, QString::fromStdWString(drive) + "\\");
    QVERIFY(platform::driveRoots().contains(root));

    QTemporaryDir program;
    const QString programDirectory = QDir::toNativeSeparators(program.path()) + "\\";
    makeFile(program.path(), "Tessel.GBA", "BASE");
    WriteMenuScript(programDirectory + "menu.out", {"Alpha"});
    const QByteArray rom = makeRom(1, 0, 16 * 1024);
    makeFile(root, "a.nes", rom);

    BuildRequest request;
    request.outputPath = platform::joinPath(root, "Whatever.gba");
    QCOMPARE(request.outputPath, root + "\\Whatever.gba");
    request.files = platform::ProgramFiles(programDirectory);
    request.romsDirectory = root;
    request.romFileNames = {"a.nes"};
    request.selectedRomCount = 1;
    BuildLog log(programDirectory + "Romweaver.log");
    SilentProgress progress;
    builder::KeptError failure;
    QVERIFY2(WriteGBARom(request, progress, log, failure),
             qPrintable(failure ? failure->text() : QString()));
    QCOMPARE(readFile(root + "Whatever.gba"), "BASEAlpha\r\n" + rom);
#endif
}

void TestPlatform::drivesAreLetters()
{
#ifndef Q_OS_WIN
    QSKIP("drive letters are Windows' own");
#else
    const QStringList roots = platform::driveRoots();
    QVERIFY(!roots.isEmpty());
    const QRegularExpression driveRoot("^[A-Z]:\\\\$");
    for (const QString& root : roots)
        QVERIFY2(driveRoot.match(root).hasMatch(), qPrintable(root));
    const QString ownRoot = platform::driveRootOf(m_dir);
    QCOMPARE(ownRoot, m_dir.left(3));
    QVERIFY(roots.contains(ownRoot));
#endif
}

void TestPlatform::secondOpenFails_data()
{
    QTest::addColumn<ExclusiveFile::Mode>("first");
    QTest::addColumn<ExclusiveFile::Mode>("second");
    using Mode = ExclusiveFile::Mode;
    QTest::newRow("read, then read") << Mode::ReadExisting << Mode::ReadExisting;
    QTest::newRow("read, then create") << Mode::ReadExisting << Mode::Create;
    QTest::newRow("created output, then read") << Mode::Create << Mode::ReadExisting;
    QTest::newRow("repaired rom, then append") << Mode::ReadWriteExisting << Mode::AppendExisting;
    QTest::newRow("appended log, then create") << Mode::AppendExisting << Mode::Create;
}

void TestPlatform::secondOpenFails()
{
    QFETCH(ExclusiveFile::Mode, first);
    QFETCH(ExclusiveFile::Mode, second);
    const QString path = QDir::toNativeSeparators(makeFile(m_temp->path(), "held.bin", "held"));
    ExclusiveFile holder(path, first);
    if (first == ExclusiveFile::Mode::Create)
        holder.write("held", 4);
    QVERIFY_THROWS_EXCEPTION(FileError, ExclusiveFile(path, second));
    holder.close();
    QCOMPARE(readFile(path), "held");
    ExclusiveFile(path, second).close(); // free again
}

void TestPlatform::ordinaryOpenFailsWhileHeld()
{
#ifndef Q_OS_WIN
    QSKIP("elsewhere the hold is an advisory lock that only takers of the lock respect");
#else
    const QString path = makeFile(m_temp->path(), "held.bin", "held");
    {
        const ExclusiveFile holder(QDir::toNativeSeparators(path),
                                   ExclusiveFile::Mode::ReadExisting);
        QFile reader(path);
        QVERIFY(!reader.open(QIODevice::ReadOnly));
    }
    QFile reader(path);
    QVERIFY(reader.open(QIODevice::ReadOnly));
#endif
}

void TestPlatform::heldByAnotherProgram_data()
{
    QTest::addColumn<QString>("held");
    QTest::newRow("output") << "output";
    QTest::newRow("base rom") << "Tessel.GBA";
    QTest::newRow("menu script") << "menu.out";
    QTest::newRow("rom") << "b.nes";
}

void TestPlatform::heldByAnotherProgram()
{
    QFETCH(QString, held);
    const QString programDirectory = m_dir + platform::pathSeparator();
    const QString roms = QDir::toNativeSeparators(m_temp->filePath("roms"));
    QVERIFY(QDir().mkpath(roms));
    makeFile(m_dir, "Tessel.GBA", "BASE");
    makeFile(m_dir, "menu.out", "A\r\nB\r\n");
    makeFile(roms, "a.nes", makeRom(1, 0, 16 * 1024, 1));
    makeFile(roms, "b.nes", makeRom(1, 0, 16 * 1024, 2));
    const QString output = platform::joinPath(m_dir, "Whatever.gba");
    makeFile(m_dir, "Whatever.gba", "earlier image");

    const QString heldPath = held == "output"  ? output
                             : held == "b.nes" ? platform::joinPath(roms, held)
                                               : programDirectory + held;
    const QByteArray before = readFile(heldPath);
    OtherProgram other(heldPath);
    QVERIFY2(other.holds(), qPrintable(other.error()));

    BuildRequest request{
        output, platform::ProgramFiles(programDirectory), roms, {"a.nes", "b.nes"}, 2, {}};
    BuildLog log(programDirectory + "Romweaver.log");
    SilentProgress progress;
    builder::KeptError failure;
    QVERIFY(!WriteGBARom(request, progress, log, failure));
    QCOMPARE(readFile(heldPath), before);
    // The build had started where an input was held; the earlier image stays whole.
    QCOMPARE(readFile(output), QByteArray("earlier image"));
    QCOMPARE(QDir(m_dir).entryList({"*" + OutputPartSuffix}, QDir::Files), QStringList());
}

void TestPlatform::singleByteFilesInAnsiCodePage()
{
#ifndef Q_OS_WIN
    QSKIP("the ANSI code page is Windows' own");
#else
    // Text the code page can hold: ASCII plus what it adds in its upper half.
    QString text = QStringLiteral("Titel 1 ");
    for (char16_t c : {u'é', u'ß', u'Ж', u'Ω', u'ç'}) {
        BOOL lost = FALSE;
        char byte = 0;
        const wchar_t wide = wchar_t(c);
        if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, &byte, 1, nullptr, &lost) ==
                1 &&
            !lost && quint8(byte) >= 0x80)
            text += QChar(c);
    }
    if (text.size() == 8)
        QSKIP(
            qPrintable(QStringLiteral("code page %1 has none of the test letters").arg(GetACP())));

    const QString programDirectory = m_dir + "\\";
    WriteMenuScript(programDirectory + "menu.out", {text});
    const QByteArray menu = readFile(programDirectory + "menu.out");
    QVERIFY(menu.endsWith("\r\n"));
    QCOMPARE(menu.size(), text.size() + 2); // one byte a character
    QCOMPARE(fromAnsiCodePage(menu.chopped(2)), text);

    LogDateTimeFormat format;
    format.amDesignator = text;
    BuildLog log(programDirectory + "Romweaver.log", format,
                 [] { return QDateTime(QDate(2026, 12, 6), QTime(11, 19, 34)); });
    log.AddToLog("message");
    QCOMPARE(fromAnsiCodePage(readFile(programDirectory + "Romweaver.log")),
             "12/6/26 11:19:34 " + text + "\r\nmessage\r\n");

    // Settings keep the bytes the wizard gives them: the text in the code page.
    SettingsFile settings(programDirectory + "Romweaver.ini");
    settings.WriteValue("Titles", "a.nes", text.toLocal8Bit());
    wchar_t buffer[256];
    const DWORD length =
        GetPrivateProfileStringW(L"Titles", L"a.nes", L"", buffer, 256,
                                 reinterpret_cast<const wchar_t*>(settings.path().utf16()));
    QCOMPARE(QString::fromWCharArray(buffer, int(length)), text);
#endif
}

void TestPlatform::logTakesTheUsersDateTimeSettings()
{
#ifndef Q_OS_WIN
    QVERIFY(!platform::userDateTimeSettings());
    QSKIP("the user's locale settings are read from Windows only");
#else
    // The user's settings pinned for the test, as the regional settings panel
    // sets them: the date picture, the time picture (from which Windows takes
    // the separator, the clock, the leading zero and the designator position)
    // and the designators. The earlier values come back afterwards.
    const QList<LCTYPE> pinned{LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT, LOCALE_S1159, LOCALE_S2359};
    QList<std::wstring> earlier;
    for (LCTYPE type : pinned) {
        wchar_t buffer[128];
        const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
        QVERIFY(length > 0);
        earlier << std::wstring(buffer, size_t(length - 1));
    }
    const auto restore = qScopeGuard([&] {
        for (qsizetype i = 0; i < pinned.size(); ++i)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, pinned.at(i), earlier.at(i).c_str());
    });
    QVERIFY(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, L"yyyy-MM-dd"));
    QVERIFY(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, L"tt hh.mm.ss"));
    QVERIFY(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S1159, L"vorm."));
    QVERIFY(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S2359, L"nachm."));

    const std::optional<platform::DateTimeSettings> settings = platform::userDateTimeSettings();
    QVERIFY(settings);
    QCOMPARE(settings->shortDate.value_or("unset"), "yyyy-MM-dd");
    QCOMPARE(settings->dateSeparator.value_or("unset"), "-");
    QCOMPARE(settings->timeSeparator.value_or("unset"), ".");
    QVERIFY(settings->hourLeadingZero.value_or(false));
    QVERIFY(settings->twelveHourClock.value_or(false));
    QCOMPARE(settings->amDesignator.value_or("unset"), "vorm.");
    QCOMPARE(settings->pmDesignator.value_or("unset"), "nachm.");
    QVERIFY(settings->designatorBeforeTime.value_or(false));

    const LogDateTimeFormat format = LogDateTimeFormat::fromSystem();
    QCOMPARE(formatLogDateTime(QDateTime(QDate(2026, 12, 6), QTime(21, 5, 3)), format),
             "2026-12-06 nachm. 09.05.03");
    QCOMPARE(formatLogDateTime(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0)), format),
             "2026-12-06");
#endif
}

void TestPlatform::settingsReadByProfileServices()
{
#ifndef Q_OS_WIN
    QSKIP("the profile services are Windows' own");
#else
    const QString path = m_dir + "\\Romweaver.ini";
    SettingsFile settings(path);
    settings.WriteValue("Settings", "NESRomsDir", "C:\\Roms");
    settings.WriteValue("Titles", "b.nes", "Beta");
    settings.WriteValue("Titles", "a.nes", "Alpha");
    settings.WriteValue("Options", "1", "Sprite fix");
    settings.WriteValue("Titles", "b.nes", "Beta 2"); // in place
    settings.WriteValue("Titles", "c.nes", "Gamma");
    settings.DeleteValue("Titles", "a.nes");

    QCOMPARE(profileString(path, "Settings", "NESRomsDir"), "C:\\Roms");
    QCOMPARE(profileString(path, "settings", "nesromsdir"), "C:\\Roms"); // names ignore case
    QCOMPARE(profileString(path, "Titles", "b.nes"), "Beta 2");
    QCOMPARE(profileString(path, "Titles", "a.nes", "gone"), "gone");
    QCOMPARE(profileKeys(path, "Titles"), (QList<QByteArray>{"b.nes", "c.nes"}));
    QCOMPARE(profileString(path, "Options", "1"), "Sprite fix");
#endif
}

void TestPlatform::settingsReadFromProfileServices()
{
#ifndef Q_OS_WIN
    QSKIP("the profile services are Windows' own");
#else
    const QString path = m_dir + "\\Romweaver.ini";
    QVERIFY(writeProfileString(path, "Settings", "NESRomsDir", "C:\\Roms\\NES"));
    QVERIFY(writeProfileString(path, "Titles", "zelda.nes", "The Legend"));
    QVERIFY(writeProfileString(path, "Titles", "metroid.nes", "Metroid"));
    QVERIFY(writeProfileString(path, "Titles", "copy.nes", "Metroid"));
    QVERIFY(writeProfileString(path, "Options", "1", "Fast"));
    QVERIFY(writeProfileString(path, "Options", "2", "Slow"));
    QVERIFY(writeProfileString(path, "Options", "1", "Faster")); // in place
    QVERIFY(writeProfileString(path, "Options", "2", nullptr));  // deleted

    const SettingsFile settings(path);
    QCOMPARE(settings.ReadValue("Settings", "NESRomsDir", ""), "C:\\Roms\\NES");
    QCOMPARE(settings.ReadValue("SETTINGS", "nesromsdir", ""), "C:\\Roms\\NES");
    QCOMPARE(settings.ListKeys("Titles"),
             (QList<QByteArray>{"zelda.nes", "metroid.nes", "copy.nes"}));
    QCOMPARE(settings.FileNameForTitle("Metroid"), "metroid.nes");
    QCOMPARE(settings.ListPairs("Options"), (QList<SettingsFile::Pair>{{"1", "Faster"}}));
    QCOMPARE(settings.ReadValue("Options", "2", "none"), "none");
#endif
}

void TestPlatform::localTextKeepsEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << QByteArray("Super Mario Bros. 3|5|12");
    QTest::newRow("letters above 127 in the system's encoding")
        << QString("Caf\u00e9 \u00df").toLocal8Bit();
    QTest::newRow("lone bytes above 127") << QByteArray("Caf\xe9 \xff\xfe");
    QTest::newRow("cut-off sequence at the end") << QByteArray("Mario \xc3");
    QTest::newRow("encoded replacement character") << QByteArray("x\xef\xbf\xbdy");
    QTest::newRow("overlong and surrogate encodings") << QByteArray("\xc0\xaf \xed\xa0\x80");
}

void TestPlatform::localTextKeepsEveryByte()
{
    // Read from a file, shown in a list, written to another file: the bytes
    // come back as they were, and text the encoding knows reads as that text.
    QFETCH(QByteArray, bytes);
    const QString text = platform::localText(bytes);
    QCOMPARE(platform::localBytes(text), bytes);
    QCOMPARE(platform::localBytes(text + "|1"), bytes + "|1");
    if (QString::fromLocal8Bit(bytes).toLocal8Bit() == bytes)
        QCOMPARE(text, QString::fromLocal8Bit(bytes));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
