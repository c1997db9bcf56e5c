#pragma once

#include <QString>
#include <QStringList>

// Everything that differs between Windows and the other desktops lives here:
// the path separator, the list of drives, where the executable lies.
namespace platform
{

// "\" on Windows, "/" elsewhere.
QString pathSeparator();

// dir + separator + name. The separator is always added, so a drive root
// (which already ends in one) gives two in a row; the file systems accept that.
QString joinPath(const QString& dir, const QString& name);

// The path in native spelling without a trailing separator, except at a root.
QString nativeDirectory(const QString& path);

// The directory of the running executable, native spelling, trailing separator.
QString programDirectory();

// Roots the drive selector offers: drive letters on Windows, mounted volumes elsewhere.
QStringList driveRoots();

// The root (drive or mount point) that holds the given directory.
QString driveRootOf(const QString& directory);

// Whether two paths name one file: by identity where both exist (so links,
// ".." and letter case do not matter); where neither exists, whether they
// would once created: the same directory and the same name (letter case
// ignored on Windows).
bool namesSameFile(const QString& a, const QString& b);

} // namespace platform
