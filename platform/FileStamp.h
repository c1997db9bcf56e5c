#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform
{

// Identity of a file on disk, independent of the spelling of its path
// (links, "..", letter case on case-insensitive file systems).
struct FileIdentity {
    quint64 device = 0;
    quint64 index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What the file system tells of a file without reading it, to see whether it
// changed since it was last read: which file it is, its size and its times.
struct FileStamp {
    FileIdentity identity;
    qint64 size = 0;
    qint64 modified = 0; // last write, in the file system's own units
    qint64 changed = 0;  // last change of contents or attributes; 0 where not kept
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file or folder a path names (a link is followed), or
// nothing when there is no such file or it cannot be asked.
std::optional<FileStamp> fileStamp(const QString& path);

// The stamp of an open file (a file descriptor, or a Windows HANDLE), or
// nothing when it cannot be asked.
std::optional<FileStamp> fileStampOfHandle(qintptr handle);

// The identity of the file or folder a path names, or nothing.
std::optional<FileIdentity> fileIdentity(const QString& path);

} // namespace platform
