#pragma once

#include <QStringList>

namespace cli
{

// romweaver-build [--numbered] [--sorted] [--menu FILE] -o OUTPUT ROM...
//
// Writes the menu script and the GBA rom through the wizard's own builder,
// with the program directory's files (the base rom, the settings file for the
// titles, read only, the build log). Returns the exit status: 0 when the GBA rom was
// written, 1 when the build failed (the reason on standard error), 2 for a
// usage error. --help and --version print and exit at once.
int runBuildCommand(const QStringList& arguments);

} // namespace cli
