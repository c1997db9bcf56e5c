#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform
{

// The mount table as Linux gives it (/proc/self/mountinfo), and which of its
// mounts a file manager would show a user as places to go: the drive
// selector's entries outside Windows. Pure functions, so a table of rows
// tests them on any system.

struct MountEntry {
    QString mountPoint;
    QString fileSystemType;
    QString source;
    QStringList options; // per mount and per file system, together
};

// One entry per well-formed line; escaped characters (\040 for a blank) are
// decoded, malformed lines left out.
QList<MountEntry> parseMountInfo(const QByteArray& text);

// "/" first, then the home folder (a place of its own, mount or not), then
// the volumes a user mounts, sorted and without repeats: mounts under /media,
// /run/media and /mnt or inside the home folder, network shares wherever they
// are, and those marked x-gvfs-show. Never pseudo or in-memory file systems,
// read-only images (squashfs, snaps), overlays, system folders (/boot, /run,
// /var, ...) or mounts marked x-gvfs-hide. homeFolder may be empty.
QStringList userVolumes(const QList<MountEntry>& mounts, const QString& homeFolder);

// The root of `roots` that holds the directory: the longest one that is the
// directory itself or one of its ancestors; empty when none is.
QString rootHolding(const QStringList& roots, const QString& directory);

} // namespace platform
