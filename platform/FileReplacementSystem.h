#pragma once

#include "platform/FileReplacement.h"

#include <QString>

#include <memory>

namespace platform
{

// The part of a file replacement each system makes in its own way, and the
// names both parts share.

// The file the new contents are for: a symbolic link is followed to its
// target, also when that target does not exist yet.
QString replacedPath(const QString& path);

// A name beside the target that no file of this process had yet; the
// exclusive creation of the new file makes sure no other file has it. Its
// length stays within what a file name may have, whatever the target's:
// a long target name is cut (replacementStem).
QString newReplacementName(const QString& target, const QString& suffix);

// The length of a file name as the file system counts it against its limit
// of 255: bytes of the name's encoding (UTF-8), or UTF-16 units on Windows.
qsizetype fileNameLength(const QString& name);

// The old file opened without sharing, for a replacement that holds it; none
// where there is no old file yet. Throws FileError.
std::unique_ptr<ExclusiveFile> holdOldFile(const QString& target);

// This system's replacement of the file at target (a link already followed).
std::unique_ptr<FileReplacement> replacementOf(const QString& target,
                                               const ReplacementOptions& options);

} // namespace platform
