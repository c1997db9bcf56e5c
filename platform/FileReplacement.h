#pragma once

#include "platform/ExclusiveFile.h"

#include <QString>

#include <memory>

namespace platform
{

// New contents for a file that take the old file's place in one step, or not
// at all. The bytes go to a new file beside the old one, opened without
// sharing; commit() makes them durable and only then puts the new file in the
// old one's place. Until a commit succeeds, and after any failure of write()
// or commit(), the old file (or its absence) stays exactly as it was and the
// new file is discarded. Failures name the file being replaced, the one its
// user knows.
class FileReplacement : public ByteSink
{
public:
    // Throws FileError; after a failure nothing has changed.
    virtual void commit() = 0;
};

struct ReplacementOptions {
    // Ends the new file's name ("<file>.new-<process id>-<six letters><suffix>"),
    // so that one left behind shows what it is.
    QString newFileSuffix;
    // Holds the old file open without sharing until the commit, so that no
    // other program changes it meanwhile; a file another program holds fails
    // the start at once.
    bool holdsOldFile = false;
};

// Starts replacing the file at path (a symbolic link is followed, so the link
// stays and its target gets the new contents; an existing file's permissions
// carry over). Throws FileError when the new file cannot be made beside it,
// when the path names a directory, or when the existing file may not be
// written.
std::unique_ptr<FileReplacement> startReplacing(const QString& path,
                                                const ReplacementOptions& options = {});

// The file a replacement of path writes: path itself, or where its symbolic
// links lead.
QString replacedFile(const QString& path);

// Removes the new files that replacements of the file at path began and never
// finished (their process was killed): those of a process that no longer
// runs, and any older than a minute, unless a running process still holds it.
// Nothing else is touched; failures are ignored. Call it while no replacement
// of that file can be under way (under the lock that writers of the file take).
void removeLeftoverReplacements(const QString& path);

// The same for the whole folder where replacing the file at path puts its new
// file: removes the new files with this suffix that replacements of any file
// there left, by the same rule.
void removeLeftoverReplacementsBeside(const QString& path, const QString& newFileSuffix);

} // namespace platform
