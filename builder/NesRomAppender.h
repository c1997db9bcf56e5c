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
struct RomSurvey;

// Appends the rom romsDirectory + separator + fileName to the output as its
// header allows: whole when its length matches the header, cut to the declared
// length when it is longer (and logged), or, when it is shorter, backed up to
// the backup folder in the rom directory, its bank counts repaired in place, logged and
// appended whole. The rom is opened for writing only for a repair. A rom in an
// archive (RomSource), and a file that does not begin with the iNES signature,
// go by the same rules, except that a repair is made in the appended bytes
// alone: such a file is never written and no backup is made.
// Returns what it did with the rom. Throws FileError; files it opened are
// closed on every path.
// surveyed, where given, is the build's survey of this rom: an archive it
// measured is not searched again but, once its file is found unchanged (else
// FileError), appended from the bytes the survey kept or read once more.
RomFate AppendNESRom(platform::ByteSink& output, const QString& romsDirectory,
                     const QString& fileName, BuildLog& log, CopyBuffer& buffer,
                     const RomSurvey* surveyed = nullptr);
RomFate AppendNESRom(platform::ByteSink& output, const QString& romsDirectory,
                     const QString& fileName, BuildLog& log);

} // namespace builder
