#include "builder/ArchiveLimits.h"

#include "builder/ArchiveError.h"

#include <QCoreApplication>

namespace builder
{

namespace archiveLimits
{

namespace
{

QString mebibytes(qint64 bytes)
{
    return QCoreApplication::translate("builder::ArchiveError", "%1 MiB")
        .arg((bytes + MiB - 1) / MiB);
}

} // namespace

QString tooManyMembers()
{
    return QCoreApplication::translate("builder::ArchiveError",
                                       "Romweaver reads at most %1 members of an archive")
        .arg(Members);
}

QString tooMuchUnpacked()
{
    return QCoreApplication::translate("builder::ArchiveError",
                                       "Romweaver unpacks at most %1 of an archive")
        .arg(mebibytes(Unpacked));
}

QString memberListTooLong()
{
    return QCoreApplication::translate("builder::ArchiveError",
                                       "Romweaver reads at most %1 of an archive's list of members")
        .arg(mebibytes(MemberList));
}

QString tooMuchMemory(qint64 declared)
{
    return QCoreApplication::translate(
               "builder::ArchiveError",
               "Romweaver unpacks with at most %1 of memory, and this archive asks "
               "for %2")
        .arg(mebibytes(UnpackMemory), mebibytes(declared));
}

} // namespace archiveLimits

void UnpackedCount::add(qint64 bytes)
{
    m_total += bytes;
    if (m_total > archiveLimits::Unpacked)
        throw ArchiveError(m_archiveName, ArchiveError::Kind::TooLarge, 0,
                           archiveLimits::tooMuchUnpacked());
}

} // namespace builder
