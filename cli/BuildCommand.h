#pragma once

#include <QStringList>

namespace cli
{

// romweaver-build [--numbered] [--sorted] [--menu FILE] [--allow-non-rom] [--force]
//                 -o OUTPUT ROM...
//
// Writes the menu script and the GBA rom through the wizard's own build, with
// the program directory's files (the base rom, the settings file for the
// titles, read only, the build log). Returns the exit status: 0 when the GBA
// rom was written, 1 when the build failed or was refused (one sentence on
// standard error after "romweaver-build: ", one per problem for a refusal
// with several), 2 for a usage error (the same, and the usage line). --help
// and --version print and exit at once.
int runBuildCommand(const QStringList& arguments);

} // namespace cli
