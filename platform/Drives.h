#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// The drive selector's entries: drive letters on Windows; elsewhere "/", the
// home folder and the volumes a user mounts, as a file manager lists them
// (userVolumes in MountTable.h).

QStringList driveRoots();

// The entry of driveRoots() that holds the given directory: its drive letter,
// or the deepest listed root above it ("/" for a system folder).
QString driveRootOf(const QString& directory);

} // namespace platform
