// The wizard's sentence for each kind of problem a build reports, for each
// kind of error of the layers below, and for a settings file that could not
// be written.
#include "builder/ArchiveError.h"
#include "builder/CompilationFile.h"
#include "settings/SettingsWriteError.h"
#include "wizard/MessageTexts.h"

#include <QtTest>

using builder::BuildProblem;
using builder::BuildResult;
using builder::KeptError;
using platform::FileAction;
using platform::FileError;
using platform::FileReason;
using Kind = BuildProblem::Kind;
Q_DECLARE_METATYPE(BuildProblem)
Q_DECLARE_METATYPE(KeptError)

namespace
{

KeptError fileError(FileAction action, const QString& path, const QString& cause)
{
    return std::make_shared<FileError>(action, path, platform::FileFailure::Other, cause);
}

template <typename Error, typename... Arguments> KeptError error(Arguments&&... arguments)
{
    return std::make_shared<Error>(std::forward<Arguments>(arguments)...);
}

} // namespace

class TestMessageTexts : public QObject
{
    Q_OBJECT

private slots:
    void problemWarning_data();
    void problemWarning();
    void severalProblems();
    void fileErrorsAsBefore();
    void errorSentence_data();
    void errorSentence();
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
    QTest::newRow("unreadable rom") << BuildProblem{Kind::UnreadableRom, "/r/g.nes",
                                                    fileError(FileAction::Open, "/r/g.nes", "gone")}
                                    << no + "cannot open file \"/r/g.nes\": gone.";
    QTest::newRow("another build") << BuildProblem{Kind::Busy, "/p", {}}
                                   << "Another build is writing in /p; try again when it has "
                                      "finished.";
    QTest::newRow("failed") << BuildProblem{Kind::Failed,
                                            {},
                                            fileError(FileAction::Write, "/o.gba", "full")}
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

// The wizard says in English what the error's own description (its log
// text) says, for every action on a file and every reason.
void TestMessageTexts::fileErrorsAsBefore()
{
    for (int action = int(FileAction::Open); action < int(FileAction::Describe); ++action) {
        for (int reason = int(FileReason::System); reason <= int(FileReason::ChangedWhileRead);
             ++reason) {
            const FileError error =
                FileReason(reason) == FileReason::System
                    ? FileError(FileAction(action), "/r/a.nes", platform::FileFailure::Other,
                                "gone", "/r/b.nes")
                    : FileError(FileAction(action), "/r/a.nes", FileReason(reason), 16);
            QCOMPARE(wizard::errorSentence(error), error.text());
        }
    }
}

void TestMessageTexts::errorSentence_data()
{
    using Archive = builder::ArchiveError;
    using Compilation = builder::CompilationFileError;
    QTest::addColumn<KeptError>("error");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("no rom") << error<Archive>("a.zip", Archive::Kind::NoRom)
                            << "a.zip holds no NES rom";
    QTest::newRow("several roms") << error<Archive>("a.zip", Archive::Kind::SeveralRoms, 2)
                                  << "a.zip holds 2 NES roms; Romweaver takes one rom per archive";
    QTest::newRow("encrypted") << error<Archive>("a.7z", Archive::Kind::Encrypted)
                               << "a.7z is encrypted";
    QTest::newRow("damaged") << error<Archive>("a.gz", Archive::Kind::Damaged,
                                               Archive::Detail::Truncated)
                             << "a.gz is damaged: it is truncated";
    QTest::newRow("wrong format") << KeptError(std::make_shared<Archive>(Archive::wrongFormat(
                                         QStringLiteral("a.zip"), QStringLiteral("zip"))))
                                  << "a.zip is not a zip archive";
    QTest::newRow("too large") << error<Archive>("a.zip", Archive::Kind::TooLarge,
                                                 Archive::Detail::TooManyMembers)
                               << "a.zip is too large to read: Romweaver reads at most 10000 "
                                  "members of an archive";
    QTest::newRow("too costly") << error<Archive>("a.zip", Archive::Kind::TooCostly,
                                                  Archive::Detail::ProcessorTimeLimit)
                                << "a.zip is too costly to read: Romweaver spends at most 2 "
                                   "seconds of processor time on an archive";
    QTest::newRow("unreadable") << error<Archive>("a.zip", Archive::Kind::Unreadable,
                                                  Archive::Detail::MemberMethod, "b.nes", "PPMd")
                                << "a.zip cannot be read: b.nes is compressed with PPMd, which "
                                   "Romweaver cannot unpack";
    QTest::newRow("compilation unread")
        << error<Compilation>(Compilation::Kind::CannotRead, "/c.romweaver", "No such file")
        << "Cannot read the compilation /c.romweaver: No such file";
    QTest::newRow("compilation unwritten")
        << error<Compilation>("/c.romweaver", *fileError(FileAction::Create, "/c.new", "full"))
        << "Cannot write the compilation /c.romweaver: Cannot create file \"/c.new\": full";
    QTest::newRow("no compilation")
        << error<Compilation>(Compilation::Kind::NotACompilation, "/c.romweaver",
                              "%1 is listed twice", "a.nes")
        << "/c.romweaver is not a Romweaver compilation: a.nes is listed twice";
    QTest::newRow("newer compilation")
        << error<Compilation>(Compilation::Kind::NewerFormat, "/c.romweaver", "2")
        << "/c.romweaver was saved by a newer Romweaver (format version 2); this one reads "
           "versions up to 1";
}

void TestMessageTexts::errorSentence()
{
    QFETCH(KeptError, error);
    QFETCH(QString, sentence);
    QCOMPARE(wizard::errorSentence(*error), sentence);
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
