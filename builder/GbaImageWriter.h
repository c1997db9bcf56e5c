#pragma once

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
    QString outputPath;       // full path of the GBA rom to write
    QString programDirectory; // with trailing separator: Tessel.GBA and menu.out lie here
    QString romsDirectory;    // NESRomsDir
    QStringList romFileNames; // in menu order
    int selectedRomCount = 0; // entries of the selected-rom list, for the progress plan
};

// Builds the GBA rom: base rom, menu script, then each rom through
// AppendNESRom. Returns false on any failure, leaving the output with what was
// appended before it; the reporter keeps what it showed at the failing step.
// An output path that names one of the inputs (by any spelling or link) is
// refused before anything is created: false, and no file is touched.
bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log);

// True when the output path names one of the build's inputs (the base rom, the
// menu script or a rom), by any spelling or link: such a build is refused.
bool OutputNamesAnInput(const GbaBuildRequest& request);

// Puts a sink between the writer and the output file it created, for tests
// that make writing fail partway (a full disk). The writer still closes the
// file itself.
using OutputSinkFactory = std::function<std::unique_ptr<ByteSink>(ByteSink& outputFile)>;
bool WriteGBARom(const GbaBuildRequest& request, ProgressReporter& progress, BuildLog& log,
                 const OutputSinkFactory& outputSink);
