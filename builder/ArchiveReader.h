#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>

namespace builder
{

// The bytes of an archive file as the reader takes them. Failures throw FileError.
class ArchiveInput
{
public:
    virtual ~ArchiveInput() = default;
    // From the current position; the count read, 0 at the end.
    virtual qint64 read(char* data, qint64 maxSize) = 0;
    virtual void seek(qint64 offset) = 0;
    virtual qint64 size() = 0;
};

// The rom inside a .zip, .7z or .gz archive, read with libarchive, in memory
// only: nothing is unpacked to disk and the archive is never written.
//
// The rom is the one member that is an iNES rom or, when no member is, the one
// member named *.nes; folders, links and other members are passed over. The
// sizes an archive records are never used: a rom is measured by reading it,
// and never further than one byte past the length its header declares, so an
// archive claiming anything costs at most that much. The first error of
// reading or unpacking ends the reading (ArchiveError, Damaged).
class ArchiveReader
{
public:
    // archiveName: the archive's file name, for the errors and for the name of
    // a bare .gz's member when its header keeps none.
    ArchiveReader(ArchiveInput& input, const QString& archiveName);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // .zip, .7z or .gz, letter case ignored.
    static bool isArchiveName(const QString& fileName);

    struct Rom {
        int member = -1;   // its place among the archive's entries
        QByteArray header; // its first 16 bytes, fewer when it is shorter
        qint64 length = 0; // its length, or its declared length + 1 when it is longer
    };
    // Goes through the archive once: finds the rom and reads it through.
    // Throws ArchiveError (no rom, several, encrypted, damaged, not readable)
    // or FileError (the file itself).
    Rom findRom();

    // Starts a new pass that reads the given member from its first byte.
    void startMember(int member);
    // The member's next bytes; 0 at its end. Throws ArchiveError when damaged.
    qint64 read(char* data, qint64 maxSize);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace builder
