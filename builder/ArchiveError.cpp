#include "builder/ArchiveError.h"

#include "builder/ArchiveLimits.h"

#include <QCoreApplication>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;
using Detail = ArchiveError::Detail;

constexpr char Context[] = "builder::ArchiveError";

// The detail's text as written in the sources (English), its %1 and %2 still open.
const char* detailSource(Detail detail, qint64 number)
{
    switch (detail) {
    case Detail::None:
        return "";
    case Detail::Truncated:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "it is truncated");
    case Detail::ListDamaged:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "its list of members is damaged");
    case Detail::ListMissing:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its list of members is missing; it may be truncated");
    case Detail::ListCrc:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its list of members fails its CRC check");
    case Detail::StartHeaderDamaged:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "its start header is damaged");
    case Detail::FirstMemberDamaged:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "its first member is damaged");
    case Detail::MemberAfterDamaged:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "the member after %1 is damaged");
    case Detail::MemberDataDamaged:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "the data of %1 is damaged");
    case Detail::MemberCrc:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "%1 fails its CRC check");
    case Detail::LocalHeaderDisagrees:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "the local header of %1 does not agree with its list of members");
    case Detail::TarHeaderDamaged:
        return number == 0 ? QT_TRANSLATE_NOOP("builder::ArchiveError",
                                               "the tar header at its start is damaged")
                           : QT_TRANSLATE_NOOP("builder::ArchiveError",
                                               "the tar header after member %1 is damaged");
    case Detail::TarHeaderTooLong:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "a tar header in it is longer than 1 MiB");
    case Detail::TarHeaderNoSize:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "a tar header in it gives no size");
    case Detail::GzipCrc:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its unpacked data does not match the CRC-32 its gzip trailer "
                                 "records");
    case Detail::GzipLength:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its unpacked length does not match the length its gzip trailer "
                                 "records");
    case Detail::CompressedDataInvalid:
        return QT_TRANSLATE_NOOP("builder::ArchiveError", "its compressed data is invalid");
    case Detail::RomGone:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its rom is gone since it was first read");
    case Detail::Split:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "it is one part of an archive split into several files");
    case Detail::MemberMethod:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "%1 is compressed with %2, which Romweaver cannot unpack");
    case Detail::MemberMethodNumber:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "%1 is compressed with compression method %2, which Romweaver "
                                 "cannot unpack");
    case Detail::Method:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "it is compressed with %2, which Romweaver cannot unpack");
    case Detail::MethodNumber:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "it is compressed with compression method %2, which Romweaver "
                                 "cannot unpack");
    case Detail::PackedUnknownWay:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "it is packed in a way Romweaver cannot unpack");
    case Detail::MemberPackedUnknownWay:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "%1 is packed in a way Romweaver cannot unpack");
    case Detail::GzipMethod:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "it is compressed with a method other than Deflate, which "
                                 "Romweaver cannot unpack");
    case Detail::AdditionalStreams:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its list of members has additional streams, which Romweaver "
                                 "cannot read");
    case Detail::ListPackedUnknownWay:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "its list of members is compressed in a way Romweaver cannot "
                                 "unpack");
    case Detail::ReaderUnavailable:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver's archive reader could not be started (%1)");
    case Detail::TooManyMembers:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver reads at most %3 members of an archive");
    case Detail::TooMuchUnpacked:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver unpacks at most %3 MiB of an archive");
    case Detail::ListTooLong:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver reads at most %3 MiB of an archive's list of members");
    case Detail::TooMuchMemory:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver unpacks with at most %3 MiB of memory, and this "
                                 "archive asks for %4 MiB");
    case Detail::MemoryLimit:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver reads an archive with at most %3 MiB of memory");
    case Detail::ProcessorTimeLimit:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver spends at most %3 seconds of processor time on an "
                                 "archive");
    case Detail::ReaderStopped:
        return QT_TRANSLATE_NOOP("builder::ArchiveError",
                                 "Romweaver's archive reader stopped on it");
    }
    return "";
}

qint64 mebibytesUp(qint64 bytes)
{
    return (bytes + archiveLimits::MiB - 1) / archiveLimits::MiB;
}

// The limit a detail names, %3; the memory an archive asks for, %4.
qint64 limitOf(Detail detail)
{
    switch (detail) {
    case Detail::TooManyMembers:
        return archiveLimits::Members;
    case Detail::TooMuchUnpacked:
        return mebibytesUp(archiveLimits::Unpacked);
    case Detail::ListTooLong:
        return mebibytesUp(archiveLimits::MemberList);
    case Detail::TooMuchMemory:
        return mebibytesUp(archiveLimits::UnpackMemory);
    case Detail::MemoryLimit:
        return mebibytesUp(archiveLimits::Memory);
    case Detail::ProcessorTimeLimit:
        return archiveLimits::ProcessorSeconds;
    default:
        return 0;
    }
}

// What an error holds besides the archive's name.
struct Parts {
    Kind kind;
    Detail detail;
    int romCount;
    const QString& member;
    const QString& method;
    qint64 number;
};

// The text with what the error names put in: %1 the member, %2 the method,
// %3 the limit, %4 the memory asked for; each only where the text has it.
QString filled(const QString& text, const Parts& error)
{
    const QString member =
        error.detail == Detail::TarHeaderDamaged ? QString::number(error.number) : error.member;
    // Each value goes in once, so a member named "%2" stays as it is named.
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('%') && i + 1 < text.size()) {
            switch (text.at(i + 1).unicode()) {
            case '1':
                result += member;
                ++i;
                continue;
            case '2':
                result += error.method;
                ++i;
                continue;
            case '3':
                result += QString::number(limitOf(error.detail));
                ++i;
                continue;
            case '4':
                result += QString::number(mebibytesUp(error.number));
                ++i;
                continue;
            default:
                break;
            }
        }
        result += text.at(i);
    }
    return result;
}

struct Texts {
    QString sentence; // after the archive's name
    QString reason;
};

Texts englishTexts(const Parts& error)
{
    const QString detail =
        filled(QString::fromUtf8(detailSource(error.detail, error.number)), error);
    switch (error.kind) {
    case Kind::NoRom:
        return {QStringLiteral(" holds no NES rom."), QStringLiteral("No NES rom in this archive")};
    case Kind::SeveralRoms:
        return {QStringLiteral(" holds %1 NES roms; Romweaver takes one rom per archive.")
                    .arg(error.romCount),
                QStringLiteral("%1 NES roms in this archive; Romweaver takes one rom per archive")
                    .arg(error.romCount)};
    case Kind::Encrypted:
        return {QStringLiteral(" is encrypted."), QStringLiteral("Encrypted archive")};
    case Kind::Damaged:
        return {QStringLiteral(" is damaged: %1.").arg(detail),
                QStringLiteral("Damaged archive: ") + detail};
    case Kind::WrongFormat:
        return {QStringLiteral(" is not a %1 archive.").arg(error.method),
                QStringLiteral("Not a %1 archive").arg(error.method)};
    case Kind::TooLarge:
        return {QStringLiteral(" is too large to read: %1.").arg(detail),
                QStringLiteral("Archive too large to read: ") + detail};
    case Kind::TooCostly:
        return {QStringLiteral(" is too costly to read: %1.").arg(detail),
                QStringLiteral("Archive too costly to read: ") + detail};
    case Kind::Unreadable:
        break;
    }
    return {QStringLiteral(" cannot be read: %1.").arg(detail),
            QStringLiteral("Archive that cannot be read: ") + detail};
}

} // namespace

ArchiveError::ArchiveError(const QString& archiveName, Kind kind, int romCount)
    : platform::FileError(archiveName +
                              englishTexts({kind, Detail::None, romCount, {}, {}, 0}).sentence,
                          archiveName),
      m_kind(kind), m_romCount(romCount)
{
}

ArchiveError::ArchiveError(const QString& archiveName, Kind kind, Detail detail,
                           const QString& member, const QString& method, qint64 number)
    : platform::FileError(archiveName +
                              englishTexts({kind, detail, 0, member, method, number}).sentence,
                          archiveName),
      m_kind(kind), m_detail(detail), m_member(member), m_method(method), m_number(number)
{
}

ArchiveError ArchiveError::wrongFormat(const QString& archiveName, const QString& format)
{
    return ArchiveError(archiveName, Kind::WrongFormat, Detail::None, {}, format);
}

ArchiveError ArchiveError::restored(const QString& archiveName, Kind kind, Detail detail,
                                    int romCount, const QString& member, const QString& method,
                                    qint64 number)
{
    if (kind == Kind::SeveralRoms)
        return ArchiveError(archiveName, kind, romCount);
    return ArchiveError(archiveName, kind, detail, member, method, number);
}

ArchiveError ArchiveError::withArchiveName(const QString& archiveName) const
{
    return restored(archiveName, m_kind, m_detail, m_romCount, m_member, m_method, m_number);
}

QString ArchiveError::detail() const
{
    if (m_kind == Kind::WrongFormat)
        return m_method;
    return filled(QCoreApplication::translate(Context, detailSource(m_detail, m_number)),
                  {m_kind, m_detail, m_romCount, m_member, m_method, m_number});
}

QString ArchiveError::reason() const
{
    return englishTexts({m_kind, m_detail, m_romCount, m_member, m_method, m_number}).reason;
}

bool ArchiveError::sameAs(const ArchiveError& other) const
{
    return m_kind == other.m_kind && m_detail == other.m_detail && m_romCount == other.m_romCount &&
           m_member == other.m_member && m_method == other.m_method && m_number == other.m_number &&
           archiveName() == other.archiveName();
}

} // namespace builder
