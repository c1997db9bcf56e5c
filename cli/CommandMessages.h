#pragma once

#include "builder/BuildProblem.h"
#include "builder/BuildStatus.h"

#include "platform/FileError.h"

#include <QString>

#include <exception>

namespace cli
{

class GivenPaths;

// romweaver-build's own sentences for what the build reports, in the user's
// language and the command's style: lower case after "romweaver-build: ", one
// sentence, no closing full stop. Files are named as given on the command line.

// The status beside the progress bar: the write page's, without the "Writing
// GBA rom - " every step of the writing begins with (the bar says as much).
// A sentence as one line of a terminal: the control characters a name may
// bring (a line break that would start a line of its own, the escapes that
// move the cursor or recolour), and the marks that turn text around, each
// shown as U+FFFD. Names come from the disk, from archives and from
// compilation files: anyone's. Every line the command prints passes here.
QString onOneLine(QString text);

QString statusBesideBar(builder::BuildStatus status, const QString& romFileName = {});

// An output that is a file but no earlier GBA rom, without --force.
QString otherFileRefusal(const QString& output);
// A file that is not an iNES rom: refused without --allow-non-rom, else a warning.
QString nonRomRefusal(const QString& rom);
QString nonRomWarning(const QString& rom);
// A GBA rom larger than a cartridge holds, written all the same.
QString oversizeWarning(qint64 imageKB);
// Where a build wrote its GBA rom (the full path).
QString writtenNotice(const QString& output);

// A build that wrote nothing (Refused or Failed), in lines that each follow
// "romweaver-build: ": one problem in one line ("the GBA rom was not written:
// <problem>"), several each on a line of their own; a failure as its
// description says it; another build writing.
QStringList notWrittenLines(const QList<builder::BuildProblem>& problems, const GivenPaths& given);

// A lower layer's error (a file, an archive that gives no rom, a compilation
// file, the settings file) as the command's sentence, its files as given.
QString errorClause(const platform::FileError& error, const GivenPaths& given);
// An error no other handler caught, as the command's sentence.
QString uncaughtErrorClause(const std::exception& error);

// A sentence of Qt's argument parser ("Missing value after '-o'.") in the
// command's style: its capitalised first word in lower case, no closing full
// stop. The parser tells no kinds to word its errors from.
QString foreignClause(QString text);

} // namespace cli
