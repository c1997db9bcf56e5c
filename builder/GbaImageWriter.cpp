#include "GbaImageWriter.h"

#include "CopyBuffer.h"
#include "ExclusiveFile.h"
#include "NesRomAppender.h"
#include "Platform.h"

namespace
{

void stepBar(ProgressReporter& progress, const ProgressPlan& plan)
{
    progress.setPosition(progress.position() + plan.increment);
}

void showPercentage(ProgressReporter& progress)
{
    progress.setProgressText(QString::number(progress.position()) + QStringLiteral(" % done"));
}

bool writeImage(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                const OutputSinkFactory& outputSink)
{
    const ProgressPlan plan = ProgressPlan::forSelectedRoms(request.selectedRomCount);
    const QString baseRomPath = request.programDirectory + QStringLiteral("Tessel.GBA");
    const QString menuScriptPath = request.programDirectory + QStringLiteral("menu.out");

    if (OutputNamesAnInput(request))
        return false;

    ExclusiveFile outputFile(request.outputPath, ExclusiveFile::Mode::Create);
    const std::unique_ptr<ByteSink> filter = outputSink ? outputSink(outputFile) : nullptr;
    ByteSink& output = filter ? *filter : outputFile;
    CopyBuffer buffer;

    stepBar(progress, plan);
    showPercentage(progress);
    progress.setStatusText(QStringLiteral("Writing GBA rom - adding base rom tessel.gba..."));
    appendWholeFile(baseRomPath, output, buffer);

    stepBar(progress, plan);
    showPercentage(progress);
    progress.setStatusText(QStringLiteral("Writing GBA rom - adding menu script..."));
    appendWholeFile(menuScriptPath, output, buffer);

    const qsizetype romCount = request.romFileNames.size();
    for (qsizetype i = 0; i < romCount; ++i) {
        if (i % plan.interval == 0)
            stepBar(progress, plan);
        showPercentage(progress);
        const QString& fileName = request.romFileNames.at(i);
        progress.setStatusText(QStringLiteral("Writing GBA rom - adding nes rom ") + fileName +
                               QStringLiteral("..."));
        AppendNESRom(output, request.romsDirectory, fileName, log, buffer);
    }

    outputFile.close();
    return true;
}

} // namespace

// Creating the output empties an existing file, so an output that is one of
// the inputs would destroy it. Identities, not spellings, are compared:
// "..", links and letter case all name the same file.
bool OutputNamesAnInput(const GbaBuildRequest& request)
{
    const auto output = ExclusiveFile::identityOf(request.outputPath);
    if (!output)
        return false;
    QStringList inputs{request.programDirectory + QStringLiteral("Tessel.GBA"),
                       request.programDirectory + QStringLiteral("menu.out")};
    for (const QString& name : request.romFileNames)
        inputs << platform::joinPath(request.romsDirectory, name);
    for (const QString& input : inputs) {
        if (ExclusiveFile::identityOf(input) == output)
            return true;
    }
    return false;
}

bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log)
{
    return WriteGBARom(request, progress, log, OutputSinkFactory());
}

bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 const OutputSinkFactory& outputSink)
{
    // The error's description is not shown: the write page reports only
    // success or failure. An output left behind by a failure keeps what was
    // appended so far; the file objects close themselves on the way out.
    try {
        return writeImage(request, progress, log, outputSink);
    } catch (...) {
        return false;
    }
}
