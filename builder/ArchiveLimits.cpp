#include "builder/ArchiveLimits.h"

#include "builder/ArchiveError.h"

namespace builder
{

void UnpackedCount::add(qint64 bytes)
{
    m_total += bytes;
    if (m_total > archiveLimits::Unpacked)
        throw ArchiveError(m_archiveName, ArchiveError::Kind::TooLarge,
                           ArchiveError::Detail::TooMuchUnpacked);
}

} // namespace builder
