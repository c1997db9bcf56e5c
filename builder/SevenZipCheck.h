#pragma once

#include <QString>

namespace builder
{

class ArchiveInput;

// A 7-Zip archive's header, read before libarchive reads it. libarchive
// allocates its tables from the counts the header declares (files, folders,
// streams: up to 100 million each), its decoders from the dictionary size a
// coder declares (up to 4 GiB), and unpacks a solid block from its start to
// reach a member; none of it is bounded by the archive's own size. So the
// header is read here first (unpacked with liblzma when it is compressed), and
// the archive is refused unless everything libarchive will allocate and unpack
// to read every member's first bytes stays within archiveLimits. The header is
// read byte for byte as libarchive reads it; where the two could read it
// differently, or it says what 7-Zip never writes and libarchive would take on
// trust (a stream with bytes and no CRC, a pack stream longer than its folder
// could need, a folder that gives no member a stream), it is refused as
// damaged. Romweaver unpacks Copy, LZMA, LZMA2, Deflate and the BCJ, BCJ2, ARM,
// ARMT, PPC, SPARC, IA64 and Delta filters, and BZip2 where its libarchive has
// BZip2 (bzip2Unpacked). Not PPMd: it unpacks data that does not compress at
// about 1 MiB a second, so a rom and the limit of archiveLimits::Unpacked would
// take half a minute.
//
// Returns the number of members. Throws ArchiveError: no 7-Zip archive
// (WrongFormat), a damaged or truncated header (Damaged), an encrypted header
// (Encrypted), a compression Romweaver does not unpack (Unreadable), a limit
// passed (TooLarge).
int checkSevenZip(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked);

} // namespace builder
