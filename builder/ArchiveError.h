#pragma once

#include "platform/FileError.h"

#include <QString>

namespace builder
{

// Why an archive gives no rom: Romweaver takes one rom per archive and reads
// it whole, so an archive holding none or several, one it cannot decrypt, one
// it cannot read to the rom's end and one that would cost more than its
// limits (ArchiveLimits) are refused before a build writes anything, and
// marked in the selection.
class ArchiveError : public platform::FileError
{
public:
    enum class Kind {
        NoRom,       // no member is a rom
        SeveralRoms, // romCount members are
        Encrypted,   // a member, or the archive's own list of members, is encrypted
        Damaged,     // reading stopped on damage (detail: what and where)
        Unreadable,  // a compression Romweaver does not unpack (detail: which, and where)
        WrongFormat, // not the format its name says (detail: "zip", "7-Zip", "gzip")
        TooLarge,    // reading it would cost more than a limit (detail: which limit)
    };

    ArchiveError(const QString& archiveName, Kind kind, int romCount = 0,
                 const QString& detail = QString());

    Kind kind() const { return m_kind; }
    // The archive's name as the reader was given it (its file name).
    const QString& archiveName() const { return path(); }
    int romCount() const { return m_romCount; }
    const QString& detail() const { return m_detail; }
    // The reason without the archive's name, in English, for the mark in the
    // selection.
    const QString& reason() const { return m_reason; }

private:
    Kind m_kind;
    int m_romCount;
    QString m_detail;
    QString m_reason;
};

} // namespace builder
