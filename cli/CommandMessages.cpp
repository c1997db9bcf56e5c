#include "cli/CommandMessages.h"

#include "builder/ArchiveError.h"
#include "builder/CompilationFile.h"
#include "builder/ImageSurvey.h"
#include "cli/GivenPaths.h"
#include "platform/ProgramFiles.h"
#include "settings/SettingsWriteError.h"

#include <QCoreApplication>

namespace cli
{

QString onOneLine(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029 ||
            (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

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
               "and 5 may then be changed to fit its size in the GBA rom, never in the file)")
        .arg(rom);
}

QString nonRomWarning(const QString& rom)
{
    return QCoreApplication::translate(
               "cli::CommandMessages",
               "warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size "
               "in the GBA rom, never in the file")
        .arg(rom);
}

QString foreignClause(QString text)
{
    // Qt's texts are sentences: "Missing value after '-o'.".
    if (!text.isEmpty() && text.at(0).isUpper() && (text.size() < 2 || text.at(1).isLower()))
        text[0] = text.at(0).toLower();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

namespace
{

QString quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// What was done to the file, as the start of the command's sentence.
QString actionClause(const platform::FileError& error, const GivenPaths& given)
{
    using platform::FileAction;
    const QString path = quoted(given.path(error.path()));
    switch (error.action()) {
    case FileAction::Open:
        return QCoreApplication::translate("cli::CommandMessages", "cannot open file %1").arg(path);
    case FileAction::Read:
        return QCoreApplication::translate("cli::CommandMessages", "cannot read file %1").arg(path);
    case FileAction::ReadRom:
        return QCoreApplication::translate("cli::CommandMessages", "cannot read %1").arg(path);
    case FileAction::ReadByte:
        return QCoreApplication::translate("cli::CommandMessages", "cannot read byte %1 of %2")
            .arg(error.count())
            .arg(path);
    case FileAction::Write:
        return QCoreApplication::translate("cli::CommandMessages", "cannot write file %1")
            .arg(path);
    case FileAction::Create:
        return QCoreApplication::translate("cli::CommandMessages", "cannot create file %1")
            .arg(path);
    case FileAction::CreateLockFile:
        return QCoreApplication::translate("cli::CommandMessages", "cannot create lock file %1")
            .arg(path);
    case FileAction::CreateFolder:
        return QCoreApplication::translate("cli::CommandMessages", "cannot create directory %1")
            .arg(path);
    case FileAction::Measure:
        return QCoreApplication::translate("cli::CommandMessages", "cannot measure file %1")
            .arg(path);
    case FileAction::Seek:
        return QCoreApplication::translate("cli::CommandMessages", "cannot seek in file %1")
            .arg(path);
    case FileAction::Close:
        return QCoreApplication::translate("cli::CommandMessages", "cannot close file %1")
            .arg(path);
    case FileAction::Identify:
        return QCoreApplication::translate("cli::CommandMessages", "cannot identify file %1")
            .arg(path);
    case FileAction::Lock:
        return QCoreApplication::translate("cli::CommandMessages", "cannot lock file %1").arg(path);
    case FileAction::Empty:
        return QCoreApplication::translate("cli::CommandMessages", "cannot empty file %1")
            .arg(path);
    case FileAction::Replace:
        return QCoreApplication::translate("cli::CommandMessages", "cannot replace %1").arg(path);
    case FileAction::Copy:
        return QCoreApplication::translate("cli::CommandMessages", "cannot copy %1 to %2")
            .arg(quoted(given.path(error.source())), path);
    case FileAction::Repair:
        return QCoreApplication::translate("cli::CommandMessages", "cannot repair %1").arg(path);
    case FileAction::Describe:
        break;
    }
    return error.text();
}

// Why it failed; nothing where nothing more is known.
QString reasonClause(const platform::FileError& error)
{
    using platform::FileReason;
    switch (error.reason()) {
    case FileReason::System:
        return error.cause();
    case FileReason::None:
        break;
    case FileReason::InUse:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "it is in use by another program");
    case FileReason::NotARegularFile:
        return QCoreApplication::translate(
            "cli::CommandMessages",
            "it is not a regular file (a folder, a device, a pipe or a socket)");
    case FileReason::EndedEarly:
        return QCoreApplication::translate("cli::CommandMessages", "it ended early");
    case FileReason::EndedBefore:
        return QCoreApplication::translate("cli::CommandMessages", "it ended before %1 more bytes")
            .arg(error.count());
    case FileReason::RomEndedBefore:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "its rom ended before %1 more bytes")
            .arg(error.count());
    case FileReason::ChangedSinceChecked:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "it changed after the build checked it");
    case FileReason::ChangedWhileRead:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "the file changed while it was read");
    case FileReason::IsLink:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "it is a link, which leads elsewhere");
    }
    return QString();
}

QString archiveClause(const builder::ArchiveError& error, const GivenPaths& given)
{
    using Kind = builder::ArchiveError::Kind;
    const QString name = given.rom(error.archiveName());
    const QString detail = error.detail();
    switch (error.kind()) {
    case Kind::NoRom:
        return QCoreApplication::translate("cli::CommandMessages", "%1 holds no NES rom").arg(name);
    case Kind::SeveralRoms:
        return QCoreApplication::translate(
                   "cli::CommandMessages",
                   "%1 holds %2 NES roms; Romweaver takes one rom per archive")
            .arg(name)
            .arg(error.romCount());
    case Kind::Encrypted:
        return QCoreApplication::translate("cli::CommandMessages", "%1 is encrypted").arg(name);
    case Kind::Damaged:
        return QCoreApplication::translate("cli::CommandMessages", "%1 is damaged: %2")
            .arg(name, detail);
    case Kind::WrongFormat:
        return QCoreApplication::translate("cli::CommandMessages", "%1 is not a %2 archive")
            .arg(name, detail);
    case Kind::TooLarge:
        return QCoreApplication::translate("cli::CommandMessages", "%1 is too large to read: %2")
            .arg(name, detail);
    case Kind::TooCostly:
        return QCoreApplication::translate("cli::CommandMessages", "%1 is too costly to read: %2")
            .arg(name, detail);
    case Kind::Unreadable:
        break;
    }
    return QCoreApplication::translate("cli::CommandMessages", "%1 cannot be read: %2")
        .arg(name, detail);
}

QString compilationClause(const builder::CompilationFileError& error, const GivenPaths& given)
{
    using Kind = builder::CompilationFileError::Kind;
    const QString path = given.path(error.path());
    QString detail = QCoreApplication::translate("builder::CompilationFile",
                                                 error.detail().toUtf8().constData());
    if (!error.name().isEmpty())
        detail = detail.arg(error.name());
    switch (error.kind()) {
    case Kind::CannotRead:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "cannot read the compilation %1: %2")
            .arg(path, detail);
    case Kind::CannotWrite:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "cannot write the compilation %1: %2")
            .arg(path, error.fileError() ? errorClause(*error.fileError(), given) : detail);
    case Kind::NotACompilation:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "%1 is not a Romweaver compilation: %2")
            .arg(path, detail);
    case Kind::NewerFormat:
        break;
    }
    return QCoreApplication::translate(
               "cli::CommandMessages",
               "%1 was saved by a newer Romweaver (format version %2); this one reads versions up "
               "to %3")
        .arg(path, error.detail())
        .arg(builder::CompilationFormatVersion);
}

} // namespace

QString errorClause(const platform::FileError& error, const GivenPaths& given)
{
    if (const auto* archive = dynamic_cast<const builder::ArchiveError*>(&error))
        return archiveClause(*archive, given);
    if (const auto* compilation = dynamic_cast<const builder::CompilationFileError*>(&error))
        return compilationClause(*compilation, given);
    if (const auto* settings = dynamic_cast<const settings::SettingsWriteError*>(&error))
        return QCoreApplication::translate("cli::CommandMessages", "unable to write to %1")
                   .arg(given.path(settings->path())) +
               (settings->cause().isEmpty() ? QString() : QStringLiteral(": ") + settings->cause());
    const QString reason = reasonClause(error);
    return reason.isEmpty() ? actionClause(error, given)
                            : QCoreApplication::translate("cli::CommandMessages", "%1: %2",
                                                          "what was done to a file: why it failed")
                                  .arg(actionClause(error, given), reason);
}

QString uncaughtErrorClause(const std::exception& error)
{
    if (const auto* file = dynamic_cast<const platform::FileError*>(&error))
        return errorClause(*file, GivenPaths());
    return QString::fromStdString(error.what());
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
    case Kind::OutputLeadsAway:
        return QCoreApplication::translate("cli::CommandMessages",
                                           "%1 is a link to %2, outside the GBA rom's folder")
            .arg(path, problem.error->path());
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
    return problem.error ? errorClause(*problem.error, given)
                         : QCoreApplication::translate("cli::CommandMessages", "unexpected error");
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

QString writtenNotice(const QString& output)
{
    return QCoreApplication::translate("cli::CommandMessages", "wrote %1").arg(output);
}

} // namespace cli
