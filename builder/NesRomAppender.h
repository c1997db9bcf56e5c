#pragma once

#include "builder/BuildReport.h"

#include <QString>

namespace platform
{
class ByteSink;
} // namespace platform

namespace builder
{

class BuildLog;
class CopyBuffer;

// Appends the rom romsDirectory + separator + fileName to the output as its
// header allows: whole when its length matches the header, cut to the declared
// length when it is longer (and logged), or, when it is shorter, backed up to
// the backup folder in the rom directory, its bank counts repaired in place, logged and
// appended whole. The rom is opened for writing only for a repair. A rom in an
// archive (RomSource) goes by the same rules, except that a repair is made in
// the appended bytes alone: the archive is never written and no backup is made.
// Returns what it did with the rom. Throws FileError; files it opened are
// closed on every path.
RomFate AppendNESRom(platform::ByteSink& output, const QString& romsDirectory,
                     const QString& fileName, BuildLog& log, CopyBuffer& buffer);
RomFate AppendNESRom(platform::ByteSink& output, const QString& romsDirectory,
                     const QString& fileName, BuildLog& log);

} // namespace builder
