#pragma once

#include "ProgramFiles.h"
#include "ProgressReporter.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class BuildLog;
class ByteSink;

// How the progress bar moves during a build of n selected roms.
struct ProgressPlan {
    int interval = 1;
    int increment = 0;
    static ProgressPlan forSelectedRoms(int selectedRomCount);
};

struct GbaBuildRequest {
    QString outputPath;           // full path of the GBA rom to write
    platform::ProgramFiles files; // the base rom and the menu script lie there
    QString romsDirectory;        // NESRomsDir
    QStringList romFileNames;     // in menu order
    int selectedRomCount = 0;     // entries of the selected-rom list, for the progress plan
};

// Puts a sink between the writer and the output file it created, for tests
// that make writing fail partway (a full disk). The writer still closes the
// file itself.
using OutputSinkFactory = std::function<std::unique_ptr<ByteSink>(ByteSink& outputFile)>;

// Builds the GBA rom: base rom, menu script, then each rom through
// AppendNESRom. Returns false on any failure, leaving the output with what was
// appended before it; the reporter keeps what it showed at the failing step.
// An output path that RefusedOutputReason refuses is not written: false, and
// no file is touched.
bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 const OutputSinkFactory& outputSink = {});

// The same build, telling why it failed: failure receives the error's
// description (the wizard shows only that a build failed; the command line
// says why), and is emptied on success.
bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 QString& failure, const OutputSinkFactory& outputSink = {});

// Why the output path may not be written, as a sentence for the user, or an
// empty text when it may. Creating the output empties the file it names, so it
// may not name one of the build's inputs (the base rom, the menu script, a
// rom) nor the program's own settings file or build log, by any spelling or
// link.
QString RefusedOutputReason(const GbaBuildRequest& request);
