#pragma once

#include <QStringList>

class QWidget;
struct GbaBuildRequest;

// Asks before a build that would surprise: when a selected file is not an iNES
// rom (the size check may rewrite its bytes 4 and 5), and when the image will
// be larger than a GBA cartridge holds. A selected name that is no file at
// all (a folder, device, pipe or socket) is refused with a warning. Only the
// roms' 16-byte headers are read. False when the build is not to go on:
// nothing has been touched then.
bool ConfirmUnusualBuild(QWidget* parent, const GbaBuildRequest& request,
                         const QStringList& menuLines);
