#include "platform/FileError.h"
#include "platform/FileReplacement.h"
#include "settings/SettingsFile.h"
#include "support/FullFileSystem.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#endif

using namespace platform;
using namespace settings;

using testfiles::makeFile;
using testfiles::readFile;

namespace
{

const QByteArray bom("\xEF\xBB\xBF");
const QByteArray missing; // a null file column: the settings file does not exist

// Names of equal length that differ in their first bytes, so none repeats another.
QByteArray filler(int index, int length)
{
    QByteArray name = QByteArray::number(index).rightJustified(5, '0').prepend('k');
    return name.leftJustified(length, 'x', true);
}

// A Titles section whose first keys take up exactly `used` bytes of the key
// listing (each name with its terminating byte), followed by `tail` lines.
QByteArray titlesUsing(int used, const QByteArray& tail)
{
    QByteArray text("[Titles]\n");
    int index = 0;
    while (used > 0) {
        const int length = qMin(used, 100) - 1;
        Q_ASSERT(length >= 6);
        text += filler(index++, length) + "=t\n";
        used -= length + 1;
    }
    return text + tail;
}

// The settings file of the failure cases (89 bytes), and what each operation does to it.
const QByteArray storedSettings("[Settings]\r\nNESRomsDir=/home/user/roms\r\n[Titles]\r\n"
                                "game1.nes=Alpha\r\ngame2.nes=Beta\r\n[Options]\r\n1=A\r\n");

enum class Operation { SmallValue, LargeValue, Deletion, FirstWrite };

// Ways the file changes between two reads.
enum class Change {
    Rewritten,
    SameSizeNewTime,
    ReplacedKeepingTime,
    Removed,
    CreatedAgain,
    StoreWrite,
    StoreDeletion
};

// Runs the operation; true when it reported "Unable to write to <path>".
bool reportsFailure(SettingsFile& settings, Operation operation)
{
    try {
        switch (operation) {
        case Operation::SmallValue:
            settings.WriteValue("Titles", "game1.nes", "Alphas"); // one byte more
            break;
        case Operation::LargeValue:
            settings.WriteValue("Titles", "game1.nes", QByteArray(100000, 'g'));
            break;
        case Operation::Deletion:
            settings.DeleteValue("Titles", "game1.nes");
            break;
        case Operation::FirstWrite:
            settings.WriteValue("Settings", "NESRomsDir", "/home/user/roms");
            break;
        }
    } catch (const FileError& error) {
        return error.text() == "Unable to write to " + settings.path();
    }
    return false;
}

// The real replacement, failing where a device can fail: partway through the
// bytes, or at the end, when they are flushed, synced and renamed into place.
class FailingReplacement : public FileReplacement
{
public:
    enum Fault { AtWrite, AtCommit };
    FailingReplacement(std::unique_ptr<FileReplacement> real, Fault fault)
        : m_real(std::move(real)), m_fault(fault)
    {
    }
    void write(const char* data, qint64 size) override
    {
        m_real->write(data, m_fault == AtWrite ? size / 2 : size);
        if (m_fault == AtWrite)
            throw FileError(platform::FileAction::Write, QStringLiteral("Romweaver.ini"),
                            platform::FileFailure::Other,
                            QStringLiteral("No space left on device"));
    }
    void commit() override
    {
        if (m_fault == AtCommit)
            throw FileError(platform::FileAction::Write, QStringLiteral("Romweaver.ini"),
                            platform::FileFailure::Other, QStringLiteral("Input/output error"));
        m_real->commit();
    }

private:
    std::unique_ptr<FileReplacement> m_real;
    Fault m_fault;
};

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(FailingReplacement::Fault)

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QString settingsPath() const { return QDir(m_dir.path()).filePath("Romweaver.ini"); }
    SettingsFile fileHolding(const QByteArray& bytes)
    {
        QFile::remove(settingsPath());
        if (!bytes.isNull())
            makeFile(m_dir.path(), "Romweaver.ini", bytes);
        return SettingsFile(settingsPath());
    }

    QTemporaryDir m_dir;

private slots:
    void read_data();
    void read();
    void listKeys_data();
    void listKeys();
    void listKeysLimit_data();
    void listKeysLimit();
    void listPairs_data();
    void listPairs();
    void write_data();
    void write();
    void writeThenRead();
    void deleteValue_data();
    void deleteValue();
    void deleteValueOfMissingFileCreatesNothing();
    void fileNameForTitle_data();
    void fileNameForTitle();
    void titleChangesRewriteOneEntry();
    void writeReplacesTheFileWhole();
    void writeKeepsLinkAndPermissions();
    void writeFailure_data();
    void writeFailure();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void writeThatCannotLandChangesNothing_data();
    void writeThatCannotLandChangesNothing();
    void fullDiskChangesNothing_data();
    void fullDiskChangesNothing();
    void changeBetweenReadsIsSeen_data();
    void changeBetweenReadsIsSeen();
    void twoProcessesKeepEveryKey();
    void leftoverNewFilesRemoved_data();
    void leftoverNewFilesRemoved();
};

void TestSettingsFile::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("defaultValue");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const QByteArray& file, const QByteArray& section,
                        const QByteArray& key, const QByteArray& defaultValue,
                        const QByteArray& expected) {
        QTest::newRow(name) << file << section << key << defaultValue << expected;
    };

    row("missing file", missing, "S", "a", "d", "d");
    row("empty file", "", "S", "a", "d", "d");
    row("missing section", "[T]\na=1\n", "S", "a", "d", "d");
    row("missing key", "[S]\nb=1\n", "S", "a", "d", "d");
    row("plain", "[S]\r\na=1\r\n", "S", "a", "d", "1");
    row("empty value is no default", "[S]\na=\n", "S", "a", "d", "");
    row("default loses trailing blanks only", missing, "S", "a", "  d \t  ", "  d \t");
    row("names ignore ASCII case", "[TiTlEs]\nGame1.NES=x\n", "titles", "GAME1.nes", "", "x");
    row("bytes above 127 are not folded", "[S]\n\xC3\x89=x\n", "S", "\xC3\xA9", "d", "d");
    row("blanks and tabs trimmed", " \t[ S ] \n \t a \t = \t 1 2 \t \n", "S", "a", "", "1 2");
    row("names asked for are trimmed", "[S]\na=1\n", " S ", "\ta ", "", "1");
    row("section name runs to the last bracket", "[a]b] x\nk=1\n", "a]b", "k", "", "1");
    row("open bracket alone is no header", "[S]\n[x\nk=1\n", "S", "k", "", "1");
    row("value holds =", "[S]\na==b=c\n", "S", "a", "", "=b=c");
    row("no trailing comments", "[S]\na=b ;c\n", "S", "a", "", "b ;c");
    row("comment is no key", "[S]\n;a=1\n", "S", ";a", "d", "d");
    row("hash is an ordinary character", "[S]\n#x=1\n", "S", "#x", "d", "1");
    row("name alone reads the default", "[S]\n\ta \n", "S", "a", "d", "d");
    row("name alone comes first: default", "[S]\na\na=1\n", "S", "A", "d", "d");
    row("name alone after the key: the key's value", "[S]\na=1\na\n", "S", "a", "d", "1");
    row("lines before the first section are not served", "a=1\n[S]\n", "", "a", "d", "d");
    row("repeated key: first", "[S]\na=1\nA=2\n", "S", "a", "", "1");
    row("repeated section: first only", "[S]\na=1\n[T]\n[s]\nb=2\n", "S", "b", "d", "d");
    row("double quotes", "[S]\na=\" x \"\n", "S", "a", "", " x ");
    row("one pair of quotes", "[S]\na=''x''\n", "S", "a", "", "'x'");
    row("empty quotes", "[S]\na=\"\"\n", "S", "a", "d", "");
    row("mismatched quotes stay", "[S]\na=\"x'\n", "S", "a", "", "\"x'");
    row("lone quote stays", "[S]\na=\"\n", "S", "a", "", "\"");
    row("LF", "[S]\na=1\nb=2\n", "S", "b", "", "2");
    row("CR", "[S]\ra=1\rb=2\r", "S", "b", "", "2");
    row("mixed, no final break", "[S]\r\na=1\rb=2\nc=3", "S", "c", "", "3");
    row("CR CR LF is two breaks", "[S]\r\r\na=1\r\r\n", "S", "a", "", "1");
    row("byte-order mark", bom + "[S]\r\na=1\r\n", "S", "a", "", "1");
    row("value cut at 2047", "[S]\na=" + QByteArray(3000, 'v') + "\n", "S", "a", "",
        QByteArray(2047, 'v'));
    row("quotes dropped before the cut", "[S]\na=\"" + QByteArray(2047, 'v') + "\"\n", "S", "a", "",
        QByteArray(2047, 'v'));
    row("default cut at 2047", missing, "S", "a", QByteArray(3000, 'd'), QByteArray(2047, 'd'));
}

void TestSettingsFile::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, defaultValue);
    QFETCH(QByteArray, expected);

    const SettingsFile settings = fileHolding(file);
    QCOMPARE(settings.ReadValue(section, key, defaultValue), expected);
    // The second read is answered from the reading the first one kept.
    QCOMPARE(settings.ReadValue(section, key, defaultValue), expected);
}

void TestSettingsFile::listKeys_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArrayList>("expected");
    const auto row = [](const char* name, const QByteArray& file, const QByteArrayList& expected) {
        QTest::newRow(name) << file << expected;
    };

    row("missing file", missing, {});
    row("absent section", "[T]\na=1\n", {});
    row("file order, spelt as the file, empty values too",
        "[s]\r\nZeta=1\r\n  Alpha = \r\nmid=\"\"\r\n", {"Zeta", "Alpha", "mid"});
    row("comments, blank lines and names alone left out", "x=0\n[S]\n;c=1\n\n plain \na=1\n#h=2\n",
        {"a", "#h"});
    row("repeated key listed as it occurs", "[S]\na=1\nb=2\nA=3\n", {"a", "b", "A"});
    row("first of repeated sections", "[S]\na=1\n[T]\nt=1\n[S]\nb=2\n", {"a"});
    row("empty name left out", "[S]\n=1\na=2\n", {"a"});
}

void TestSettingsFile::listKeys()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArrayList, expected);

    QCOMPARE(fileHolding(file).ListKeys("S"), expected);
}

void TestSettingsFile::listKeysLimit_data()
{
    // The listing holds 16384 bytes: names with their terminating bytes and one
    // closing byte. `used` bytes go to filler names before the keys that matter.
    QTest::addColumn<int>("used");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QByteArrayList>("expectedTail");
    const auto row = [](const char* name, int used, const QByteArray& tail,
                        const QByteArrayList& expected) {
        QTest::newRow(name) << used << tail << expected;
    };

    const QByteArray exact(16384 - 16300 - 2, 'e');
    row("last name fills the listing exactly", 16300, exact + "=1\nafter=2\n", {exact});
    row("name one byte too long is cut", 16300, exact + "Z=1\nafter=2\n", {exact});
    row("long name cut to the room left", 16300, QByteArray(500, 'L') + "=1\n",
        {QByteArray(82, 'L')});
    row("three bytes left: one character", 16381, "abc=1\n", {"a"});
    row("two bytes left: nothing more", 16382, "abc=1\n", {});
    row("names alone take no room", 16300, QByteArray(200, 'n') + "\n" + exact + "=1\n", {exact});
}

void TestSettingsFile::listKeysLimit()
{
    QFETCH(int, used);
    QFETCH(QByteArray, tail);
    QFETCH(QByteArrayList, expectedTail);

    const QByteArrayList keys = fileHolding(titlesUsing(used, tail)).ListKeys("Titles");
    const qsizetype fillers = (used + 99) / 100;
    QCOMPARE(keys.mid(fillers), expectedTail);
    qsizetype listingBytes = 1;
    for (const QByteArray& key : keys)
        listingBytes += key.size() + 1;
    QVERIFY(listingBytes <= 16384);
}

void TestSettingsFile::listPairs_data()
{
    using P = SettingsFile::Pair;
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<P>>("expected");
    const auto row = [](const char* name, const QByteArray& file, const QList<P>& expected) {
        QTest::newRow(name) << file << expected;
    };

    row("missing file", missing, {});
    row("empty values left out, order kept", "[Options]\n1=One\n2=\n4=\"\"\n8=Eight\n",
        {{"1", "One"}, {"8", "Eight"}});
    row("repeated key once, with the first value", "[Options]\n1=a\n2=b\nX=c\nx=d\n1=e\n",
        {{"1", "a"}, {"2", "b"}, {"X", "c"}});
    row("name alone left out, also before its key", "[Options]\n1\n2=b\n1=a\n4\n", {{"2", "b"}});
    row("values as read: trimmed, unquoted", "[options]\n 1 = ' x '\n", {{"1", " x "}});
    row("cut name takes the value of the key so named",
        titlesUsing(16381, "abc=1\nd=2\na=3\n").replace("[Titles]", "[Options]"), {{"a", "3"}});
}

void TestSettingsFile::listPairs()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<SettingsFile::Pair>, expected);

    QList<SettingsFile::Pair> pairs = fileHolding(file).ListPairs("Options");
    pairs.removeIf([](const SettingsFile::Pair& pair) { return pair.first.startsWith("k0"); });
    QCOMPARE(pairs, expected);
}

void TestSettingsFile::write_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const QByteArray& file, const QByteArray& section,
                        const QByteArray& key, const QByteArray& value,
                        const QByteArray& expected) {
        QTest::newRow(name) << file << section << key << value << expected;
    };

    row("new file", missing, "S", "k", "v", "[S]\r\nk=v\r\n");
    row("empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n");
    row("file of a byte-order mark", bom, "S", "k", "v", bom + "[S]\r\nk=v\r\n");
    row("in place", "[S]\r\na=1\r\nb=2\r\n", "S", "A", "9", "[S]\r\na=9\r\nb=2\r\n");
    row("in place keeps spelling and spacing before the value", "[ s ]\n\t Key \t= \t\"old\"  \n",
        "S", "KEY", "new", "[ s ]\n\t Key \t= \tnew\n");
    row("in place: first of a repeated key", "[S]\na=1\na=2\n", "S", "a", "9", "[S]\na=9\na=2\n");
    row("in place: last line without break", "[S]\ra=1", "S", "a", "22", "[S]\ra=22");
    row("in place: empty value", "[S]\na=1\n", "S", "a", "", "[S]\na=\n");
    row("in place: name alone", "[S]\r\n\t A \r\nb=2\r\n", "S", "a", "9",
        "[S]\r\n\t A=9\r\nb=2\r\n");
    row("in place: name alone before the key", "[S]\na\na=1\n", "S", "a", "9", "[S]\na=9\na=1\n");
    row("in place: name alone, last line without break", "[S]\na", "S", "a", "", "[S]\na=");
    row("new key at the end of its section", "[S]\r\na=1\r\n[T]\r\nb=2\r\n", "S", "c", "3",
        "[S]\r\na=1\r\nc=3\r\n[T]\r\nb=2\r\n");
    row("new key before trailing blank lines and comments",
        "[S]\na=1\n;a's note\nb=2\n\n; about T\n[T]\n", "S", "c", "3",
        "[S]\na=1\n;a's note\nb=2\nc=3\n\n; about T\n[T]\n");
    row("new key after a line without =", "[S]\na=1\nstray\n\n", "S", "c", "3",
        "[S]\na=1\nstray\nc=3\n\n");
    row("new key in an empty section", "[S]\n[T]\n", "S", "c", "3", "[S]\nc=3\n[T]\n");
    row("new key in the first of repeated sections", "[S]\na=1\n[S]\nb=2\n", "S", "b", "3",
        "[S]\na=1\nb=3\n[S]\nb=2\n");
    row("new key after a last line without break", "[S]\na=1", "S", "c", "3", "[S]\na=1\nc=3\n");
    row("new key takes the file's CR", "[S]\ra=1\r", "S", "c", "3", "[S]\ra=1\rc=3\r");
    row("new key takes the file's first break", "x\n[S]\r\na=1\r\n", "S", "c", "3",
        "x\n[S]\r\na=1\r\nc=3\n");
    row("new section at the end", "[S]\r\na=1\r\n", "T", "k", "v", "[S]\r\na=1\r\n[T]\r\nk=v\r\n");
    row("new section: line break added first", "[S]\na=1", "T", "k", "v", "[S]\na=1\n[T]\nk=v\n");
    row("new section: no blank line added", "[S]\na=1\n\n; end\n", "T", "k", "v",
        "[S]\na=1\n\n; end\n[T]\nk=v\n");
    row("text before the first section and the mark kept", bom + "; note\r\nx=1\r\n[S]\r\n", "S",
        "x", "2", bom + "; note\r\nx=1\r\n[S]\r\nx=2\r\n");
    row("names written trimmed, quotes as given", missing, " S\t", " k ", "\" v \"",
        "[S]\r\nk=\" v \"\r\n");
    row("value kept to its first line", "[S]\n", "S", "k", "x\r\n[T]\r\ny=1", "[S]\nk=x\n");
}

void TestSettingsFile::write()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);

    fileHolding(file).WriteValue(section, key, value);
    QCOMPARE(readFile(settingsPath()), expected);
}

void TestSettingsFile::writeThenRead()
{
    SettingsFile settings = fileHolding(missing);
    const QByteArray longValue = QByteArray(3000, 'x') + "end";
    settings.WriteValue("Titles", "long.nes", longValue);
    settings.WriteValue("Titles", "quoted.nes", "' padded '");
    settings.WriteValue("Settings", "NESRomsDir", "/roms/nes");
    QVERIFY(readFile(settingsPath()).contains("long.nes=" + longValue + "\r\n"));
    QCOMPARE(settings.ReadValue("Titles", "long.nes", ""), QByteArray(2047, 'x'));
    QCOMPARE(settings.ReadValue("titles", "QUOTED.NES", ""), " padded ");
    QCOMPARE(settings.ReadValue("Settings", "NESRomsDir", ""), "/roms/nes");
    QCOMPARE(settings.ListKeys("Titles"), (QByteArrayList{"long.nes", "quoted.nes"}));
}

void TestSettingsFile::deleteValue_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const QByteArray& file, const QByteArray& key,
                        const QByteArray& expected) {
        QTest::newRow(name) << file << key << expected;
    };

    row("header stays when the section empties", "[S]\r\na=1\r\n[T]\r\na=2\r\n", "A",
        "[S]\r\n[T]\r\na=2\r\n");
    row("first occurrence only", "[S]\na=1\nb=2\na=3\n", "a", "[S]\nb=2\na=3\n");
    row("last line without break", "[S]\ra=1\rb=2", "b", "[S]\ra=1\r");
    row("missing key changes nothing", "[S]\n;a=1\n", "a", "[S]\n;a=1\n");
    row("name alone deleted as a key", "[S]\na\nb=2\n", "a", "[S]\nb=2\n");
    row("missing section changes nothing", "a=1\n[T]\na=1\n", "a", "a=1\n[T]\na=1\n");
}

void TestSettingsFile::deleteValue()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);

    fileHolding(file).DeleteValue("S", key);
    QCOMPARE(readFile(settingsPath()), expected);
}

void TestSettingsFile::deleteValueOfMissingFileCreatesNothing()
{
    fileHolding(missing).DeleteValue("S", "a");
    QVERIFY(!QFileInfo::exists(settingsPath()));
}

void TestSettingsFile::fileNameForTitle_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const QByteArray& file, const QByteArray& title,
                        const QByteArray& expected) {
        QTest::newRow(name) << file << title << expected;
    };

    row("missing file", missing, "game.nes", "game.nes");
    row("no entry: the title itself", "[Titles]\na.nes=A\n", "b.nes", "b.nes");
    row("key spelt as the file spells it", "[titles]\n GAME1.NES = Alpha \n", "Alpha", "GAME1.NES");
    row("values compare with letter case", "[Titles]\ngame1.nes=Alpha\n", "alpha", "alpha");
    row("first of equal titles wins", "[Titles]\nb.nes=Same\na.nes=Same\n", "Same", "b.nes");
    row("value as read: quotes dropped", "[Titles]\na.nes=\"Alpha\"\n", "Alpha", "a.nes");
    row("value as read: cut at 2047", "[Titles]\na.nes=" + QByteArray(3000, 't') + "\n",
        QByteArray(2047, 't'), "a.nes");
    row("repeated key serves its first value only", "[Titles]\na.nes=A\nA.NES=B\n", "B", "B");
    row("other sections and repeated Titles ignored",
        "[Options]\n1=T\n[Titles]\n[Titles]\na.nes=T\n", "T", "T");
    row("key beyond the listing is not found", titlesUsing(16383, "late.nes=Late\n"), "Late",
        "Late");
    row("cut key looks up its cut name", titlesUsing(16379, "abcdef.nes=Cut\nabc=Other\n"), "Other",
        "abc");
    row("cut key never matches its own value", titlesUsing(16379, "abcdef.nes=Cut\n"), "Cut",
        "Cut");
    row("empty title passes a name alone", "[Titles]\ntext without equals\nb.nes=\n", "", "b.nes");
}

void TestSettingsFile::fileNameForTitle()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, expected);

    QCOMPARE(fileHolding(file).FileNameForTitle(title), expected);
}

void TestSettingsFile::titleChangesRewriteOneEntry()
{
    SettingsFile settings = fileHolding("[Settings]\r\nNESRomsDir=/roms\r\n");
    settings.WriteValue("Titles", settings.FileNameForTitle("game1.nes"), "Alpha");
    QCOMPARE(settings.FileNameForTitle("Alpha"), "game1.nes");
    settings.WriteValue("Titles", settings.FileNameForTitle("Alpha"), "Beta");
    QCOMPARE(settings.FileNameForTitle("Beta"), "game1.nes");
    QCOMPARE(settings.FileNameForTitle("Alpha"), "Alpha");
    QCOMPARE(readFile(settingsPath()),
             "[Settings]\r\nNESRomsDir=/roms\r\n[Titles]\r\ngame1.nes=Beta\r\n");
}

void TestSettingsFile::writeReplacesTheFileWhole()
{
    SettingsFile settings = fileHolding("[S]\na=1\n");
    QFile before(settingsPath());
    QVERIFY(before.open(QIODevice::ReadOnly));
#ifdef Q_OS_WIN
    // Windows does not replace a file that another program has open (without
    // delete sharing): the write fails and the file stays as it was.
    QVERIFY_THROWS_EXCEPTION(FileError, settings.WriteValue("S", "a", "2"));
    QCOMPARE(readFile(settingsPath()), "[S]\na=1\n");
    before.close();
#endif
    settings.WriteValue("S", "a", "2");
    settings.DeleteValue("S", "a");
    QCOMPARE(readFile(settingsPath()), "[S]\n");
#ifdef Q_OS_UNIX
    // A file replaced by renaming leaves a reader of the old one with its old bytes.
    QCOMPARE(before.readAll(), "[S]\na=1\n");
#endif
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Romweaver.ini"});
}

void TestSettingsFile::writeKeepsLinkAndPermissions()
{
#ifndef Q_OS_UNIX
    QSKIP("symbolic links and permission bits as on Unix");
#else
    const QString target = makeFile(m_dir.path(), "real.ini", "[S]\na=1\n");
    QFile::remove(settingsPath());
    QVERIFY(QFile::link(target, settingsPath()));
    const auto cleanUp = qScopeGuard([&] { QFile::remove(target); });
    const auto permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(target, permissions));

    SettingsFile(settingsPath()).WriteValue("S", "a", "2");
    QVERIFY(QFileInfo(settingsPath()).isSymLink());
    QCOMPARE(readFile(target), "[S]\na=2\n");
    QCOMPARE(QFile::permissions(target) & 0x7077, permissions); // owner, group, others
    QFile::remove(settingsPath());
#endif
}

void TestSettingsFile::writeFailure_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::newRow("directory missing") << QStringList{"no such dir", "Romweaver.ini"};
    QTest::newRow("path is a directory") << QStringList{"dir.ini"};
}

void TestSettingsFile::writeFailure()
{
    QFETCH(QStringList, path);
    const QDir dir(m_dir.path());
    QVERIFY(dir.mkdir("dir.ini"));
    const auto removeDir = qScopeGuard([&] { QDir(dir.filePath("dir.ini")).removeRecursively(); });
    makeFile(dir.filePath("dir.ini"), "kept", "x");
    QString fullPath = m_dir.path();
    for (const QString& part : path)
        fullPath = QDir(fullPath).filePath(part);
    SettingsFile settings(fullPath);

    QVERIFY_THROWS_EXCEPTION(FileError, settings.WriteValue("S", "k", "v"));
    try {
        settings.WriteValue("S", "k", "v");
    } catch (const FileError& error) {
        QCOMPARE(error.text(), "Unable to write to " + fullPath);
    }
    settings.DeleteValue("S", "k");
    QCOMPARE(settings.ReadValue("S", "k", "d"), "d");
    QCOMPARE(readFile(QDir(dir.filePath("dir.ini")).filePath("kept")), "x");
    QVERIFY(!QFileInfo::exists(dir.filePath("no such dir")));
}

void TestSettingsFile::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<Operation>("operation");
    QTest::newRow("file held immutable") << "immutable" << Operation::LargeValue;
    QTest::newRow("deletion, file held immutable") << "immutable" << Operation::Deletion;
    QTest::newRow("large value past the size limit") << "size limit" << Operation::LargeValue;
    QTest::newRow("small value past the size limit") << "size limit" << Operation::SmallValue;
}

void TestSettingsFile::failedWriteKeepsOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs chattr and file size limits");
#else
    QFETCH(QString, obstacle);
    QFETCH(Operation, operation);
    SettingsFile settings = fileHolding(storedSettings);
    const bool expectReport = operation != Operation::Deletion;

    if (obstacle == "immutable") {
        // Permission bits do not stop root; the immutable attribute does.
        if (QProcess::execute("chattr", {"+i", settingsPath()}) != 0)
            QSKIP("chattr +i is not available here");
        const auto undo = qScopeGuard([&] { QProcess::execute("chattr", {"-i", settingsPath()}); });
        QCOMPARE(reportsFailure(settings, operation), expectReport);
    } else {
        // A file size limit of exactly the old file's size: any new text that
        // is longer fails partway, however few bytes it adds. Only the soft
        // limit is lowered, so it can be restored.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = rlim_t(storedSettings.size());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool reported = reportsFailure(settings, operation);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(reported, expectReport);
    }
    QCOMPARE(readFile(settingsPath()), storedSettings);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Romweaver.ini"});
#endif
}

void TestSettingsFile::writeThatCannotLandChangesNothing_data()
{
    QTest::addColumn<FailingReplacement::Fault>("fault");
    QTest::addColumn<Operation>("operation");
    for (auto [fault, where] : {std::pair(FailingReplacement::AtWrite, "partway"),
                                std::pair(FailingReplacement::AtCommit, "at flush")}) {
        QTest::addRow("small value, fails %s", where) << fault << Operation::SmallValue;
        QTest::addRow("deletion, fails %s", where) << fault << Operation::Deletion;
        QTest::addRow("first write, fails %s", where) << fault << Operation::FirstWrite;
    }
}

void TestSettingsFile::writeThatCannotLandChangesNothing()
{
    QFETCH(FailingReplacement::Fault, fault);
    QFETCH(Operation, operation);
    const QByteArray old = operation == Operation::FirstWrite ? missing : storedSettings;
    fileHolding(old);
    SettingsFile settings(settingsPath(), [fault](const QString& path) {
        return std::make_unique<FailingReplacement>(platform::startReplacing(path), fault);
    });

    QCOMPARE(reportsFailure(settings, operation), operation != Operation::Deletion);
    QCOMPARE(QFileInfo::exists(settingsPath()), !old.isNull());
    QCOMPARE(readFile(settingsPath()), old);
    // The new file that did not land is gone too.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), old.isNull() ? 0 : 1);
}

void TestSettingsFile::fullDiskChangesNothing_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::newRow("small value") << Operation::SmallValue;
    QTest::newRow("large value") << Operation::LargeValue;
    QTest::newRow("deletion") << Operation::Deletion;
    QTest::newRow("first write") << Operation::FirstWrite;
}

void TestSettingsFile::fullDiskChangesNothing()
{
    QFETCH(Operation, operation);
    FullFileSystem disk;
    if (!disk.isReady())
        QSKIP("mounting a small file system needs root");
    const bool firstWrite = operation == Operation::FirstWrite;
    if (!firstWrite)
        makeFile(disk.path(), "Romweaver.ini", storedSettings);
    disk.fill();
    SettingsFile settings(disk.filePath("Romweaver.ini"));

    QCOMPARE(reportsFailure(settings, operation), operation != Operation::Deletion);
    QCOMPARE(QFileInfo::exists(settings.path()), !firstWrite);
    QCOMPARE(readFile(settings.path()), firstWrite ? QByteArray() : storedSettings);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files),
             firstWrite ? QStringList() : QStringList{"Romweaver.ini"});
}

void TestSettingsFile::changeBetweenReadsIsSeen_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("rewritten, other size") << Change::Rewritten << QByteArray("Beta");
    QTest::newRow("same size, new time") << Change::SameSizeNewTime << QByteArray("Bravo");
    QTest::newRow("replaced, same size and time")
        << Change::ReplacedKeepingTime << QByteArray("Gamma");
    QTest::newRow("removed") << Change::Removed << QByteArray("a.nes");
    QTest::newRow("removed, read, created again") << Change::CreatedAgain << QByteArray("Echo");
    QTest::newRow("written through the store") << Change::StoreWrite << QByteArray("Delta");
    QTest::newRow("deleted through the store") << Change::StoreDeletion << QByteArray("a.nes");
}

void TestSettingsFile::changeBetweenReadsIsSeen()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, expected);
    SettingsFile settings = fileHolding("[Titles]\r\na.nes=Alpha\r\nb.nes=Other\r\n");
    const QDateTime written(QDate(2020, 1, 1), QTime(12, 0));
    const auto setWritten = [](const QString& path, const QDateTime& time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    QVERIFY(setWritten(settingsPath(), written));
    QCOMPARE(settings.ReadValue("Titles", "a.nes", "a.nes"), "Alpha");
    QCOMPARE(settings.ReadValue("Titles", "b.nes", "b.nes"), "Other"); // from the kept reading

    switch (change) {
    case Change::Rewritten:
        makeFile(m_dir.path(), "Romweaver.ini", "[Titles]\r\na.nes=Beta\r\n");
        break;
    case Change::SameSizeNewTime: {
        makeFile(m_dir.path(), "Romweaver.ini", "[Titles]\r\na.nes=Bravo\r\nb.nes=Other\r\n");
        QVERIFY(setWritten(settingsPath(), written.addSecs(2)));
        break;
    }
    case Change::ReplacedKeepingTime: {
        const QString other =
            makeFile(m_dir.path(), "other.ini", "[Titles]\r\na.nes=Gamma\r\nb.nes=Other\r\n");
        QVERIFY(setWritten(other, written));
#ifdef Q_OS_WIN
        QVERIFY(QFile::remove(settingsPath())); // rename does not replace there
#endif
        QVERIFY(std::rename(QFile::encodeName(other), QFile::encodeName(settingsPath())) == 0);
        break;
    }
    case Change::Removed:
        QVERIFY(QFile::remove(settingsPath()));
        break;
    case Change::CreatedAgain:
        // The reading of no file is kept too, and must give way to a new file.
        QVERIFY(QFile::remove(settingsPath()));
        QCOMPARE(settings.ReadValue("Titles", "a.nes", "a.nes"), "a.nes");
        makeFile(m_dir.path(), "Romweaver.ini", "[Titles]\r\na.nes=Echo\r\n");
        break;
    case Change::StoreWrite:
        settings.WriteValue("Titles", "a.nes", "Delta");
        break;
    case Change::StoreDeletion:
        settings.DeleteValue("Titles", "a.nes");
        break;
    }
    QCOMPARE(settings.ReadValue("Titles", "a.nes", "a.nes"), expected);
}

void TestSettingsFile::twoProcessesKeepEveryKey()
{
    // Two windows (here two processes) writing one file at once: each write
    // changes the file as the other left it.
    fileHolding(missing);
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(WRITE_SETTINGS_EXECUTABLE), {settingsPath(), "a", "300"});
    second.start(QStringLiteral(WRITE_SETTINGS_EXECUTABLE), {settingsPath(), "b", "300"});
    for (QProcess* writer : {&first, &second}) {
        QVERIFY(writer->waitForFinished(120000));
        QCOMPARE(writer->readAllStandardError(), QByteArray());
        QCOMPARE(writer->exitCode(), 0);
    }
    const SettingsFile settings(settingsPath());
    QCOMPARE(settings.ListKeys("Titles").size(), 600);
    for (const char* prefix : {"a", "b"}) {
        for (int n = 0; n < 300; ++n)
            QCOMPARE(settings.ReadValue("Titles", prefix + QByteArray::number(n), ""),
                     "v" + QByteArray::number(n));
    }
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Romweaver.ini"});
}

void TestSettingsFile::leftoverNewFilesRemoved_data()
{
    // A write killed between making its new file and the rename leaves the
    // new file behind; the next store to write removes it, and nothing else.
    QTest::addColumn<QString>("name"); // {dead} and {self} stand for process ids
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("held"); // open without sharing, as a writer holds its new file
    QTest::addColumn<bool>("removed");
    QTest::newRow("a dead process's") << "Romweaver.ini.new-{dead}-k3x9za" << 0 << false << true;
    QTest::newRow("a running process's, fresh")
        << "Romweaver.ini.new-{self}-k3x9za" << 0 << false << false;
    QTest::newRow("a running id, over a minute old")
        << "Romweaver.ini.new-{self}-k3x9za" << 120 << false << true;
    QTest::newRow("over a minute old, still written")
        << "Romweaver.ini.new-{self}-k3x9za" << 120 << true << false;
    QTest::newRow("the user's backup") << "Romweaver.ini.backup" << 120 << false << false;
    QTest::newRow("another shape") << "Romweaver.ini.new-{dead}-k3x" << 120 << false << false;
    QTest::newRow("another file's") << "Other.ini.new-{dead}-k3x9za" << 120 << false << false;
}

void TestSettingsFile::leftoverNewFilesRemoved()
{
    QFETCH(QString, name);
    QFETCH(int, ageSeconds);
    QFETCH(bool, held);
    QFETCH(bool, removed);
    // The id of a process that has ended.
    QProcess ended;
    ended.start(QStringLiteral(WRITE_SETTINGS_EXECUTABLE), {});
    QVERIFY(ended.waitForStarted(30000));
    const qint64 endedId = ended.processId();
    QVERIFY(ended.waitForFinished(30000));
    name.replace("{dead}", QString::number(endedId))
        .replace("{self}", QString::number(QCoreApplication::applicationPid()));

    SettingsFile settings = fileHolding("[Titles]\r\n");
    const QString path = makeFile(m_dir.path(), name, "[Titles]\r\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
    file.close();
    std::optional<ExclusiveFile> writer;
    if (held)
        writer.emplace(path, ExclusiveFile::Mode::ReadExisting);
    settings.WriteValue("Titles", "a.nes", "Alpha");
    writer.reset();
    QCOMPARE(QFile::exists(path), !removed);
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
