#include "builder/Build.h"

#include "builder/BuildLock.h"
#include "builder/BuildLog.h"
#include "builder/ExistingOutput.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuScript.h"
#include "builder/NotWrittenText.h"
#include "platform/FileError.h"
#include "platform/Paths.h"

#include <QFileInfo>

namespace builder
{

namespace
{

QString notAFile(const QString& path)
{
    return QStringLiteral("%1 is not a regular file (a folder, a device, a pipe or a socket).")
        .arg(path);
}

// What makes the build impossible, found before anything is written: every
// problem, one sentence each, in the order of the request (its menu lines, its
// output, its roms in menu order).
QStringList problems(const BuildRequest& request, const ImageSurvey& survey,
                     ExistingOutput existingOutput, const BuildHooks& hooks)
{
    QStringList found;
    if (const QString lineBreak = menuLineBreakRefusal(request.menuLines, request.romFileNames);
        !lineBreak.isEmpty())
        found << lineBreak;
    if (const QString output = outputRefusal(request); !output.isEmpty())
        found << output;
    else if (existingOutput == ExistingOutput::NotAFile)
        found << notAFile(request.outputPath);
    for (qsizetype i = 0; i < survey.roms.size(); ++i) {
        const RomSurvey& rom = survey.roms.at(i);
        const QString path = platform::joinPath(request.romsDirectory, request.romFileNames.at(i));
        if (rom.notAFile)
            found << notAFile(path);
        // Every archive is read through before anything is written: one that
        // gives no rom would otherwise fail the build halfway.
        else if (!rom.badArchive.isEmpty())
            found << rom.badArchive;
        else if (!rom.readable && hooks.unreadableRomRefused)
            found << rom.problem;
        else if (rom.readable && !rom.ines && hooks.nonRomProblem)
            found << hooks.nonRomProblem(path);
    }
    found.removeDuplicates(); // a rom selected twice is named once
    return found;
}

bool declined(const ImageSurvey& survey, ExistingOutput existingOutput, const BuildRequest& request,
              const BuildHooks& hooks)
{
    if (existingOutput == ExistingOutput::OtherFile && hooks.replaceOtherFile &&
        !hooks.replaceOtherFile(request.outputPath))
        return true;
    // One question for all such roms.
    if (!survey.nonInesRoms.isEmpty() && hooks.writeNonRom &&
        !hooks.writeNonRom(survey.nonInesRoms))
        return true;
    // A rom that cannot be read leaves the size unknown: there is nothing to ask then.
    return survey.imageLength && *survey.imageLength > gba::CartridgeCapacity &&
           hooks.writeOversizeImage && !hooks.writeOversizeImage(*survey.imageLength);
}

} // namespace

QString outputRefusal(const BuildRequest& request)
{
    const QString& output = request.outputPath;
    QStringList inputs{request.files.baseRom(), request.files.menuScript()};
    for (const QString& name : request.romFileNames)
        inputs << platform::joinPath(request.romsDirectory, name);
    for (const QString& input : inputs) {
        if (platform::namesSameFile(output, input))
            return QStringLiteral("%1 is one of the files it is made from.").arg(output);
    }
    // These two may not exist yet; the output would become them all the same.
    if (platform::namesSameFile(output, request.files.settings()))
        return QStringLiteral("%1 is the file Romweaver keeps its settings in.").arg(output);
    if (platform::namesSameFile(output, request.files.log()))
        return QStringLiteral("%1 is Romweaver's build log.").arg(output);
    return QString();
}

BuildResult build(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                  const BuildHooks& hooks)
{
    BuildResult result;
    result.outputExisted = QFileInfo::exists(request.outputPath);
    const auto ended = [&result](BuildResult::Outcome outcome, const QString& reason = {}) {
        result.outcome = outcome;
        result.reason = reason;
        return result;
    };

    // The lock comes first: where files are opened without sharing (Windows),
    // a second build could not even look at the roms the first one is
    // appending, and would take that for a rom it cannot read.
    BuildLock lock(request.files);
    try {
        if (!lock.tryLock())
            return ended(BuildResult::Outcome::Refused, lock.busyText());
    } catch (const platform::FileError& error) {
        // A program directory where no lock file can be made takes no menu
        // script either: the same failure.
        if (hooks.menuScriptFailureThrown)
            throw;
        return ended(BuildResult::Outcome::Failed, error.text());
    }

    const ImageSurvey survey = surveyImage(request, hooks.surveyRom);
    const ExistingOutput existingOutput = lookAtOutput(request.outputPath, request.files.baseRom());
    result.problems = problems(request, survey, existingOutput, hooks);
    if (!result.problems.isEmpty())
        return ended(BuildResult::Outcome::Refused, notWrittenText(result.problems));
    if (declined(survey, existingOutput, request, hooks))
        return ended(BuildResult::Outcome::Declined);

    try {
        progress.setStatusText(QStringLiteral("Preparing to write..."));
        WriteMenuScript(request.files.menuScript(), request.menuLines);
    } catch (const platform::FileError& error) {
        if (hooks.menuScriptFailureThrown)
            throw;
        return ended(BuildResult::Outcome::Failed, error.text());
    }

    progress.setStatusText(QStringLiteral("Writing GBA rom..."));
    QString failure;
    const qsizetype firstLogMessage = log.messages().size();
    if (!WriteGBARom(request, progress, log, failure, hooks.outputSink, &result.report,
                     survey.roms))
        return ended(BuildResult::Outcome::Failed, failure);
    result.report.logMessages = log.messages().mid(firstLogMessage);
    return ended(BuildResult::Outcome::Written);
}

} // namespace builder
