#pragma once

#include "ExclusiveFile.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// What the file system tells of a file without reading it, to see whether it
// changed since it was last read: which file it is, its size and its times.
struct FileStamp {
    FileIdentity identity;
    qint64 size = 0;
    qint64 modified = 0; // last write, in the file system's own units
    qint64 changed = 0;  // last change of contents or attributes; 0 where not kept
    bool operator==(const FileStamp&) const = default;
};

namespace platform
{

// The stamp of the file a path names (a link is followed), or nothing when
// there is no such file or it cannot be asked.
std::optional<FileStamp> fileStamp(const QString& path);

} // namespace platform
