#pragma once

#include "builder/BuildRequest.h"
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

// Puts a sink between the writer and the output file it created, for tests
// that make writing fail partway (a full disk). The writer still closes the
// file itself.
using OutputSinkFactory =
    std::function<std::unique_ptr<platform::ByteSink>(platform::ByteSink& outputFile)>;

// Builds the GBA rom: base rom, menu script, then each rom through
// AppendNESRom. Returns false on any failure, leaving the output with what was
// appended before it; the reporter keeps what it showed at the failing step.
// failure receives the error's description (the wizard shows only that a build
// failed; the command line says why) and is emptied on success. The caller
// (builder's build) has made sure the output may be written.
bool WriteGBARom(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 QString& failure, const OutputSinkFactory& outputSink = {});

} // namespace builder
