#pragma once

#include "builder/Build.h"
#include "wizard/controls/MessageBoxes.h"

#include <QString>

#include <exception>

namespace builder
{
class ArchiveError;
} // namespace builder

namespace wizard
{

// The wizard's sentences for what the layers below it report, in the user's
// language: each kind of problem, the warning for a build that wrote nothing,
// an error no handler caught.

// A lower layer's error (a file, an archive that gives no rom, a compilation
// file, the settings file) as the end of a sentence, after a colon:
// "cannot open file "<path>": <the system's reason>", no full stop.
QString errorClause(const platform::FileError& error);
// The same as a sentence of its own: a plain first word capitalised.
QString errorSentence(const platform::FileError& error);

// Why an archive gives no rom, as the selection's mark says it (the archive's
// name stands beside it): "Damaged archive: <what is damaged>".
QString archiveMark(const builder::ArchiveError& error);

// A problem as the end of a sentence (after "The GBA rom was not written:").
QString problemClause(const builder::BuildProblem& problem);

// The warning for a build that wrote nothing (Refused or Failed): why, and
// for a failure what became of the output ("<output> is unchanged.",
// "Nothing was written to <output>."); of many problems the first ten.
QString notWrittenWarning(const builder::BuildResult& result, const QString& outputPath);

// An error no handler caught: the settings file not written ("Unable to
// write to <path>", the reason beneath), any other (its text). The windows'
// guard (RunGuarded) is given it at start-up.
ErrorMessage uncaughtErrorMessage(const std::exception& error);

} // namespace wizard
