#pragma once

#include <QString>

namespace builder
{

class ArchiveInput;
class UnpackedCount;

// A zip's end record and central directory, read before libarchive reads
// them: libarchive's seekable zip reader keeps an entry in memory for every
// record of the central directory, however many there are, whatever count the
// end record gives, and its zip reader unpacks methods whose dictionary or
// model size the member's data declares (LZMA, XZ, PPMd, Zstandard).
// Romweaver unpacks stored and Deflate members, and BZip2 ones where its
// libarchive has BZip2 (bzip2Unpacked). libarchive inflates the target of a
// link packed with Deflate as it reads the link's header: that is added to
// unpacked, the count of the archive's reading.
//
// Returns the number of members. Throws ArchiveError: no zip at all
// (WrongFormat), an end record missing, a central directory broken or a name
// holding a NUL (Damaged), one part of a split archive or a compression
// Romweaver does not unpack (Unreadable), more members, a longer directory or
// more unpacked than archiveLimits allows (TooLarge).
int checkZip(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked,
             UnpackedCount& unpacked);

} // namespace builder
