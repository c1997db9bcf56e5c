// romweaver-archive-reader: the archive reader's process. Romweaver and
// romweaver-build start it and read archives through it, under the limits
// they set it (builder::ArchiveReaderProcess); it is not run by hand.

#include "builder/ArchiveLimits.h"
#include "builder/ArchiveReaderService.h"
#include "platform/LimitedProcess.h"

int main()
{
    platform::helperSide::prepare(builder::archiveLimits::Memory);
    return builder::serveArchiveReading();
}
