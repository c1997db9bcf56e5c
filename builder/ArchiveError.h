#pragma once

#include "platform/FileError.h"

#include <QString>
#include <QtGlobal>

namespace builder
{

// Why an archive gives no rom: Romweaver takes one rom per archive and reads
// it whole, so an archive holding none or several, one it cannot decrypt, one
// it cannot read to the rom's end and one that would cost more than its
// limits (ArchiveLimits) are refused before a build writes anything, and
// marked in the selection.
//
// A value of kinds and typed details, not of text: it crosses from the
// archive reader's process to the program (ArchiveReaderMessages), and each
// front end words it in the user's language (detailText() for the detail).
class ArchiveError : public platform::FileError
{
public:
    enum class Kind : quint8 {
        NoRom,       // no member is a rom
        SeveralRoms, // romCount members are
        Encrypted,   // a member, or the archive's own list of members, is encrypted
        Damaged,     // reading stopped on damage (detail: what and where)
        Unreadable,  // a compression Romweaver does not unpack (detail: which, and where)
        WrongFormat, // not the format its name says (format: "zip", "7-Zip", "gzip")
        TooLarge,    // what it declares passes a limit (detail: which limit)
        TooCostly,   // reading it passed a limit the system enforces (detail: which)
    };
    // What exactly; member() and method() say where and how, for the details
    // that name them.
    enum class Detail : quint8 {
        None,
        // Damaged
        Truncated,
        ListDamaged,
        ListMissing, // a zip's central directory is not there: it may be truncated
        ListCrc,
        StartHeaderDamaged,
        FirstMemberDamaged,
        MemberAfterDamaged,   // member(): the one before
        MemberDataDamaged,    // member()
        MemberCrc,            // member()
        LocalHeaderDisagrees, // member(): a zip's local header says otherwise than its list
        TarHeaderDamaged,     // number(): how many members came before it
        TarHeaderTooLong,
        TarHeaderNoSize,
        GzipCrc,
        GzipLength,
        CompressedDataInvalid,
        RomGone, // the member a look found is no longer there
        // Unreadable
        Split,              // one part of an archive split into several files
        MemberMethod,       // member() compressed with method()
        MemberMethodNumber, // member() compressed with method number method()
        Method,             // compressed with method()
        MethodNumber,       // compressed with method number method()
        PackedUnknownWay,
        MemberPackedUnknownWay, // member()
        GzipMethod,             // not Deflate
        AdditionalStreams,      // a 7-Zip header with additional streams
        ListPackedUnknownWay,
        ReaderUnavailable, // the archive reader's program could not be started (member(): why)
        // TooLarge
        TooManyMembers,
        TooMuchUnpacked,
        ListTooLong,
        TooMuchMemory, // number(): the memory declared
        // TooCostly
        MemoryLimit,
        ProcessorTimeLimit,
        ReaderStopped, // the archive reader's process ended on it
    };

    ArchiveError(const QString& archiveName, Kind kind, int romCount = 0);
    ArchiveError(const QString& archiveName, Kind kind, Detail detail, const QString& member = {},
                 const QString& method = {}, qint64 number = 0);
    // A format the archive is not, for WrongFormat.
    static ArchiveError wrongFormat(const QString& archiveName, const QString& format);
    // An error made again from its parts (as ArchiveReaderMessages carry them).
    static ArchiveError restored(const QString& archiveName, Kind kind, Detail detail, int romCount,
                                 const QString& member, const QString& method, qint64 number);
    // This error about the archive of another name.
    ArchiveError withArchiveName(const QString& archiveName) const;

    Kind kind() const { return m_kind; }
    Detail detailKind() const { return m_detail; }
    // The archive's name as the reader was given it (its file name).
    const QString& archiveName() const { return path(); }
    int romCount() const { return m_romCount; }
    const QString& member() const { return m_member; }
    // A compression method's name (a proper name, never translated), or its
    // number as the format writes it; for WrongFormat the format's name.
    const QString& method() const { return m_method; }
    qint64 number() const { return m_number; }
    // The detail in the user's language, after "… is damaged: " and the like.
    QString detail() const;
    // The reason without the archive's name, in English, for logs.
    QString reason() const;

    // The same error: of the same kind, with the same details.
    bool sameAs(const ArchiveError& other) const;

private:
    Kind m_kind;
    Detail m_detail = Detail::None;
    int m_romCount = 0;
    QString m_member;
    QString m_method;
    qint64 m_number = 0;
};

} // namespace builder
