#include "builder/GbaImageWriter.h"

#include "builder/BuildStatus.h"
#include "builder/CopyBuffer.h"
#include "builder/NesRomAppender.h"
#include "builder/ProgressPlan.h"
#include "platform/FileReplacement.h"

#include <exception>

namespace builder
{

namespace
{

void stepBar(ProgressReporter& progress, const ProgressPlan& plan)
{
    progress.setPosition(progress.position() + plan.increment);
}

void showPercentage(ProgressReporter& progress)
{
    progress.setProgressText(percentDoneText(progress.position()));
}

void writeImage(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                const OutputSinkFactory& outputSink, BuildReport& report,
                const QList<RomSurvey>& surveyed)
{
    const ProgressPlan plan = ProgressPlan::forSelectedRoms(request.selectedRomCount);
    // The image goes into a new file beside the output, which takes the
    // output's place only once it is complete: a failure, or a kill, never
    // costs the earlier image. Part files of builds killed before go first.
    platform::removeLeftoverReplacementsBeside(request.outputPath, OutputPartSuffix);
    const std::unique_ptr<platform::FileReplacement> outputFile =
        platform::startReplacing(request.outputPath, {OutputPartSuffix, true});
    const std::unique_ptr<platform::ByteSink> filter =
        outputSink ? outputSink(*outputFile) : nullptr;
    platform::ByteSink& output = filter ? *filter : *outputFile;
    CopyBuffer buffer;

    stepBar(progress, plan);
    showPercentage(progress);
    progress.setStatus(BuildStatus::AddingBaseRom);
    appendWholeFile(request.files.baseRom(), output, buffer);

    stepBar(progress, plan);
    showPercentage(progress);
    progress.setStatus(BuildStatus::AddingMenuScript);
    appendWholeFile(request.files.menuScript(), output, buffer);

    const qsizetype romCount = request.romFileNames.size();
    for (qsizetype i = 0; i < romCount; ++i) {
        if (i % plan.interval == 0)
            stepBar(progress, plan);
        showPercentage(progress);
        const QString& fileName = request.romFileNames.at(i);
        progress.setStatus(BuildStatus::AddingRom, fileName);
        report.count(AppendNESRom(output, request.romsDirectory, fileName, log, buffer,
                                  i < surveyed.size() ? &surveyed.at(i) : nullptr));
    }

    output.flush();
    outputFile->commit();
}

} // namespace

bool WriteGBARom(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 KeptError& failure, const OutputSinkFactory& outputSink, BuildReport* report,
                 const QList<RomSurvey>& surveyed)
{
    // On a failure the file objects close themselves on the way out, and the
    // unfinished image goes with them.
    failure.reset();
    try {
        BuildReport counted;
        writeImage(request, progress, log, outputSink, counted, surveyed);
        if (report) {
            report->whole = counted.whole;
            report->cut = counted.cut;
            report->repaired = counted.repaired;
        }
        return true;
    } catch (const platform::FileError& error) {
        failure = keptError(error);
    } catch (...) {
        // Anything else (memory exhausted) is an unexpected error: no file to name.
    }
    return false;
}

} // namespace builder
