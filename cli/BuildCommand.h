#pragma once

#include <QStringList>

// romweaver-build [--numbered] [--sorted] [--menu FILE] -o OUTPUT ROM...
//
// Writes menu.out and the GBA rom through the wizard's own builder, from the
// same program directory (Tessel.GBA, Romweaver.ini for the titles, read
// only, Romweaver.log). Returns the exit status: 0 when the GBA rom was
// written, 1 when the build failed (the reason on standard error), 2 for a
// usage error. --help and --version print and exit at once.
int RunBuildCommand(const QStringList& arguments);
