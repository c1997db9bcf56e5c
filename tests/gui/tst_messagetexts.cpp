// The wizard's sentence for each kind of problem a build reports, and for a
// settings file that could not be written.
#include "settings/SettingsWriteError.h"
#include "wizard/MessageTexts.h"

#include <QtTest>

using builder::BuildProblem;
using builder::BuildResult;
using Kind = BuildProblem::Kind;
Q_DECLARE_METATYPE(BuildProblem)

class TestMessageTexts : public QObject
{
    Q_OBJECT

private slots:
    void problemWarning_data();
    void problemWarning();
    void severalProblems();
    void settingsWriteKeepsItsReason();
};

void TestMessageTexts::problemWarning_data()
{
    QTest::addColumn<BuildProblem>("problem");
    QTest::addColumn<QString>("warning");
    const QString no = QStringLiteral("The GBA rom was not written: ");
    QTest::newRow("menu line break")
        << BuildProblem{Kind::MenuLineBreak, "a\\nb.nes", {}}
        << no + "the menu line of a\\nb.nes holds a line break; a menu line has to stay on one "
                "line, so rename the file or give it another title.";
    QTest::newRow("output is an input") << BuildProblem{Kind::OutputIsInput, "/r/a.nes", {}}
                                        << no + "/r/a.nes is one of the files it is made from.";
    QTest::newRow("output is the settings")
        << BuildProblem{Kind::OutputIsSettings, "/p/Romweaver.ini", {}}
        << no + "/p/Romweaver.ini is the file Romweaver keeps its settings in.";
    QTest::newRow("output is the log") << BuildProblem{Kind::OutputIsLog, "/p/Romweaver.log", {}}
                                       << no + "/p/Romweaver.log is Romweaver's build log.";
    QTest::newRow("not a file")
        << BuildProblem{Kind::NotAFile, "/r/d.nes", {}}
        << no + "/r/d.nes is not a regular file (a folder, a device, a pipe or a socket).";
    QTest::newRow("not a rom") << BuildProblem{Kind::NonRom, "/r/t.txt", {}}
                               << no + "/r/t.txt is not an iNES rom.";
    QTest::newRow("unreadable rom")
        << BuildProblem{Kind::UnreadableRom, "/r/g.nes", "Cannot open file \"/r/g.nes\": gone"}
        << no + "cannot open file \"/r/g.nes\": gone.";
    QTest::newRow("another build") << BuildProblem{Kind::Busy, "/p", {}}
                                   << "Another build is writing in /p; try again when it has "
                                      "finished.";
    QTest::newRow("failed") << BuildProblem{Kind::Failed, {}, "Cannot write file \"/o.gba\": full"}
                            << no + "cannot write file \"/o.gba\": full. /o.gba is unchanged.";
}

void TestMessageTexts::problemWarning()
{
    QFETCH(BuildProblem, problem);
    QFETCH(QString, warning);
    BuildResult result;
    result.outcome =
        problem.kind == Kind::Failed ? BuildResult::Outcome::Failed : BuildResult::Outcome::Refused;
    result.problems = {problem};
    result.outputExisted = true;
    QCOMPARE(wizard::notWrittenWarning(result, QStringLiteral("/o.gba")), warning);
}

void TestMessageTexts::severalProblems()
{
    BuildResult result;
    result.outcome = BuildResult::Outcome::Refused;
    for (int i = 0; i < 12; ++i)
        result.problems << BuildProblem{Kind::MenuLineBreak, QString::number(i), {}};
    const QStringList lines = wizard::notWrittenWarning(result, {}).split('\n');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.at(1).left(19), QStringLiteral("The menu line of 0 "));
    QCOMPARE(lines.last(), QStringLiteral("and 2 more."));
}

void TestMessageTexts::settingsWriteKeepsItsReason()
{
    const settings::SettingsWriteError error(QStringLiteral("/x/Romweaver.ini"),
                                             QStringLiteral("Permission denied"));
    const wizard::ErrorMessage message = wizard::uncaughtErrorMessage(error);
    QCOMPARE(message.text, QStringLiteral("Unable to write to /x/Romweaver.ini"));
    QCOMPARE(message.detail, QStringLiteral("Permission denied"));
}

QTEST_MAIN(TestMessageTexts)
#include "tst_messagetexts.moc"
