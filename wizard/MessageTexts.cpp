#include "wizard/MessageTexts.h"

#include "builder/ArchiveError.h"
#include "builder/CompilationFile.h"
#include "builder/ErrorDescription.h"
#include "settings/SettingsWriteError.h"

#include <QCoreApplication>

namespace wizard
{

namespace
{

// More lines than this make a box taller than most screens.
constexpr qsizetype ProblemsShown = 10;

QString quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// What was done to the file, as the start of a clause.
QString actionClause(const platform::FileError& error)
{
    using platform::FileAction;
    const QString path = quoted(error.path());
    switch (error.action()) {
    case FileAction::Open:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot open file %1").arg(path);
    case FileAction::Read:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot read file %1").arg(path);
    case FileAction::ReadRom:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot read %1").arg(path);
    case FileAction::ReadByte:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot read byte %1 of %2")
            .arg(error.count())
            .arg(path);
    case FileAction::Write:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot write file %1")
            .arg(path);
    case FileAction::Create:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot create file %1")
            .arg(path);
    case FileAction::CreateLockFile:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot create lock file %1")
            .arg(path);
    case FileAction::CreateFolder:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot create directory %1")
            .arg(path);
    case FileAction::Measure:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot measure file %1")
            .arg(path);
    case FileAction::Seek:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot seek in file %1")
            .arg(path);
    case FileAction::Close:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot close file %1")
            .arg(path);
    case FileAction::Identify:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot identify file %1")
            .arg(path);
    case FileAction::Lock:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot lock file %1").arg(path);
    case FileAction::Empty:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot empty file %1")
            .arg(path);
    case FileAction::Replace:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot replace %1").arg(path);
    case FileAction::Copy:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot copy %1 to %2")
            .arg(quoted(error.source()), path);
    case FileAction::Repair:
        return QCoreApplication::translate("wizard::MessageTexts", "cannot repair %1").arg(path);
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
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "it is in use by another program");
    case FileReason::NotARegularFile:
        return QCoreApplication::translate(
            "wizard::MessageTexts",
            "it is not a regular file (a folder, a device, a pipe or a socket)");
    case FileReason::EndedEarly:
        return QCoreApplication::translate("wizard::MessageTexts", "it ended early");
    case FileReason::EndedBefore:
        return QCoreApplication::translate("wizard::MessageTexts", "it ended before %1 more bytes")
            .arg(error.count());
    case FileReason::RomEndedBefore:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "its rom ended before %1 more bytes")
            .arg(error.count());
    case FileReason::ChangedSinceChecked:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "it changed after the build checked it");
    case FileReason::ChangedWhileRead:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "the file changed while it was read");
    case FileReason::IsLink:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "it is a link, which leads elsewhere");
    }
    return QString();
}

QString archiveClause(const builder::ArchiveError& error)
{
    using Kind = builder::ArchiveError::Kind;
    const QString& name = error.archiveName();
    const QString detail = error.detail();
    switch (error.kind()) {
    case Kind::NoRom:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 holds no NES rom").arg(name);
    case Kind::SeveralRoms:
        return QCoreApplication::translate(
                   "wizard::MessageTexts",
                   "%1 holds %2 NES roms; Romweaver takes one rom per archive")
            .arg(name)
            .arg(error.romCount());
    case Kind::Encrypted:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is encrypted").arg(name);
    case Kind::Damaged:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is damaged: %2")
            .arg(name, detail);
    case Kind::WrongFormat:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is not a %2 archive")
            .arg(name, detail);
    case Kind::TooLarge:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is too large to read: %2")
            .arg(name, detail);
    case Kind::TooCostly:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is too costly to read: %2")
            .arg(name, detail);
    case Kind::Unreadable:
        break;
    }
    return QCoreApplication::translate("wizard::MessageTexts", "%1 cannot be read: %2")
        .arg(name, detail);
}

QString compilationClause(const builder::CompilationFileError& error)
{
    using Kind = builder::CompilationFileError::Kind;
    QString detail = QCoreApplication::translate("builder::CompilationFile",
                                                 error.detail().toUtf8().constData());
    if (!error.name().isEmpty())
        detail = detail.arg(error.name());
    switch (error.kind()) {
    case Kind::CannotRead:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "cannot read the compilation %1: %2")
            .arg(error.path(), detail);
    case Kind::CannotWrite:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "cannot write the compilation %1: %2")
            .arg(error.path(), error.fileError() ? errorSentence(*error.fileError()) : detail);
    case Kind::NotACompilation:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "%1 is not a Romweaver compilation: %2")
            .arg(error.path(), detail);
    case Kind::NewerFormat:
        break;
    }
    return QCoreApplication::translate(
               "wizard::MessageTexts",
               "%1 was saved by a newer Romweaver (format version %2); this one reads versions up "
               "to %3")
        .arg(error.path(), error.detail())
        .arg(builder::CompilationFormatVersion);
}

} // namespace

QString archiveMark(const builder::ArchiveError& error)
{
    using Kind = builder::ArchiveError::Kind;
    const QString detail = error.detail();
    switch (error.kind()) {
    case Kind::NoRom:
        return QCoreApplication::translate("wizard::MessageTexts", "No NES rom in this archive");
    case Kind::SeveralRoms:
        return QCoreApplication::translate(
                   "wizard::MessageTexts",
                   "%1 NES roms in this archive; Romweaver takes one rom per archive")
            .arg(error.romCount());
    case Kind::Encrypted:
        return QCoreApplication::translate("wizard::MessageTexts", "Encrypted archive");
    case Kind::Damaged:
        return QCoreApplication::translate("wizard::MessageTexts", "Damaged archive: %1")
            .arg(detail);
    case Kind::WrongFormat:
        return QCoreApplication::translate("wizard::MessageTexts", "Not a %1 archive").arg(detail);
    case Kind::TooLarge:
        return QCoreApplication::translate("wizard::MessageTexts", "Archive too large to read: %1")
            .arg(detail);
    case Kind::TooCostly:
        return QCoreApplication::translate("wizard::MessageTexts", "Archive too costly to read: %1")
            .arg(detail);
    case Kind::Unreadable:
        break;
    }
    return QCoreApplication::translate("wizard::MessageTexts", "Archive that cannot be read: %1")
        .arg(detail);
}

QString errorClause(const platform::FileError& error)
{
    if (const auto* archive = dynamic_cast<const builder::ArchiveError*>(&error))
        return archiveClause(*archive);
    if (const auto* compilation = dynamic_cast<const builder::CompilationFileError*>(&error))
        return compilationClause(*compilation);
    if (const auto* settings = dynamic_cast<const settings::SettingsWriteError*>(&error))
        return QCoreApplication::translate("wizard::MessageTexts", "Unable to write to %1")
            .arg(settings->path());
    const QString reason = reasonClause(error);
    return reason.isEmpty() ? actionClause(error)
                            : QCoreApplication::translate("wizard::MessageTexts", "%1: %2",
                                                          "what was done to a file: why it failed")
                                  .arg(actionClause(error), reason);
}

QString errorSentence(const platform::FileError& error)
{
    return builder::capitalised(errorClause(error));
}

QString problemClause(const builder::BuildProblem& problem)
{
    using Kind = builder::BuildProblem::Kind;
    switch (problem.kind) {
    case Kind::MenuLineBreak:
        return QCoreApplication::translate(
                   "wizard::MessageTexts",
                   "the menu line of %1 holds a line break; a menu line has to stay on one line, "
                   "so rename the file or give it another title")
            .arg(problem.path);
    case Kind::OutputIsInput:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "%1 is one of the files it is made from")
            .arg(problem.path);
    case Kind::OutputIsSettings:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "%1 is the file Romweaver keeps its settings in")
            .arg(problem.path);
    case Kind::OutputIsLog:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is Romweaver's build log")
            .arg(problem.path);
    case Kind::OutputLeadsAway:
        return QCoreApplication::translate("wizard::MessageTexts",
                                           "%1 is a link to %2, outside the GBA rom's folder")
            .arg(problem.path, problem.error->path());
    case Kind::NotAFile:
        return QCoreApplication::translate(
                   "wizard::MessageTexts",
                   "%1 is not a regular file (a folder, a device, a pipe or a socket)")
            .arg(problem.path);
    case Kind::NonRom:
        return QCoreApplication::translate("wizard::MessageTexts", "%1 is not an iNES rom")
            .arg(problem.path);
    case Kind::Busy:
        return QCoreApplication::translate(
                   "wizard::MessageTexts",
                   "another build is writing in %1; try again when it has finished")
            .arg(problem.path);
    case Kind::UnreadableRom:
    case Kind::Failed:
        break;
    }
    return problem.error ? errorClause(*problem.error)
                         : QCoreApplication::translate("wizard::MessageTexts", "unexpected error");
}

QString notWrittenWarning(const builder::BuildResult& result, const QString& outputPath)
{
    const QList<builder::BuildProblem>& problems = result.problems;
    if (problems.isEmpty())
        return QString();
    const builder::BuildProblem& first = problems.constFirst();
    // Another build: nothing is wrong with this one.
    if (first.kind == builder::BuildProblem::Kind::Busy)
        return builder::asSentence(problemClause(first));
    const QString notWritten =
        QCoreApplication::translate("wizard::MessageTexts", "The GBA rom was not written:");
    if (result.outcome == builder::BuildResult::Outcome::Failed)
        return notWritten + QLatin1Char(' ') + builder::withFullStop(problemClause(first)) +
               QLatin1Char(' ') +
               (result.outputExisted
                    ? QCoreApplication::translate("wizard::MessageTexts", "%1 is unchanged.")
                    : QCoreApplication::translate("wizard::MessageTexts",
                                                  "Nothing was written to %1."))
                   .arg(outputPath);
    if (problems.size() == 1)
        return notWritten + QLatin1Char(' ') + builder::withFullStop(problemClause(first));
    QString text = notWritten;
    for (const builder::BuildProblem& problem :
         problems.first(qMin(problems.size(), ProblemsShown)))
        text += QLatin1Char('\n') + builder::asSentence(problemClause(problem));
    if (problems.size() > ProblemsShown)
        text += QLatin1Char('\n') +
                QCoreApplication::translate("wizard::MessageTexts", "and %n more.", nullptr,
                                            int(problems.size() - ProblemsShown));
    return text;
}

ErrorMessage uncaughtErrorMessage(const std::exception& error)
{
    if (const auto* settings = dynamic_cast<const settings::SettingsWriteError*>(&error)) {
        const QString reason =
            settings->busy() ? QCoreApplication::translate(
                                   "wizard::MessageTexts",
                                   "Another program was writing it and did not finish in time.")
                             : settings->cause();
        return {errorClause(*settings), reason};
    }
    if (const auto* file = dynamic_cast<const platform::FileError*>(&error))
        return {errorSentence(*file), QString()};
    return {QString::fromStdString(error.what()), QString()};
}

} // namespace wizard
