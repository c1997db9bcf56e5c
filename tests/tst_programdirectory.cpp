// Where the program's files live: beside the executable (portable) or in the
// user's data directory (installed).

#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform;

class TestProgramDirectory : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void baseRomWhateverItsLetterCase_data();
    void baseRomWhateverItsLetterCase();
    void installedDirectoryIsTheUsersAndIsCreated();
};

void TestProgramDirectory::rule_data()
{
    QTest::addColumn<QString>("besideExecutable"); // "file", "other case", "directory" or ""
    QTest::addColumn<bool>("inDataDir");
    QTest::addColumn<bool>("installedModeExists");
    QTest::addColumn<QString>("chosen"); // "executable" or "data"

    QTest::newRow("portable: beside the executable") << "file" << false << true << "executable";
    QTest::newRow("portable wins over the data directory")
        << "file" << true << true << "executable";
    QTest::newRow("installed: in the data directory") << "" << true << true << "data";
    QTest::newRow("a directory named Tessel.GBA does not count")
        << "directory" << true << true << "data";
    QTest::newRow("portable whatever the base rom's letter case")
        << "other case" << true << true << "executable";
    QTest::newRow("neither: the data directory, named by the error")
        << "" << false << true << "data";
    QTest::newRow("no installed mode, neither: the executable's directory")
        << "" << false << false << "executable";
}

void TestProgramDirectory::rule()
{
    QFETCH(QString, besideExecutable);
    QFETCH(bool, inDataDir);
    QFETCH(bool, installedModeExists);
    QFETCH(QString, chosen);

    QTemporaryDir executable;
    QTemporaryDir data;
    if (besideExecutable == QLatin1String("file"))
        testfiles::makeFile(executable.path(), QStringLiteral("Tessel.GBA"), "base");
    if (besideExecutable == QLatin1String("other case"))
        testfiles::makeFile(executable.path(), QStringLiteral("tessel.gba"), "base");
    if (besideExecutable == QLatin1String("directory"))
        QDir(executable.path()).mkdir(QStringLiteral("Tessel.GBA"));
    if (inDataDir)
        testfiles::makeFile(data.path(), QStringLiteral("Tessel.GBA"), "base");

    const QString executableDir = executable.path() + QLatin1Char('/');
    const QString dataDir = installedModeExists ? data.path() + QLatin1Char('/') : QString();
    const QString result = platform::chooseProgramDirectory(executableDir, dataDir);
    QCOMPARE(result, chosen == QLatin1String("executable") ? executableDir : dataDir);
}

void TestProgramDirectory::baseRomWhateverItsLetterCase_data()
{
    QTest::addColumn<QStringList>("present"); // "dir:" before a folder's name
    QTest::addColumn<QString>("found");
    QTest::newRow("exact spelling") << QStringList{"Tessel.GBA"} << "Tessel.GBA";
    QTest::newRow("as the error box spells it") << QStringList{"Tessel.gba"} << "Tessel.gba";
    QTest::newRow("exact spelling first")
        << QStringList{"tessel.gba", "Tessel.GBA"} << "Tessel.GBA";
    QTest::newRow("two others: the first in sorted order")
        << QStringList{"tessel.gba", "TESSEL.GBA"} << "TESSEL.GBA";
    QTest::newRow("a folder of that name is none") << QStringList{"dir:tessel.gba"} << "Tessel.GBA";
}

void TestProgramDirectory::baseRomWhateverItsLetterCase()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);
    QTemporaryDir directory;
    for (const QString& name : present) {
        if (name.startsWith("dir:"))
            QDir(directory.path()).mkdir(name.mid(4));
        else
            testfiles::makeFile(directory.path(), name, "base");
    }
    if (QDir(directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() <
        present.size())
        QSKIP("this file system does not tell letter case apart");
    const platform::ProgramFiles files(directory.path() + QLatin1Char('/'));
    // Where letter case does not count, the exact spelling names the file already.
    QVERIFY2(platform::namesSameFile(files.baseRom(), files.directory() + found),
             qPrintable(files.baseRom()));
}

void TestProgramDirectory::installedDirectoryIsTheUsersAndIsCreated()
{
    // The test executable has no Tessel.GBA beside it, so the installed mode applies.
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/Tessel.GBA")));
#ifdef Q_OS_WIN
    // The user's roaming application data folder, which Windows names in %APPDATA%
    // (the known folder cannot be moved for a test: the real one is made).
    const QString expected =
        QDir::toNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("\\Romweaver\\");
    QVERIFY(expected.size() > 12);
#else
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    const QString expected = dataHome.path() + QStringLiteral("/Romweaver/");
#endif
    QCOMPARE(platform::userDataDirectory(), expected);
    QCOMPARE(platform::ProgramFiles::ofThisProgram().directory(), expected);
    QVERIFY(QFileInfo(expected).isDir());
#ifndef Q_OS_WIN
    qunsetenv("XDG_DATA_HOME");
#endif
}

QTEST_GUILESS_MAIN(TestProgramDirectory)
#include "tst_programdirectory.moc"
