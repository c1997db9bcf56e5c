#include "wizard/MessageTexts.h"

#include "builder/ErrorDescription.h"
#include "settings/SettingsWriteError.h"

#include <QCoreApplication>

namespace wizard
{

namespace
{

// More lines than this make a box taller than most screens.
constexpr qsizetype ProblemsShown = 10;

} // namespace

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
    return builder::asClause(problem.error);
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
        return {QCoreApplication::translate("wizard::MessageTexts", "Unable to write to %1")
                    .arg(settings->path()),
                reason};
    }
    return {QString::fromStdString(error.what()), QString()};
}

} // namespace wizard
