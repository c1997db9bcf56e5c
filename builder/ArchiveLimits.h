#pragma once

#include <QString>
#include <QtGlobal>

namespace builder
{

// What reading one archive may cost, whatever the archive declares: archives
// come from anywhere, and a file of a few hundred bytes can declare millions of
// members, gigabytes of contents or a dictionary of 4 GiB. Reading stops, and
// the archive is refused (ArchiveError, TooLarge), before any of these is
// passed. Every real single-game archive stays far below them: a NES rom is at
// most 6 MiB, its archive holds it and perhaps a few notes and pictures.
namespace archiveLimits
{

constexpr qint64 MiB = 1024 * 1024;

// Members looked at: an archive's files, folders and links.
constexpr int Members = 10000;
// Bytes unpacked in all: the rom, the other members' first bytes and whatever
// has to be unpacked to reach them (the members before them in a solid 7-Zip
// block, in a .tar.gz): 16 MiB besides the longest rom a header declares,
// (255 × 16 + 255 × 8) × 1024 + 16 bytes, and one byte to see that a rom is
// longer. Data that does not compress unpacks at about 15 to 20 MiB a second
// with LZMA or BZip2, so a pass through any archive takes about a second.
constexpr qint64 RomRead = 6266897;
constexpr qint64 Unpacked = 16 * MiB + RomRead;
// The list of members: a zip's central directory, a 7-Zip archive's header
// (unpacked).
constexpr qint64 MemberList = 16 * MiB;
// The memory that unpacking one stream may take: the dictionary of LZMA or
// LZMA2, the side streams of BCJ2 (7-Zip shrinks a dictionary to the data for
// a small archive, so 128 MiB holds any rom's).
constexpr qint64 UnpackMemory = 128 * MiB;
// What reading one archive takes in all, the memory above included. The
// archive reader's process may take this much besides what it takes before it
// reads anything, and the system refuses it more (ArchiveReaderProcess).
constexpr qint64 Memory = 256 * MiB;
// The processor time the archive reader's process may spend on one archive,
// also counted by the system: at least one second less than this, never more.
// Unpacking the most any archive may unpack takes about a second.
constexpr int ProcessorSeconds = 2;

} // namespace archiveLimits

// Counts the bytes an archive's reading unpacks, and stops it past the limit.
class UnpackedCount
{
public:
    explicit UnpackedCount(const QString& archiveName) : m_archiveName(archiveName) {}
    // Throws ArchiveError (TooLarge) once the count passes archiveLimits::Unpacked.
    void add(qint64 bytes);
    qint64 total() const { return m_total; }

private:
    QString m_archiveName;
    qint64 m_total = 0;
};

} // namespace builder
