#pragma once

#include "platform/FileError.h"

#include <QString>

namespace builder
{

// Why an archive gives no rom: Romweaver takes one rom per archive and reads
// it whole, so an archive holding none or several, one it cannot decrypt and
// one it cannot read to the rom's end are refused before a build writes
// anything, and marked in the selection.
class ArchiveError : public platform::FileError
{
public:
    enum class Kind {
        NoRom,       // no member is a rom
        SeveralRoms, // romCount members are
        Encrypted,   // a member, or the archive's own list of members, is encrypted
        Damaged,     // reading stopped on an error (detail: libarchive's message)
        Unreadable,  // no archive format Romweaver reads (detail: libarchive's message)
    };

    ArchiveError(const QString& archiveName, Kind kind, int romCount = 0,
                 const QString& detail = QString());

    Kind kind() const { return m_kind; }
    // The reason without the archive's name, for the mark in the selection.
    const QString& reason() const { return m_reason; }

private:
    Kind m_kind;
    QString m_reason;
};

} // namespace builder
