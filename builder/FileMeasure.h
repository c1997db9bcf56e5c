#pragma once

#include <QString>
#include <QtGlobal>

namespace builder
{

// The size of an existing regular file, opened for reading only to measure it
// (shared and without waiting: measuring must not disturb another program,
// and a pipe must not hold it up). Throws FileError.
qint64 measureFile(const QString& path);

// The size of a rom as the size estimate counts it: a plain file's size, or
// the unpacked length of the rom in an archive (read, never taken from what
// the archive records, and only up to one byte past its declared length).
// Throws FileError, or ArchiveError for an archive that gives no rom.
qint64 measureRom(const QString& path);

// Bytes as a whole number of KB, rounded half to even (1536 -> 2, 2560 -> 2).
qint64 roundedKB(qint64 bytes);

// The base rom's size in KB, or 0 when it cannot be opened or measured.
int measureBaseRomKB(const QString& baseRomPath);

} // namespace builder
