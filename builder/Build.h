#pragma once

#include "builder/BuildProblem.h"
#include "builder/BuildRequest.h"
#include "builder/GbaImageWriter.h"

#include <QString>

#include <functional>
#include <optional>

namespace builder
{

class BuildLog;
class ProgressReporter;

// What the caller of a build decides and how it wants failures along the way;
// every member may stay unset.
struct BuildHooks {
    // Asked before anything is written. False stops the build, nothing written
    // (BuildResult::Declined): the selected files that are not iNES roms (file
    // names, menu order; the size check may change their bytes 4 and 5 in the
    // image, never in the file), an image larger than a GBA cartridge holds.
    std::function<bool(const QStringList& romFileNames)> writeNonRom;
    std::function<bool(qint64 imageLength)> writeOversizeImage;
    // Asked first, before anything is written, when the output path names a
    // file that is no earlier image (it does not begin with the base rom's
    // bytes); false stops the build (Declined). Unset: the file is replaced.
    std::function<bool(const QString& outputPath)> replaceOtherFile;
    // Each selected file that is not an iNES rom is one of the problems the
    // build is refused for (NonRom, its full path) instead of a question
    // (writeNonRom).
    bool nonRomRefused = false;
    // A rom that cannot be read is refused before anything is written, rather
    // than failing the build when its turn comes (the command line: a user
    // learns every problem in one run).
    bool unreadableRomRefused = false;
    // A failure to write the menu script is thrown to the caller (the wizard
    // shows it as it shows any error a handler does not catch) rather than
    // ending the build as Failed.
    bool menuScriptFailureThrown = false;
    // Between the writer and the output file, for tests.
    OutputSinkFactory outputSink;
    // Where set, surveys each rom before the build in surveyRom's place (the
    // wizard's surveys, kept while the files stay as they were measured).
    RomSurveyer surveyRom;
};

// How a build ended. Unless it was Written, the output is as it was before.
struct BuildResult {
    enum class Outcome {
        Written,  // the GBA rom is complete
        Failed,   // a step failed; problems holds the failure
        Refused,  // nothing was written; problems holds every problem found
        Declined, // a question was answered no; nothing was written
    };
    Outcome outcome = Outcome::Failed;
    // Refused: every problem found, in the order of the request (its menu
    // lines, its output, its roms in menu order), or another build writing.
    // Failed: the failure (BuildProblem::Failed).
    QList<BuildProblem> problems;
    // Whether a file was at the output path before the build.
    bool outputExisted = false;
    // Written: what the build did with each rom, and its log messages.
    BuildReport report;

    bool written() const { return outcome == Outcome::Written; }
};

// The one build sequence of the wizard and the command line: takes the
// program directory's build lock, checks what the request would do (menu
// lines on one line each, an output that is none of the files the build
// needs and no folder, roms that are files, archives that give a rom: every
// problem at once; the caller's questions), writes the menu script, then the
// GBA rom (WriteGBARom), with the status texts of the write page on the way.
// The lock is held until the GBA rom is in place, and while the caller's
// questions wait for an answer.
BuildResult build(const BuildRequest& request, ProgressReporter& progress, BuildLog& log,
                  const BuildHooks& hooks = {});

// Why the output path may not be written (OutputIsInput, OutputIsSettings,
// OutputIsLog), or nothing when it may. Writing the output replaces the file
// it names, so it may not name one of the build's inputs (the base rom, the
// menu script, a rom) nor the program's own settings file or build log, by any
// spelling or link.
std::optional<BuildProblem> outputRefusal(const BuildRequest& request);

} // namespace builder
