#include "builder/ArchiveError.h"

namespace builder
{

namespace
{

struct Texts {
    QString sentence; // after the archive's name
    QString reason;
};

Texts textsFor(ArchiveError::Kind kind, int romCount, const QString& detail)
{
    switch (kind) {
    case ArchiveError::Kind::NoRom:
        return {QStringLiteral(" holds no NES rom."), QStringLiteral("No NES rom in this archive")};
    case ArchiveError::Kind::SeveralRoms:
        return {QStringLiteral(" holds %1 NES roms; Romweaver takes one rom per archive.")
                    .arg(romCount),
                QStringLiteral("%1 NES roms in this archive; Romweaver takes one rom per archive")
                    .arg(romCount)};
    case ArchiveError::Kind::Encrypted:
        return {QStringLiteral(" is encrypted."), QStringLiteral("Encrypted archive")};
    case ArchiveError::Kind::Damaged:
        return {QStringLiteral(" is damaged: %1.").arg(detail),
                QStringLiteral("Damaged archive: ") + detail};
    case ArchiveError::Kind::WrongFormat:
        return {QStringLiteral(" is not a %1 archive.").arg(detail),
                QStringLiteral("Not a %1 archive").arg(detail)};
    case ArchiveError::Kind::TooLarge:
        return {QStringLiteral(" is too large to read: %1.").arg(detail),
                QStringLiteral("Archive too large to read: ") + detail};
    case ArchiveError::Kind::Unreadable:
        break;
    }
    return {QStringLiteral(" cannot be read: %1.").arg(detail),
            QStringLiteral("Archive that cannot be read: ") + detail};
}

} // namespace

ArchiveError::ArchiveError(const QString& archiveName, Kind kind, int romCount,
                           const QString& detail)
    : platform::FileError(archiveName + textsFor(kind, romCount, detail).sentence, archiveName),
      m_kind(kind), m_romCount(romCount), m_detail(detail),
      m_reason(textsFor(kind, romCount, detail).reason)
{
}

} // namespace builder
