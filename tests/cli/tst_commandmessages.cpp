// romweaver-build's sentence for each kind of problem a build reports and
// each kind of error of the layers below: in its own words, lower case,
// naming files as they were given.
#include "builder/ArchiveError.h"
#include "builder/CompilationFile.h"
#include "cli/CommandMessages.h"
#include "cli/GivenPaths.h"
#include "settings/SettingsWriteError.h"

#include <QtTest>

using builder::BuildProblem;
using builder::KeptError;
using platform::FileAction;
using platform::FileError;
using platform::FileReason;
using Kind = BuildProblem::Kind;
Q_DECLARE_METATYPE(BuildProblem)
Q_DECLARE_METATYPE(KeptError)

namespace
{

KeptError fileError(FileAction action, const QString& path, const QString& cause,
                    const QString& source = {})
{
    return std::make_shared<FileError>(action, path, platform::FileFailure::Other, cause, source);
}

template <typename Error, typename... Arguments> KeptError error(Arguments&&... arguments)
{
    return std::make_shared<Error>(std::forward<Arguments>(arguments)...);
}

// Relative on the command line.
cli::GivenPaths givenPaths()
{
    cli::GivenPaths given;
    given.add(QStringLiteral("/r/a.nes"), QStringLiteral("r/a.nes"));
    given.add(QStringLiteral("/r/t.txt"), QStringLiteral("t.txt"));
    given.add(QStringLiteral("/r/g.nes"), QStringLiteral("g.nes"));
    given.add(QStringLiteral("/o.gba"), QStringLiteral("o.gba"));
    given.addRom(QStringLiteral("/r"), QStringLiteral("z.zip"), QStringLiteral("zips/z.zip"));
    given.add(QStringLiteral("/c.romweaver"), QStringLiteral("c.romweaver"));
    return given;
}

} // namespace

class TestCommandMessages : public QObject
{
    Q_OBJECT

private slots:
    void problemLines_data();
    void problemLines();
    void errorClause_data();
    void errorClause();
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
                                       "to fit its size in the GBA rom, never in the file)";
    QTest::newRow("unreadable rom") << BuildProblem{Kind::UnreadableRom, "/r/g.nes",
                                                    fileError(FileAction::Open, "/r/g.nes", "gone")}
                                    << no + "cannot open file \"g.nes\": gone";
    QTest::newRow("another build") << BuildProblem{Kind::Busy, "/p", {}}
                                   << "another build is writing in /p; try again when it has "
                                      "finished";
    QTest::newRow("failed") << BuildProblem{Kind::Failed,
                                            {},
                                            fileError(FileAction::Write, "/o.gba", "full")}
                            << "cannot write file \"o.gba\": full";
}

void TestCommandMessages::problemLines()
{
    QFETCH(BuildProblem, problem);
    QFETCH(QString, line);
    QCOMPARE(cli::notWrittenLines({problem}, givenPaths()), QStringList{line});
}

void TestCommandMessages::errorClause_data()
{
    using Archive = builder::ArchiveError;
    using Compilation = builder::CompilationFileError;
    QTest::addColumn<KeptError>("error");
    QTest::addColumn<QString>("clause");
    QTest::newRow("in use") << error<FileError>(FileAction::Open, "/r/a.nes", FileReason::InUse)
                            << "cannot open file \"r/a.nes\": it is in use by another program";
    QTest::newRow("copy") << fileError(FileAction::Copy, "/o.gba", "full", "/r/g.nes")
                          << "cannot copy \"g.nes\" to \"o.gba\": full";
    QTest::newRow("counted") << error<FileError>(FileAction::ReadRom, "/r/g.nes",
                                                 FileReason::RomEndedBefore, 16)
                             << "cannot read \"g.nes\": its rom ended before 16 more bytes";
    QTest::newRow("no reason") << error<FileError>(FileAction::CreateFolder, "/r/backup",
                                                   FileReason::None)
                               << "cannot create directory \"/r/backup\"";
    QTest::newRow("no rom") << error<Archive>("z.zip", Archive::Kind::NoRom)
                            << "zips/z.zip holds no NES rom";
    QTest::newRow("several roms") << error<Archive>("z.zip", Archive::Kind::SeveralRoms, 2)
                                  << "zips/z.zip holds 2 NES roms; Romweaver takes one rom per "
                                     "archive";
    QTest::newRow("encrypted") << error<Archive>("z.zip", Archive::Kind::Encrypted)
                               << "zips/z.zip is encrypted";
    QTest::newRow("damaged") << error<Archive>("z.zip", Archive::Kind::Damaged,
                                               Archive::Detail::MemberCrc, "g.nes")
                             << "zips/z.zip is damaged: g.nes fails its CRC check";
    QTest::newRow("wrong format") << KeptError(std::make_shared<Archive>(Archive::wrongFormat(
                                         QStringLiteral("z.zip"), QStringLiteral("zip"))))
                                  << "zips/z.zip is not a zip archive";
    QTest::newRow("too large") << error<Archive>("z.zip", Archive::Kind::TooLarge,
                                                 Archive::Detail::TooMuchUnpacked)
                               << "zips/z.zip is too large to read: Romweaver unpacks at most 22 "
                                  "MiB of an archive";
    QTest::newRow("too costly") << error<Archive>("z.zip", Archive::Kind::TooCostly,
                                                  Archive::Detail::MemoryLimit)
                                << "zips/z.zip is too costly to read: Romweaver reads an archive "
                                   "with at most 256 MiB of memory";
    QTest::newRow("unreadable") << error<Archive>("z.zip", Archive::Kind::Unreadable,
                                                  Archive::Detail::Split)
                                << "zips/z.zip cannot be read: it is one part of an archive split "
                                   "into several files";
    QTest::newRow("compilation unread")
        << error<Compilation>(Compilation::Kind::CannotRead, "/c.romweaver", "No such file")
        << "cannot read the compilation c.romweaver: No such file";
    QTest::newRow("compilation unwritten")
        << error<Compilation>("/c.romweaver", *fileError(FileAction::Create, "/c.new", "full"))
        << "cannot write the compilation c.romweaver: cannot create file \"/c.new\": full";
    QTest::newRow("no compilation")
        << error<Compilation>(Compilation::Kind::NotACompilation, "/c.romweaver",
                              "%1 is listed twice", "a.nes")
        << "c.romweaver is not a Romweaver compilation: a.nes is listed twice";
    QTest::newRow("newer compilation")
        << error<Compilation>(Compilation::Kind::NewerFormat, "/c.romweaver", "2")
        << "c.romweaver was saved by a newer Romweaver (format version 2); this one reads "
           "versions up to 1";
    QTest::newRow("settings") << error<settings::SettingsWriteError>("/p/Romweaver.ini", "full")
                              << "unable to write to /p/Romweaver.ini: full";
}

void TestCommandMessages::errorClause()
{
    QFETCH(KeptError, error);
    QFETCH(QString, clause);
    QCOMPARE(cli::errorClause(*error, givenPaths()), clause);
}

QTEST_MAIN(TestCommandMessages)
#include "tst_commandmessages.moc"
