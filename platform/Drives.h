#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// The drive selector's entries: drive letters on Windows, the volumes a user
// works with elsewhere.

QStringList driveRoots();

// The root (drive or mount point) that holds the given directory.
QString driveRootOf(const QString& directory);

} // namespace platform
