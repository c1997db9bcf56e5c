#pragma once

#include "platform/ExclusiveFile.h"

#include <QString>

#include <memory>

namespace platform
{

// New contents for a file that take the old file's place in one step, or not
// at all. The bytes go to a new file beside the old one; commit() makes them
// durable and only then puts the new file in the old one's place. Until a
// commit succeeds, and after any failure of write() or commit(), the old file
// (or its absence) stays exactly as it was and the new file is discarded.
class FileReplacement : public ByteSink
{
public:
    // Throws FileError; after a failure nothing has changed.
    virtual void commit() = 0;
};

// Starts replacing the file at path (a symbolic link is followed, so the link
// stays and its target gets the new contents; an existing file's permissions
// carry over). Throws FileError when the new file cannot be made beside it,
// when the path names a directory, or when the existing file may not be
// written.
std::unique_ptr<FileReplacement> startReplacing(const QString& path);

// Removes the new files that replacements of the file at path began and never
// finished (their process was killed): those of a process that no longer
// runs, and any older than a minute. Nothing else is touched; failures are
// ignored. Call it while no replacement of that file can be under way (under
// the lock that writers of the file take).
void removeLeftoverReplacements(const QString& path);

} // namespace platform
