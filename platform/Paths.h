#pragma once

#include <QString>

namespace platform
{

// How paths are spelt and compared on this system.

// "\" on Windows, "/" elsewhere.
QString pathSeparator();

// dir + separator + name. The separator is always added, so a drive root
// (which already ends in one) gives two in a row; the file systems accept that.
QString joinPath(const QString& dir, const QString& name);

// The path in native spelling without a trailing separator, except at a root.
QString nativeDirectory(const QString& path);

// The path in native spelling with one trailing separator.
QString withTrailingSeparator(const QString& path);

// Whether two paths name one file or folder: the same spelling does; else by
// identity where either exists (so links, ".." and letter case do not
// matter); where neither exists, whether they would once created: the same
// folder and the same name (letter case ignored where the system ignores it).
bool namesSameFile(const QString& a, const QString& b);

// Whether this system's file names ignore letter case (Windows) or not.
Qt::CaseSensitivity fileNameCase();

} // namespace platform
