#include "builder/Build.h"

#include "builder/BuildLock.h"
#include "builder/BuildLog.h"
#include "builder/ExistingOutput.h"
#include "builder/ImageSurvey.h"
#include "builder/MenuScript.h"
#include "platform/FileError.h"
#include "platform/FileReplacement.h"
#include "platform/Paths.h"

#include <QFileInfo>
#include <QSet>

#include <utility>

namespace builder
{

namespace
{

using Kind = BuildProblem::Kind;

// What makes the build impossible, found before anything is written: every
// problem, in the order of the request (its menu lines, its output, its roms
// in menu order).
QList<BuildProblem> problems(const BuildRequest& request, const ImageSurvey& survey,
                             ExistingOutput existingOutput, const BuildHooks& hooks)
{
    QList<BuildProblem> found;
    if (const auto rom = romWithLineBreak(request.menuLines, request.romFileNames))
        found << BuildProblem{Kind::MenuLineBreak, *rom, {}};
    if (const auto output = outputRefusal(request))
        found << *output;
    else if (existingOutput == ExistingOutput::NotAFile)
        found << BuildProblem{Kind::NotAFile, request.outputPath, {}};
    // A rom named in the request twice is named once: by its kind and path,
    // looked up in constant time however many roms there are.
    QSet<std::pair<int, QString>> named;
    for (qsizetype i = 0; i < survey.roms.size(); ++i) {
        const RomSurvey& rom = survey.roms.at(i);
        const QString path = platform::joinPath(request.romsDirectory, request.romFileNames.at(i));
        BuildProblem problem;
        if (rom.notAFile)
            problem = {Kind::NotAFile, path, {}};
        // Every archive is read through before anything is written: one that
        // gives no rom would otherwise fail the build halfway.
        else if (rom.badArchive())
            problem = {Kind::UnreadableRom, path, rom.error};
        else if (!rom.readable && hooks.unreadableRomRefused)
            problem = {Kind::UnreadableRom, path, rom.error};
        else if (rom.readable && !rom.ines && hooks.nonRomRefused)
            problem = {Kind::NonRom, path, {}};
        else
            continue;
        if (!named.contains({int(problem.kind), problem.path})) {
            named.insert({int(problem.kind), problem.path});
            found << problem;
        }
    }
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

std::optional<BuildProblem> outputRefusal(const BuildRequest& request)
{
    const QString& output = request.outputPath;
    QStringList inputs{request.files.baseRom(), request.files.menuScript()};
    for (const QString& name : request.romFileNames)
        inputs << platform::joinPath(request.romsDirectory, name);
    for (const QString& input : inputs) {
        if (platform::namesSameFile(output, input))
            return BuildProblem{Kind::OutputIsInput, output, {}};
    }
    // A link in the output's folder (one a compilation's folder came with)
    // must not carry the GBA rom elsewhere: it is refused unless it leads to
    // the same folder.
    const QString target = platform::replacedFile(output);
    if (target != output && QFileInfo(target).absolutePath() != QFileInfo(output).absolutePath())
        return BuildProblem{Kind::OutputLeadsAway, output,
                            keptError(platform::FileError(platform::FileAction::Replace, target,
                                                          platform::FileReason::IsLink))};
    // These two may not exist yet; the output would become them all the same.
    if (platform::namesSameFile(output, request.files.settings()))
        return BuildProblem{Kind::OutputIsSettings, output, {}};
    if (platform::namesSameFile(output, request.files.log()))
        return BuildProblem{Kind::OutputIsLog, output, {}};
    return std::nullopt;
}

BuildResult build(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                  const BuildHooks& hooks)
{
    BuildResult result;
    result.outputExisted = QFileInfo::exists(request.outputPath);
    const auto ended = [&result](BuildResult::Outcome outcome) {
        result.outcome = outcome;
        return result;
    };
    const auto failed = [&result, &ended](const KeptError& error) {
        result.problems = {BuildProblem{Kind::Failed, {}, error}};
        return ended(BuildResult::Outcome::Failed);
    };

    // The lock comes first: where files are opened without sharing (Windows),
    // a second build could not even look at the roms the first one is
    // appending, and would take that for a rom it cannot read.
    BuildLock lock(request.files);
    try {
        if (!lock.tryLock()) {
            result.problems = {BuildProblem{Kind::Busy, lock.programDirectory(), {}}};
            return ended(BuildResult::Outcome::Refused);
        }
    } catch (const platform::FileError& error) {
        // A program directory where no lock file can be made takes no menu
        // script either: the same failure.
        if (hooks.menuScriptFailureThrown)
            throw;
        return failed(keptError(error));
    }

    const ImageSurvey survey = surveyImage(request, hooks.surveyRom);
    const ExistingOutput existingOutput = lookAtOutput(request.outputPath, request.files.baseRom());
    result.problems = problems(request, survey, existingOutput, hooks);
    if (!result.problems.isEmpty())
        return ended(BuildResult::Outcome::Refused);
    if (declined(survey, existingOutput, request, hooks))
        return ended(BuildResult::Outcome::Declined);

    try {
        progress.setStatus(BuildStatus::Preparing);
        WriteMenuScript(request.files.menuScript(), request.menuLines);
    } catch (const platform::FileError& error) {
        if (hooks.menuScriptFailureThrown)
            throw;
        return failed(keptError(error));
    }

    progress.setStatus(BuildStatus::Writing);
    KeptError failure;
    const qsizetype firstLogMessage = log.messages().size();
    if (!WriteGBARom(request, progress, log, failure, hooks.outputSink, &result.report,
                     survey.roms))
        return failed(failure);
    result.report.logMessages = log.messages().mid(firstLogMessage);
    return ended(BuildResult::Outcome::Written);
}

} // namespace builder
