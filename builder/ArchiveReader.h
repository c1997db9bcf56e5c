#pragma once

#include "builder/ArchiveInput.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace builder
{

// The rom inside a .zip, .7z or .gz archive, in memory only: nothing is
// unpacked to disk and the archive is never written. Each format is read by
// its own name alone: a .zip as a zip, a .7z as a 7-Zip archive, a .gz as gzip
// data holding one file or a tar archive.
//
// The rom is the one member that is an iNES rom or, when no member is, the one
// member named *.nes; folders, links and other members are passed over. The
// sizes an archive records are never used for the rom: it is measured by
// reading it to its end, which also checks its checksum before any of its
// bytes are used. What the archive declares otherwise (how many members, how
// large its list of members, its dictionaries, how much has to be unpacked to
// reach a member) is checked before it is read, and the reading stops at the
// limits of archiveLimits whatever it declares, counting what the decoders
// make. The first error of reading or unpacking ends the reading
// (ArchiveError).
//
// A stranger's bytes are read by this class only in the archive reader's own
// process, under limits the system enforces (ArchiveReaderProcess); the
// program itself never calls it.
class ArchiveReader
{
public:
    // archiveName: the archive's file name, which says its format, for the
    // errors and for the name of a bare .gz's file when its header keeps none.
    ArchiveReader(ArchiveInput& input, const QString& archiveName);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // .zip, .7z or .gz, letter case ignored.
    static bool isArchiveName(const QString& fileName);

    struct Rom {
        int member = -1;   // its place among the archive's entries
        QByteArray header; // its first 16 bytes, fewer when it is shorter
        qint64 length = 0; // its length, read to its end
        // Where asked for: its bytes up to its declared length, what a build
        // appends of it.
        std::optional<QByteArray> bytes;
    };
    // Goes through the archive once: finds the rom and reads it through,
    // keeping its bytes when asked. Throws ArchiveError (no rom, several,
    // encrypted, damaged, not readable, not its format, too large) or
    // FileError (the file itself).
    Rom findRom(bool keepBytes = false);

    // The rom at the given place, read to its end, its bytes kept: what a
    // build appends. Throws ArchiveError (RomGone when the archive has no
    // member there any more, and as findRom) or FileError.
    Rom readMember(int member);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace builder
