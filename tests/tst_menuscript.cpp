#include "builder/MenuScript.h"
#include "platform/ExclusiveFile.h"
#include "platform/FileError.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform;
using namespace builder;

class TestMenuScript : public QObject
{
    Q_OBJECT

private slots:
    void editLine_data();
    void editLine();
    void resetGivesThePreviewLine();
    void writeScript_data();
    void writeScript();
    void writeScriptReplacesEarlierFile();
    void writeScriptFailsWithoutDirectory();
    void writeScriptFailsWhileFileInUse();
};

namespace
{

enum class Edit { Options, Sprite };

} // namespace

Q_DECLARE_METATYPE(Edit)

void TestMenuScript::editLine_data()
{
    // Each row applies one edit to a line whose page-2 preview line is given.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("sprite");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QString& line, const QString& preview, Edit edit,
                        qint32 flags, const QString& sprite, const QString& expected) {
        QTest::newRow(name) << line << preview << edit << flags << sprite << expected;
    };
    const auto options = [&](const char* name, const QString& line, qint32 flags,
                             const QString& expected) {
        row(name, line, "Alpha", Edit::Options, flags, QString(), expected);
    };
    const auto sprite = [&](const char* name, const QString& line, const QString& value,
                            const QString& expected) {
        row(name, line, "Alpha", Edit::Sprite, 0, value, expected);
    };
    options("options 0 and 2", "Alpha", 5, "Alpha|5");
    sprite("sprite after flags", "Alpha|5", "12", "Alpha|5|12");
    sprite("sprite replaces sprite", "Alpha|5|12", "40", "Alpha|5|40");
    sprite("sprite without flags", "Alpha", "12", "Alpha|12");
    sprite("second sprite without flags", "Alpha|12", "40", "Alpha|12|40");
    sprite("third sprite without flags", "Alpha|12|40", "7", "Alpha|12|7");
    sprite("sprite replaces all after the second bar", "Alpha|5|12|9", "3", "Alpha|5|3");
    options("options drop the sprite", "Alpha|5|12", 10, "Alpha|10");
    options("options replace a lone sprite", "Alpha|12", 2, "Alpha|2");
    options("zero sum leaves the line", "Alpha|5|12", 0, "Alpha|5|12");
    options("highest bit", "Alpha", qint32(0x80000000u), "Alpha|-2147483648");
    sprite("empty sprite", "Alpha", "", "Alpha|");
    sprite("empty sprite after flags", "Alpha|5|12", "", "Alpha|5|");
    sprite("sprite taken literally", "Alpha|5", " $0A ", "Alpha|5| $0A ");
    // A bar in the title counts as a field separator.
    row("bar in title: options", "A|B", "A|B", Edit::Options, 3, QString(), "A|B|3");
    row("bar in title: sprite", "A|B", "A|B", Edit::Sprite, 0, "7", "A|B|7");
    row("bar in title: second sprite", "A|B|7", "A|B", Edit::Sprite, 0, "8", "A|B|8");
    row("numbered preview", "01. Alpha|5|12", "01. Alpha", Edit::Options, 1, QString(),
        "01. Alpha|1");
}

void TestMenuScript::editLine()
{
    QFETCH(QString, line);
    QFETCH(QString, preview);
    QFETCH(Edit, edit);
    QFETCH(qint32, flags);
    QFETCH(QString, sprite);
    QFETCH(QString, expected);

    const QString result = edit == Edit::Options ? ApplyOptionFlags(line, preview, flags)
                                                 : ApplySpriteValue(line, sprite);
    QCOMPARE(result, expected);
}

void TestMenuScript::resetGivesThePreviewLine()
{
    QCOMPARE(ResetMenuLine("007. Alpha"), "007. Alpha");
    QCOMPARE(ResetMenuLine("A|B"), "A|B");
}

void TestMenuScript::writeScript_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no lines") << QStringList{} << QByteArray();
    QTest::newRow("three lines") << QStringList{"1. Alpha", "2. Beta|5|12", ""}
                                 << QByteArray("1. Alpha\r\n2. Beta|5|12\r\n\r\n");
    QTest::newRow("local 8-bit text")
        << QStringList{QString::fromUtf8("Café")} << QString::fromUtf8("Café\r\n").toLocal8Bit();
}

void TestMenuScript::writeScript()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString programDirectory =
        QDir::toNativeSeparators(dir.path()) + platform::pathSeparator();
    WriteMenuScript(platform::ProgramFiles(programDirectory).menuScript(), lines);
    QCOMPARE(testfiles::readFile(programDirectory + "menu.out"), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"menu.out"});
}

void TestMenuScript::writeScriptReplacesEarlierFile()
{
    QTemporaryDir dir;
    const QString path = testfiles::makeFile(dir.path(), "menu.out", QByteArray(5000, 'x'));
    WriteMenuScript(path, {"Alpha"});
    QCOMPARE(testfiles::readFile(path), "Alpha\r\n");
}

void TestMenuScript::writeScriptFailsWithoutDirectory()
{
    QTemporaryDir dir;
    const QString missing = platform::joinPath(dir.path(), "missing") + platform::pathSeparator();
    QVERIFY_THROWS_EXCEPTION(FileError, WriteMenuScript(missing + "menu.out", {"Alpha"}));
    QVERIFY(!QDir(missing).exists());
}

void TestMenuScript::writeScriptFailsWhileFileInUse()
{
    QTemporaryDir dir;
    const QString path = testfiles::makeFile(dir.path(), "menu.out", "held\r\n");
    {
        const ExclusiveFile holder(path, ExclusiveFile::Mode::ReadExisting);
        QVERIFY_THROWS_EXCEPTION(FileError, WriteMenuScript(path, {"A"}));
    } // released: on Windows a held file cannot be read meanwhile
    QCOMPARE(testfiles::readFile(path), "held\r\n");
}

QTEST_GUILESS_MAIN(TestMenuScript)
#include "tst_menuscript.moc"
