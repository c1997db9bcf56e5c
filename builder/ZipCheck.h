#pragma once

#include <QString>

namespace builder
{

class ArchiveInput;

// A zip's end record and central directory, read before libarchive reads
// them: libarchive's seekable zip reader keeps an entry in memory for every
// record of the central directory, however many there are, whatever count the
// end record gives, and its zip reader unpacks methods whose dictionary or
// model size the member's data declares (LZMA, XZ, PPMd, Zstandard).
// Romweaver unpacks stored and Deflate members, and BZip2 ones where its
// libarchive has BZip2 (bzip2Unpacked).
//
// Returns the number of members. Throws ArchiveError: no zip at all
// (WrongFormat), an end record missing or a central directory broken
// (Damaged), one part of a split archive or a compression Romweaver does not
// unpack (Unreadable), more members or a longer directory than
// archiveLimits allows (TooLarge).
int checkZip(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked);

} // namespace builder
