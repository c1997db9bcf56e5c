#include "builder/Build.h"

#include "builder/BuildLock.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuScript.h"
#include "platform/FileError.h"
#include "platform/Paths.h"

namespace builder
{

namespace
{

const QString NotWritten = QStringLiteral("The GBA rom was not written: ");

BuildResult ended(BuildResult::Outcome outcome, const QString& reason = {})
{
    return {outcome, reason};
}

// What makes the build impossible, found before anything is written: a
// sentence for the user, or nothing.
QString refusal(const BuildRequest& request, const ImageSurvey& survey, const BuildHooks& hooks)
{
    if (const QString lineBreak = menuLineBreakRefusal(request.menuLines, request.romFileNames);
        !lineBreak.isEmpty())
        return NotWritten + lineBreak;
    if (const QString output = outputRefusal(request); !output.isEmpty())
        return NotWritten + output;
    if (!survey.firstNotAFile.isEmpty())
        return NotWritten +
               QStringLiteral("%1 is not a regular file (a folder, a device, a pipe or a socket).")
                   .arg(platform::joinPath(request.romsDirectory, survey.firstNotAFile));
    // Every archive is read through before anything is written: one that gives
    // no rom would otherwise fail the build halfway.
    if (!survey.firstBadArchive.isEmpty())
        return NotWritten + survey.firstBadArchive;
    if (hooks.unreadableRomRefused && !survey.unreadableRoms.isEmpty())
        return survey.firstProblem;
    return QString();
}

bool declined(const ImageSurvey& survey, const BuildHooks& hooks)
{
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

    const ImageSurvey survey = surveyImage(request);
    if (const QString reason = refusal(request, survey, hooks); !reason.isEmpty())
        return ended(BuildResult::Outcome::Refused, reason);
    if (declined(survey, hooks))
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
    if (!WriteGBARom(request, progress, log, failure, hooks.outputSink))
        return ended(BuildResult::Outcome::Failed, failure);
    return ended(BuildResult::Outcome::Written);
}

} // namespace builder
