#include "cli/CommandMessages.h"

#include "builder/ErrorDescription.h"
#include "builder/ImageSurvey.h"
#include "cli/GivenPaths.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>

namespace cli
{

QString statusBesideBar(builder::BuildStatus status, const QString& romFileName)
{
    using builder::BuildStatus;
    switch (status) {
    case BuildStatus::AddingBaseRom:
        return QCoreApplication::translate("cli::CommandMessages", "adding base rom tessel.gba...");
    case BuildStatus::AddingMenuScript:
        return QCoreApplication::translate("cli::CommandMessages", "adding menu script...");
    case BuildStatus::AddingRom:
        return QCoreApplication::translate("cli::CommandMessages", "adding nes rom %1...")
            .arg(romFileName);
    default:
        return builder::statusText(status, romFileName);
    }
}

QString otherFileRefusal(const QString& output)
{
    return QCoreApplication::translate(
               "cli::CommandMessages",
               "%1 already exists and is not a GBA rom made with %2, so the GBA rom was not "
               "written; give --force to replace it")
        .arg(output, platform::ProgramFiles::BaseRomName);
}

QString nonRomRefusal(const QString& rom)
{
    return QCoreApplication::translate(
               "cli::CommandMessages",
               "%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 "
               "and 5 may then be changed to fit its size)")
        .arg(rom);
}

QString nonRomWarning(const QString& rom)
{
    return QCoreApplication::translate(
               "cli::CommandMessages",
               "warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size")
        .arg(rom);
}

QString foreignClause(const QString& text)
{
    return builder::asClause(text);
}

namespace
{

QString problemClause(const builder::BuildProblem& problem, const GivenPaths& given)
{
    using Kind = builder::BuildProblem::Kind;
    const QString path = given.path(problem.path);
    switch (problem.kind) {
    case Kind::MenuLineBreak:
        return QCoreApplication::translate(
                   "cli::CommandMessages",
                   "the menu line of %1 holds a line break; a menu line has to stay on one line, "
                   "so rename the file or give it another title")
            .arg(problem.path);
    case Kind::OutputIsInput:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "%1 is one of the files it is made from")
            .arg(path);
    case Kind::OutputIsSettings:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "%1 is the file Romweaver keeps its settings in")
            .arg(path);
    case Kind::OutputIsLog:
        return QCoreApplication::translate("cli::CommandMessages", "%1 is Romweaver's build log")
            .arg(path);
    case Kind::NotAFile:
        return QCoreApplication::translate(
                   "cli::CommandMessages",
                   "%1 is not a regular file (a folder, a device, a pipe or a socket)")
            .arg(path);
    case Kind::NonRom:
        return nonRomRefusal(path);
    case Kind::Busy:
        return QCoreApplication::translate(
                   "cli::CommandMessages",
                   "another build is writing in %1; try again when it has finished")
            .arg(path);
    case Kind::UnreadableRom:
    case Kind::Failed:
        break;
    }
    return foreignClause(given.inText(problem.error));
}

} // namespace

QStringList notWrittenLines(const QList<builder::BuildProblem>& problems, const GivenPaths& given)
{
    using Kind = builder::BuildProblem::Kind;
    if (problems.isEmpty())
        return {};
    const builder::BuildProblem& first = problems.constFirst();
    // Another build, or a step that failed: the sentence alone.
    if (first.kind == Kind::Busy || first.kind == Kind::Failed)
        return {problemClause(first, given)};
    if (problems.size() == 1)
        return {
            QCoreApplication::translate("cli::CommandMessages", "the GBA rom was not written: %1")
                .arg(problemClause(first, given))};
    QStringList lines{
        QCoreApplication::translate("cli::CommandMessages", "the GBA rom was not written:")};
    for (const builder::BuildProblem& problem : problems)
        lines << problemClause(problem, given);
    return lines;
}

QString oversizeWarning(qint64 imageKB)
{
    return QCoreApplication::translate(
               "cli::CommandMessages",
               "warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds")
        .arg(imageKB)
        .arg(builder::gba::CartridgeCapacityKB);
}

} // namespace cli
