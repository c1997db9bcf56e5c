// The compilation without windows: edits to menu lines and the build request,
// and compilation files written and read back.

#include "builder/Compilation.h"
#include "builder/CompilationFile.h"
#include "builder/TitleTidying.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace builder;

namespace
{

// An edit as a word and its argument: "add x", "remove x", "sort", "unsort",
// "number", "arrange", "flags <position> <sum>", "sprite <position> <value>",
// "reset <position>", "title <position> <text>".
void apply(Compilation& compilation, const QString& edit)
{
    const QStringList words = edit.split(QLatin1Char(' '));
    const QString& verb = words.at(0);
    const auto position = [&words] { return words.at(1).toInt(); };
    if (verb == QLatin1String("add"))
        compilation.addRom(words.at(1));
    else if (verb == QLatin1String("remove"))
        compilation.removeRom(words.at(1));
    else if (verb == QLatin1String("sort"))
        compilation.setSorted(true);
    else if (verb == QLatin1String("unsort"))
        compilation.setSorted(false);
    else if (verb == QLatin1String("number"))
        compilation.setNumbered(true);
    else if (verb == QLatin1String("arrange"))
        compilation.arrangeMenu();
    else if (verb == QLatin1String("flags"))
        compilation.applyOptionFlags(position(), words.at(2).toInt());
    else if (verb == QLatin1String("sprite"))
        compilation.applySpriteValue(position(), words.value(2));
    else if (verb == QLatin1String("reset"))
        compilation.removeOptions(position());
    else if (verb == QLatin1String("title"))
        compilation.setMenuTitle(position(), words.mid(2).join(QLatin1Char(' ')));
    else
        qFatal("unknown edit %s", qPrintable(edit));
}

Compilation withTitles(const QStringList& edits)
{
    Compilation compilation;
    compilation.setRomsDirectory(QStringLiteral("/roms"));
    for (const QString& edit : edits) {
        apply(compilation, edit);
        // A rom's title is its file name until one is given.
        compilation.fillMissingTitles([](const QString& name) { return name; });
    }
    return compilation;
}

// A compilation file of one rom, a.nes, with further keys of its entry and of
// the output (JSON text, or nothing).
QByteArray compilationText(const QByteArray& rom, const QByteArray& output = {})
{
    return R"({"format": "romweaver-compilation", "version": 1, "romFolder": ".", "roms": [)"
           R"({"file": "a.nes")" +
           (rom.isEmpty() ? QByteArray() : ", " + rom) + R"(}], "output": {"folder": ".")" +
           (output.isEmpty() ? QByteArray() : ", " + output) + "}}";
}

} // namespace

class TestCompilation : public QObject
{
    Q_OBJECT

private slots:
    void edits_data();
    void edits();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void hostileFiles_data();
    void hostileFiles();
    void outputNameSavedAsAFileName_data();
    void outputNameSavedAsAFileName();
    void tidyTitles_data();
    void tidyTitles();
};

void TestCompilation::edits_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("menuLines");
    QTest::addColumn<QStringList>("romFiles"); // of the build request, in menu order

    QTest::newRow("added in order") << QStringList{"add c", "add a", "add b"}
                                    << QStringList{"c", "a", "b"} << QStringList{"c", "a", "b"};
    QTest::newRow("a rom added twice is there once")
        << QStringList{"add a", "add b", "add a"} << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("sorted, numbered")
        << QStringList{"add c", "add a", "add b", "sort", "number"}
        << QStringList{"1. a", "2. b", "3. c"} << QStringList{"a", "b", "c"};
    QTest::newRow("unsorting keeps the order; arranging goes back to the selection's")
        << QStringList{"add c", "add a", "sort", "unsort"} << QStringList{"a", "c"}
        << QStringList{"a", "c"};
    QTest::newRow("arranged anew") << QStringList{"add c", "add a", "sort", "unsort", "arrange"}
                                   << QStringList{"c", "a"} << QStringList{"c", "a"};
    QTest::newRow("a changed title keeps its place while sorted")
        << QStringList{"add a", "add b", "sort", "title 0 zebra"} << QStringList{"zebra", "b"}
        << QStringList{"a", "b"};
    QTest::newRow("flags, then sprite values replace the third field")
        << QStringList{"add a", "flags 0 5", "sprite 0 12", "sprite 0 40"} << QStringList{"a|5|40"}
        << QStringList{"a"};
    QTest::newRow("sprite without flags, then the third field")
        << QStringList{"add a", "sprite 0 12", "sprite 0 40", "sprite 0 7"} << QStringList{"a|12|7"}
        << QStringList{"a"};
    QTest::newRow("flags drop an earlier sprite value")
        << QStringList{"add a", "flags 0 5", "sprite 0 12", "flags 0 10"} << QStringList{"a|10"}
        << QStringList{"a"};
    QTest::newRow("an empty sprite value")
        << QStringList{"add a", "flags 0 5", "sprite 0"} << QStringList{"a|5|"} << QStringList{"a"};
    QTest::newRow("a zero sum changes nothing") << QStringList{"add a", "sprite 0 3", "flags 0 0"}
                                                << QStringList{"a|3"} << QStringList{"a"};
    QTest::newRow("options follow their rom through sorting and numbering")
        << QStringList{"add b", "add a", "flags 0 1", "sort", "number"}
        << QStringList{"1. a", "2. b|1"} << QStringList{"a", "b"};
    QTest::newRow("options stay when other roms come and go")
        << QStringList{"add a", "add b", "flags 1 2", "remove a", "add c", "arrange"}
        << QStringList{"b|2", "c"} << QStringList{"b", "c"};
    QTest::newRow("a rom taken out loses its options")
        << QStringList{"add a", "flags 0 2", "remove a", "add a"} << QStringList{"a"}
        << QStringList{"a"};
    QTest::newRow("removing options gives the numbered preview line")
        << QStringList{"add a", "number", "flags 0 3", "reset 0"} << QStringList{"1. a"}
        << QStringList{"a"};
    QTest::newRow("a title holding two bars is never cut")
        << QStringList{"add a", "title 0 x|y|z", "sprite 0 9"} << QStringList{"x|y|z|9"}
        << QStringList{"a"};
}

void TestCompilation::edits()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, menuLines);
    QFETCH(QStringList, romFiles);

    const Compilation compilation = withTitles(edits);
    QCOMPARE(compilation.menuLines(), menuLines);
    const BuildRequest request =
        compilation.buildRequest(platform::ProgramFiles(), QStringLiteral("/out/x.gba"));
    QCOMPARE(request.romFileNames, romFiles);
    QCOMPARE(request.menuLines, menuLines);
    QCOMPARE(request.selectedRomCount, int(romFiles.size()));
    QCOMPARE(request.romsDirectory, QStringLiteral("/roms"));
}

void TestCompilation::fileRoundTrip_data()
{
    QTest::addColumn<QString>("romFolder");    // below the test folder; {abs} outside it
    QTest::addColumn<QString>("outputFolder"); // likewise
    QTest::addColumn<QString>("storedRomFolder");

    QTest::newRow("roms beside the file") << "."
                                          << "."
                                          << ".";
    QTest::newRow("roms and output below it") << "roms"
                                              << "out/gba"
                                              << "roms";
    QTest::newRow("roms elsewhere: absolute") << "{abs}"
                                              << "{abs}"
                                              << "{abs}";
}

void TestCompilation::fileRoundTrip()
{
    QFETCH(QString, romFolder);
    QFETCH(QString, outputFolder);
    QFETCH(QString, storedRomFolder);

    QTemporaryDir top;
    QTemporaryDir elsewhere;
    const auto place = [&](const QString& folder) {
        const QString path = folder == QLatin1String("{abs}")
                                 ? elsewhere.path()
                                 : QDir::cleanPath(QDir(top.path()).filePath(folder));
        QDir().mkpath(path);
        return platform::nativeDirectory(path);
    };
    Compilation compilation;
    compilation.setRomsDirectory(place(romFolder));
    for (const char* name : {"b.nes", "a.nes"})
        compilation.addRom(QString::fromLatin1(name));
    compilation.fillMissingTitles([](const QString& name) { return name.toUpper(); });
    compilation.setSorted(true);
    compilation.setNumbered(true);
    compilation.applyOptionFlags(1, 6);
    compilation.applySpriteValue(1, QStringLiteral(""));
    compilation.outputDirectory = place(outputFolder);
    compilation.outputName = QStringLiteral("nes.gba");
    const QByteArray rom = testfiles::makeRom(1, 0, 16384, 3);
    testfiles::makeFile(compilation.romsDirectory(), QStringLiteral("a.nes"), rom);

    const QString path = QDir(top.path()).filePath(QStringLiteral("my.romweaver"));
    writeCompilationFile(path, compilation);
    const QByteArray text = testfiles::readFile(path);
    const QString expectedFolder = storedRomFolder == QLatin1String("{abs}")
                                       ? QDir::fromNativeSeparators(elsewhere.path())
                                       : storedRomFolder;
    QVERIFY2(text.contains("\"romFolder\": \"" + expectedFolder.toUtf8() + "\""), text.constData());

    const Compilation read = readCompilationFile(path);
    QCOMPARE(read.romsDirectory(), compilation.romsDirectory());
    QCOMPARE(read.menuLines(), compilation.menuLines());
    QCOMPARE(read.menuFileNames(), compilation.menuFileNames());
    QCOMPARE(read.outputPath(), compilation.outputPath());
    QVERIFY(read.sorted() && read.numbered());
    // The rom that was there carries what it held; the missing one nothing.
    QCOMPARE(read.roms().at(read.indexOf(QStringLiteral("a.nes"))).saved,
             fingerprintOf(platform::joinPath(compilation.romsDirectory(), "a.nes")));
    QVERIFY(!read.roms().at(read.indexOf(QStringLiteral("b.nes"))).saved);
}

void TestCompilation::hostileFiles_data()
{
    // Every byte of a compilation file may be a stranger's: it opens, or it is
    // refused as a whole, saying why.
    QTest::addColumn<QString>("special"); // "", or what the path names: fifo, folder, missing
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("kind");        // CompilationFileError::Kind; -1: it opens
    QTest::addColumn<QString>("message"); // how error.text() begins; {path}: the file's

    using Kind = CompilationFileError::Kind;
    const int opens = -1;
    const int damaged = int(Kind::NotACompilation);
    const QString notOne = QStringLiteral("{path} is not a Romweaver compilation: ");
    const auto row = [](const char* name) -> QTestData& {
        return QTest::newRow(name) << QString();
    };

    row("not JSON") << QByteArray("[Titles]\r\na.nes=A\r\n") << damaged << notOne;
    row("JSON of something else") << QByteArray(R"({"roms": []})") << damaged
                                  << notOne + "it does not say";
    row("a newer format") << QByteArray(R"({"format": "romweaver-compilation", "version": 2})")
                          << int(Kind::NewerFormat)
                          << "{path} was saved by a newer Romweaver (format version 2); this one "
                             "reads versions up to 1";
    row("a rom named by a path")
        << QByteArray(R"({"format": "romweaver-compilation", "version": 1, "romFolder": ".",)"
                      R"( "roms": [{"file": "../x.nes"}]})")
        << damaged << notOne + "a rom has no file name of its own";

    // The output stays in its folder.
    const QString outputPath = notOne + "the name of its GBA rom is a path, not a file name";
    row("output up a folder") << compilationText({}, R"("name": "../x.gba")") << damaged
                              << outputPath;
    row("output at the root") << compilationText({}, R"("name": "/etc/x.gba")") << damaged
                              << outputPath;
    row("output with a backslash")
        << compilationText({}, R"("name": "..\\x.gba")") << damaged << outputPath;
    row("output of blanks") << compilationText({}, R"("name": "   ")") << damaged
                            << notOne + "the name of its GBA rom is blank";
    const QString outputControl =
        notOne + "the name of its GBA rom holds a control character or a line break";
    row("output with a NUL") << compilationText({}, R"("name": "x\u0000.gba")") << damaged
                             << outputControl;
    row("output with a control character")
        << compilationText({}, R"("name": "x\u001b.gba")") << damaged << outputControl;

    // Titles and menu fields as typed ones.
    row("title with a control character")
        << compilationText(R"("title": "A\u0007")") << damaged
        << notOne + "the title of a.nes holds a control character";
    row("title with a line separator") << compilationText(R"("title": "A\u2028B")") << damaged
                                       << notOne + "the title of a.nes holds a line break";
    row("title with a right-to-left override")
        << compilationText(R"("title": "A\u202eB")") << damaged
        << notOne + "the title of a.nes holds a control character";
    row("title with a bar") << compilationText(R"("title": "A|B")") << opens << QString();
    row("menu field with a bar") << compilationText(R"("menuFields": ["5|6"])") << damaged
                                 << notOne + "a menu field of a.nes holds a \"|\"";

    // Numbers in range.
    const QString size = notOne + "the size of a.nes is not a possible file size";
    row("size 1e300") << compilationText(R"("size": 1e300, "crc32": "0")") << damaged << size;
    row("size -1") << compilationText(R"("size": -1, "crc32": "0")") << damaged << size;
    row("size 1.5") << compilationText(R"("size": 1.5, "crc32": "0")") << damaged << size;
    row("crc32 of 33 bits") << compilationText(R"("size": 1, "crc32": "1ffffffff")") << damaged
                            << notOne + "the CRC-32 of a.nes is not 1 to 8 hexadecimal digits";
    row("version 1.5") << QByteArray(R"({"format": "romweaver-compilation", "version": 1.5})")
                       << damaged << notOne + "its format version is not a whole number";

    // What the path names.
    const QString cannotRead = QStringLiteral("Cannot read the compilation {path}: ");
#ifndef Q_OS_WIN
    QTest::newRow("a pipe") << "fifo" << QByteArray() << int(Kind::CannotRead)
                            << cannotRead + "it is a pipe";
#endif
    QTest::newRow("a folder") << "folder" << QByteArray() << int(Kind::CannotRead)
                              << cannotRead + "it is a folder";
#ifdef Q_OS_WIN
    const QString missing = cannotRead; // the system's own words follow
#else
    const QString missing = cannotRead + "No such file or directory";
#endif
    QTest::newRow("a missing file")
        << "missing" << QByteArray() << int(Kind::CannotRead) << missing;

    // What a reading may cost is bounded: the file, the roms, each menu line.
    const auto roms = [](int count) {
        QByteArray many = R"({"format": "romweaver-compilation", "version": 1, "romFolder": ".", )"
                          R"("roms": [)";
        for (int i = 0; i < count; ++i)
            many += (i ? "," : "") + QByteArray(R"({"file": "Some rom of mine )") +
                    QByteArray::number(i) + R"(.nes", "size": 40976, "crc32": "01c0ffee"})";
        return many + "]}";
    };
    row("10,000 roms") << roms(10000) << opens << QString();
    row("10,001 roms") << roms(10001) << damaged << notOne + "it lists more than 10000 roms";
    row("9 MiB") << QByteArray(9 << 20, ' ') << damaged << notOne + "it is far too large";
    row("a title of 32768 characters")
        << compilationText(R"("title": ")" + QByteArray(32768, 'A') + '"') << damaged
        << notOne + "the menu line of a.nes is longer than 32767 characters";
    row("17 menu fields") << compilationText(R"("menuFields": [)" +
                                             QByteArrayList(17, "\"1\"").join(',') + "]")
                          << damaged << notOne + "the menu line of a.nes has more than 16 fields";
}

void TestCompilation::hostileFiles()
{
    QFETCH(QString, special);
    QFETCH(QByteArray, contents);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("x.romweaver"));
    if (special.isEmpty())
        testfiles::makeFile(folder.path(), QStringLiteral("x.romweaver"), contents);
    else if (special == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("x.romweaver")));
#ifndef Q_OS_WIN
    else if (special == QLatin1String("fifo")) // read, it would wait for a writer for ever
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif

    try {
        const Compilation read = readCompilationFile(path);
        QVERIFY2(kind < 0, "opened");
        QVERIFY(read.romCount() >= 1);
        // Each rom is found by its name in the compilation read.
        QCOMPARE(read.indexOf(read.roms().constLast().fileName), read.romCount() - 1);
    } catch (const CompilationFileError& error) {
        QVERIFY2(error.text().startsWith(QString(message).replace("{path}", path)),
                 qPrintable(error.text()));
        QCOMPARE(int(error.kind()), kind);
    }
}

void TestCompilation::outputNameSavedAsAFileName_data()
{
    QTest::addColumn<QString>("name");       // as typed on the write page
    QTest::addColumn<QString>("folder");     // read back, below the output folder
    QTest::addColumn<QString>("storedName"); // read back

    QTest::newRow("below") << "sub/nes.gba"
                           << "sub"
                           << "nes.gba";
    QTest::newRow("blanks: none") << "   "
                                  << "."
                                  << "";
}

void TestCompilation::outputNameSavedAsAFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, storedName);
    QTemporaryDir top;
    Compilation compilation;
    compilation.setRomsDirectory(platform::nativeDirectory(top.path()));
    compilation.addRom(QStringLiteral("a.nes"));
    compilation.outputDirectory = platform::nativeDirectory(top.path());
    compilation.outputName = name;
    const QString path = QDir(top.path()).filePath(QStringLiteral("c.romweaver"));
    writeCompilationFile(path, compilation);

    const Compilation read = readCompilationFile(path);
    QCOMPARE(read.outputName, storedName);
    QCOMPARE(read.outputDirectory, platform::nativeDirectory(QDir(top.path()).filePath(folder)));
}

void TestCompilation::tidyTitles_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("extension") << "Blaster Quest.nes"
                               << "Blaster Quest";
    QTest::newRow("region and revision") << "Cave Runner (Europe) (Rev 1).NES"
                                         << "Cave Runner";
    QTest::newRow("dump tags, in an archive") << "Dragon Tale (USA) [!].zip"
                                              << "Dragon Tale";
    QTest::newRow("gzipped rom") << "Moon Patrol 2 [b1].nes.gz"
                                 << "Moon Patrol 2";
    QTest::newRow("7-Zip, tag in the middle") << "Puzzle (J) Tower.7z"
                                              << "Puzzle Tower";
    QTest::newRow("nothing but tags keeps them") << "(Proto) [a].nes"
                                                 << "(Proto) [a]";
    QTest::newRow("other extensions stay") << "notes.txt"
                                           << "notes.txt";
}

void TestCompilation::tidyTitles()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    QCOMPARE(tidyTitle(fileName), title);
}

QTEST_MAIN(TestCompilation)
#include "tst_compilation.moc"
