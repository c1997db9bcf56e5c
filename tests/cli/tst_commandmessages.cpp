// romweaver-build's sentence for each kind of problem a build reports: in its
// own words, lower case, naming files as they were given.
#include "cli/CommandMessages.h"
#include "cli/GivenPaths.h"

#include <QtTest>

using builder::BuildProblem;
using Kind = BuildProblem::Kind;
Q_DECLARE_METATYPE(BuildProblem)

class TestCommandMessages : public QObject
{
    Q_OBJECT

private slots:
    void problemLines_data();
    void problemLines();
};

void TestCommandMessages::problemLines_data()
{
    QTest::addColumn<BuildProblem>("problem");
    QTest::addColumn<QString>("line");
    const QString no = QStringLiteral("the GBA rom was not written: ");
    QTest::newRow("menu line break")
        << BuildProblem{Kind::MenuLineBreak, "a\\nb.nes", {}}
        << no + "the menu line of a\\nb.nes holds a line break; a menu line has to stay on one "
                "line, so rename the file or give it another title";
    QTest::newRow("output is an input") << BuildProblem{Kind::OutputIsInput, "/r/a.nes", {}}
                                        << no + "r/a.nes is one of the files it is made from";
    QTest::newRow("output is the settings")
        << BuildProblem{Kind::OutputIsSettings, "/p/Romweaver.ini", {}}
        << no + "/p/Romweaver.ini is the file Romweaver keeps its settings in";
    QTest::newRow("output is the log") << BuildProblem{Kind::OutputIsLog, "/p/Romweaver.log", {}}
                                       << no + "/p/Romweaver.log is Romweaver's build log";
    QTest::newRow("not a file")
        << BuildProblem{Kind::NotAFile, "/r/d.nes", {}}
        << no + "/r/d.nes is not a regular file (a folder, a device, a pipe or a socket)";
    QTest::newRow("not a rom") << BuildProblem{Kind::NonRom, "/r/t.txt", {}}
                               << no + "t.txt is not an iNES rom; give --allow-non-rom to write "
                                       "it all the same (its bytes 4 and 5 may then be changed "
                                       "to fit its size)";
    QTest::newRow("unreadable rom")
        << BuildProblem{Kind::UnreadableRom, "/r/g.nes", "Cannot open file \"/r/g.nes\": gone."}
        << no + "cannot open file \"g.nes\": gone";
    QTest::newRow("another build") << BuildProblem{Kind::Busy, "/p", {}}
                                   << "another build is writing in /p; try again when it has "
                                      "finished";
    QTest::newRow("failed") << BuildProblem{Kind::Failed, {}, "Cannot write file \"/o.gba\": full"}
                            << "cannot write file \"o.gba\": full";
}

void TestCommandMessages::problemLines()
{
    QFETCH(BuildProblem, problem);
    QFETCH(QString, line);
    cli::GivenPaths given; // relative on the command line
    given.add(QStringLiteral("/r/a.nes"), QStringLiteral("r/a.nes"));
    given.add(QStringLiteral("/r/t.txt"), QStringLiteral("t.txt"));
    given.add(QStringLiteral("/r/g.nes"), QStringLiteral("g.nes"));
    given.add(QStringLiteral("/o.gba"), QStringLiteral("o.gba"));
    QCOMPARE(cli::notWrittenLines({problem}, given), QStringList{line});
}

QTEST_MAIN(TestCommandMessages)
#include "tst_commandmessages.moc"
