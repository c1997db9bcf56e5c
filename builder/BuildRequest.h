#pragma once

#include "platform/ProgramFiles.h"

#include <QString>
#include <QStringList>

namespace builder
{

// What a build is to make, gathered once by its caller (the write page, the
// command line).
struct BuildRequest {
    QString outputPath;           // full path of the GBA rom to write
    platform::ProgramFiles files; // the base rom, the menu script, the settings and the log
    QString romsDirectory;        // NESRomsDir
    QStringList romFileNames;     // in menu order
    int selectedRomCount = 0;     // entries of the selected-rom list, for the progress plan
    QStringList menuLines;        // one per rom, in the same order
};

} // namespace builder
