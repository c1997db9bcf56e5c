#pragma once

#include "builder/ArchiveError.h"
#include "builder/ArchiveMembers.h"
#include "builder/GzipStream.h"

#include <QByteArray>

namespace builder
{

class ArchiveInput;
class UnpackedCount;

// The members of a .gz: the one file it packs, or the members of the tar
// archive inside it (a .tar.gz). The tar headers are read here rather than by
// libarchive, whose tar reader allocates an entry for every piece a sparse
// member's map declares: reading a tar needs a few header fields, and costs
// nothing here beyond the bytes unpacked, which GzipStream counts.
class GzipMembers : public ArchiveMembers
{
public:
    // archiveName names a bare .gz's file when its header keeps no name.
    // Throws ArchiveError: not gzip data, damaged, too large.
    GzipMembers(ArchiveInput& input, const QString& archiveName, UnpackedCount& unpacked);

    bool next(Member& member) override;
    qint64 read(char* data, qint64 maxSize) override;
    // Unpacks the rest of the gzip data, to its trailer's check.
    void finish() override;

private:
    bool nextTarMember(Member& member);
    // The next tar block, fewer bytes at the data's end.
    QByteArray readBlock();
    QByteArray readTarData(qint64 size);
    void skip(qint64 count);
    [[noreturn]] void failDamaged(ArchiveError::Detail detail, qint64 number = 0) const;

    QString m_archiveName;
    GzipStream m_stream;
    QByteArray m_start; // the first bytes: a tar header, or a bare file's start
    qint64 m_startRead = 0;
    bool m_tar = false;
    int m_passed = 0;       // members given so far
    qint64 m_remaining = 0; // the current member's bytes not yet read
    qint64 m_padding = 0;   // the zeros after them, up to a tar block's end
    bool m_ended = false;
};

} // namespace builder
