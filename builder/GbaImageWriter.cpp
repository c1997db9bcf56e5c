#include "GbaImageWriter.h"

#include "CopyBuffer.h"
#include "ExclusiveFile.h"
#include "NesRomAppender.h"
#include "Paths.h"

#include <exception>

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
    if (!RefusedOutputReason(request).isEmpty())
        return false;

    ExclusiveFile outputFile(request.outputPath, ExclusiveFile::Mode::Create);
    const std::unique_ptr<ByteSink> filter = outputSink ? outputSink(outputFile) : nullptr;
    ByteSink& output = filter ? *filter : outputFile;
    CopyBuffer buffer;

    stepBar(progress, plan);
    showPercentage(progress);
    progress.setStatusText(QStringLiteral("Writing GBA rom - adding base rom tessel.gba..."));
    appendWholeFile(request.files.baseRom(), output, buffer);

    stepBar(progress, plan);
    showPercentage(progress);
    progress.setStatusText(QStringLiteral("Writing GBA rom - adding menu script..."));
    appendWholeFile(request.files.menuScript(), output, buffer);

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

    output.flush();
    outputFile.close();
    return true;
}

} // namespace

QString RefusedOutputReason(const GbaBuildRequest& request)
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

bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 const OutputSinkFactory& outputSink)
{
    QString failure;
    return WriteGBARom(request, progress, log, failure, outputSink);
}

bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 QString& failure, const OutputSinkFactory& outputSink)
{
    // An output left behind by a failure keeps what was appended so far; the
    // file objects close themselves on the way out.
    failure.clear();
    try {
        if (writeImage(request, progress, log, outputSink))
            return true;
        // The only way the build ends without an error: the output was refused.
        failure = QStringLiteral("the GBA rom was not written: ") + RefusedOutputReason(request);
    } catch (const std::exception& error) {
        failure = QString::fromStdString(error.what());
    } catch (...) {
        failure = QStringLiteral("unexpected error");
    }
    return false;
}
