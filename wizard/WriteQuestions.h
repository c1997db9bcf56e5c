#pragma once

#include "builder/Build.h"

#include <QString>

class QWidget;

namespace wizard
{

// The write page's part in a build: the questions it asks before anything is
// written (an output that is a file but no earlier GBA rom, a selected file
// that is not an iNES rom, an image larger than a GBA cartridge holds; No is
// the default answer), and a failure to write the menu script shown as any
// error a handler does not catch. romsDirectory is the selected roms' folder,
// named in the question about a file that is not an iNES rom.
builder::BuildHooks writePageHooks(QWidget* parent, const QString& romsDirectory);

} // namespace wizard
