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

// Where Tessel.GBA, menu.out, Romweaver.ini and Romweaver.log live, native
// spelling, trailing separator. Portable: the executable's directory when
// Tessel.GBA lies beside the executable, and always on Windows. Installed
// (other desktops): else the user's data directory, created when needed.
QString programDirectory();

// The rule behind programDirectory(), for any two directories: executableDir
// when it holds a Tessel.GBA file or when userDataDir is empty (no installed
// mode), else userDataDir. Both as given, with their trailing separators.
QString chooseProgramDirectory(const QString& executableDir, const QString& userDataDir);

// The user's data directory for Romweaver (e.g. ~/.local/share/Romweaver/),
// native spelling, trailing separator; empty on Windows, which has no
// installed mode. Only the path: the directory need not exist.
QString userDataDirectory();

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
