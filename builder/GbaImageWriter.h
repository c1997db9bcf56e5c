#pragma once

#include "builder/BuildProblem.h"
#include "builder/BuildReport.h"
#include "builder/BuildRequest.h"
#include "builder/ImageSurvey.h"
#include "builder/ProgressReporter.h"

#include <QString>

#include <functional>
#include <memory>

namespace platform
{
class ByteSink;
} // namespace platform

namespace builder
{

class BuildLog;

// Ends the name of the file an image is written into beside its output
// ("nes.gba.new-4711-k3x9za.romweaver-part") until it is complete.
inline const QString OutputPartSuffix = QStringLiteral(".romweaver-part");

// Puts a sink between the writer and the file it writes the image into, for
// tests that make writing fail partway (a full disk). The writer still
// completes or discards that file itself.
using OutputSinkFactory =
    std::function<std::unique_ptr<platform::ByteSink>(platform::ByteSink& outputFile)>;

// Builds the GBA rom: base rom, menu script, then each rom through
// AppendNESRom, into a new file that replaces the output once every byte is
// written and synced. Returns false on any failure, leaving the output (or its
// absence) exactly as it was and no new file behind; the reporter keeps what
// it showed at the failing step. The output is held without sharing while the
// image is written: one that another program holds fails the build at once.
// failure receives the file error, for the wizard's warning and the command
// line's message (none for an unexpected error), and is emptied on success. The caller
// (builder's build) has made sure the output may be written.
// report, where given, counts the roms whole, cut and repaired. surveyed,
// where given, is the build's survey of each rom (menu order), which an
// archive's rom is taken from (AppendNESRom).
bool WriteGBARom(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 KeptError& failure, const OutputSinkFactory& outputSink = {},
                 BuildReport* report = nullptr, const QList<RomSurvey>& surveyed = {});

} // namespace builder
