#include "builder/GzipMembers.h"

#include "builder/ArchiveError.h"
#include "builder/ArchiveLimits.h"

#include <algorithm>
#include <limits>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;

constexpr qint64 Block = 512;
// A tar extension header's data (a long name, pax records) that is read whole;
// libarchive refuses longer ones too.
constexpr qint64 ExtensionLimit = 1024 * 1024;

struct Field {
    qint64 offset;
    qint64 length;
};
constexpr Field NameField{0, 100};
constexpr Field SizeField{124, 12};
constexpr Field ChecksumField{148, 8};
constexpr qint64 TypeOffset = 156;
constexpr Field MagicField{257, 6};
constexpr Field PrefixField{345, 155};
constexpr qint64 SparseExtendedOffset = 482;    // in an old GNU sparse member's header
constexpr qint64 ExtensionExtendedOffset = 504; // in each of its extension blocks

QByteArray text(const QByteArray& block, Field field)
{
    const QByteArray bytes = block.mid(field.offset, field.length);
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

// An octal number, or a base-256 one (a first byte with its high bit set), as
// tar writes sizes; -1 when it is neither, or too large.
qint64 number(const QByteArray& block, Field field)
{
    const QByteArray bytes = block.mid(field.offset, field.length);
    qint64 value = 0;
    if (quint8(bytes.at(0)) & 0x80) {
        if (quint8(bytes.at(0)) != 0x80)
            return -1; // negative, or more than 63 bits
        for (qsizetype i = 1; i < bytes.size(); ++i) {
            if (value > (std::numeric_limits<qint64>::max() >> 8))
                return -1;
            value = (value << 8) | quint8(bytes.at(i));
        }
        return value;
    }
    qsizetype i = 0;
    while (i < bytes.size() && (bytes.at(i) == ' ' || bytes.at(i) == '\0'))
        ++i;
    for (; i < bytes.size() && bytes.at(i) >= '0' && bytes.at(i) <= '7'; ++i) {
        if (value > (std::numeric_limits<qint64>::max() >> 3))
            return -1;
        value = (value << 3) | (bytes.at(i) - '0');
    }
    return value;
}

// The header's checksum: its bytes summed with the checksum field as blanks,
// unsigned as POSIX says or signed as some old writers summed them.
bool checksumMatches(const QByteArray& block)
{
    qint64 unsignedSum = 0;
    qint64 signedSum = 0;
    for (qint64 i = 0; i < Block; ++i) {
        const bool inField =
            i >= ChecksumField.offset && i < ChecksumField.offset + ChecksumField.length;
        unsignedSum += inField ? ' ' : quint8(block.at(i));
        signedSum += inField ? ' ' : qint8(block.at(i));
    }
    const qint64 stored = number(block, ChecksumField);
    return stored == unsignedSum || stored == signedSum;
}

bool isTarHeader(const QByteArray& block)
{
    return block.size() == Block && block.count('\0') != Block && checksumMatches(block);
}

// The path a pax extended header gives, or an empty one.
QString paxPath(const QByteArray& records)
{
    QString path;
    for (qsizetype at = 0; at < records.size();) {
        const qsizetype space = records.indexOf(' ', at);
        bool ok = false;
        const qsizetype length = space < 0 ? 0 : records.mid(at, space - at).toLongLong(&ok);
        if (!ok || length <= space - at || at + length > records.size())
            break;
        const QByteArray record = records.mid(space + 1, at + length - space - 2);
        if (record.startsWith("path="))
            path = QString::fromUtf8(record.mid(5));
        at += length;
    }
    return path;
}

} // namespace

GzipMembers::GzipMembers(ArchiveInput& input, const QString& archiveName, UnpackedCount& unpacked)
    : m_archiveName(archiveName), m_stream(input, archiveName, unpacked)
{
    // A tar archive begins with a header whose checksum matches; anything
    // else is the one file of a bare .gz.
    m_start = readBlock();
    m_tar = isTarHeader(m_start);
}

void GzipMembers::failDamaged(ArchiveError::Detail detail, qint64 number) const
{
    throw ArchiveError(m_archiveName, Kind::Damaged, detail, {}, {}, number);
}

bool GzipMembers::next(Member& member)
{
    if (m_ended)
        return false;
    if (!m_tar) {
        // A bare .gz holds one file: asking for another would unpack the rest
        // of this one, however long it is.
        if (m_passed++ > 0)
            return m_ended = true, false;
        const QString stored = m_stream.storedName();
        member.name = stored.isEmpty() ? m_archiveName.chopped(3)
                                       : stored.mid(stored.lastIndexOf(QLatin1Char('/')) + 1);
        member.regular = true;
        member.encrypted = false;
        m_remaining = std::numeric_limits<qint64>::max();
        return true;
    }
    return nextTarMember(member);
}

qint64 GzipMembers::read(char* data, qint64 maxSize)
{
    maxSize = qMin(maxSize, m_remaining);
    if (maxSize <= 0)
        return 0;
    qint64 done = 0;
    if (m_startRead < m_start.size()) {
        done = qMin(maxSize, m_start.size() - m_startRead);
        std::copy_n(m_start.constData() + m_startRead, done, data);
        m_startRead += done;
    } else {
        done = m_stream.read(data, maxSize);
        if (done == 0 && m_tar)
            failDamaged(ArchiveError::Detail::Truncated);
    }
    m_remaining -= done;
    return done;
}

void GzipMembers::finish()
{
    char scratch[16384];
    while (m_stream.read(scratch, sizeof scratch) > 0) {
    }
    m_ended = true;
}

QByteArray GzipMembers::readBlock()
{
    QByteArray block(Block, Qt::Uninitialized);
    qint64 done = 0;
    while (done < Block) {
        const qint64 got = m_stream.read(block.data() + done, Block - done);
        if (got == 0)
            break;
        done += got;
    }
    block.truncate(done);
    return block;
}

void GzipMembers::skip(qint64 count)
{
    char scratch[16384];
    while (count > 0) {
        const qint64 got = m_stream.read(scratch, qMin<qint64>(count, sizeof scratch));
        if (got == 0)
            failDamaged(ArchiveError::Detail::Truncated);
        count -= got;
    }
}

QByteArray GzipMembers::readTarData(qint64 size)
{
    if (size > ExtensionLimit)
        failDamaged(ArchiveError::Detail::TarHeaderTooLong);
    QByteArray bytes(size, Qt::Uninitialized);
    m_remaining = size;
    for (qint64 done = 0; done < size;)
        done += read(bytes.data() + done, size - done);
    skip((Block - size % Block) % Block);
    return bytes;
}

bool GzipMembers::nextTarMember(Member& member)
{
    // The rest of the member before: unpacked, and dropped.
    skip(m_remaining + m_padding);
    m_remaining = m_padding = 0;
    QString longName;
    QString paxName;
    bool pax = false;
    for (;;) {
        const QByteArray block = m_startRead == 0 ? m_start : readBlock();
        m_startRead = m_start.size();
        // Data that ends between members ends the archive, as in libarchive.
        if (block.isEmpty())
            return m_ended = true, false;
        if (block.size() < Block)
            failDamaged(ArchiveError::Detail::Truncated);
        if (block.count('\0') == Block) {
            // The end of the archive: the rest is read for the gzip trailer's check.
            finish();
            return false;
        }
        if (!checksumMatches(block))
            failDamaged(ArchiveError::Detail::TarHeaderDamaged, m_passed);
        const qint64 size = number(block, SizeField);
        if (size < 0)
            failDamaged(ArchiveError::Detail::TarHeaderNoSize);
        const char type = block.at(TypeOffset);
        switch (type) {
        case 'L': // a GNU long name for the next member
            longName = QString::fromUtf8(text(readTarData(size), {0, size}));
            continue;
        case 'x': // pax records for the next member
        case 'X':
            paxName = paxPath(readTarData(size));
            pax = true;
            continue;
        case 'g': // pax records for all members, a long link name, a volume's name
        case 'K':
        case 'V':
            skip(size + (Block - size % Block) % Block);
            continue;
        default:
            break;
        }
        if (type == 'S' && block.at(SparseExtendedOffset) != 0) {
            // An old GNU sparse member: its map goes on in extension blocks.
            QByteArray extension(Block, Qt::Uninitialized);
            do {
                m_remaining = Block;
                for (qint64 done = 0; done < Block;)
                    done += read(extension.data() + done, Block - done);
            } while (extension.at(ExtensionExtendedOffset) != 0);
        }
        if (++m_passed > archiveLimits::Members)
            throw ArchiveError(m_archiveName, Kind::TooLarge, ArchiveError::Detail::TooManyMembers);
        QString path = paxName.isEmpty() ? longName : paxName;
        if (path.isEmpty()) {
            path = QString::fromUtf8(text(block, NameField));
            const QByteArray prefix = text(block, PrefixField);
            if (text(block, MagicField) == "ustar" && block.at(MagicField.offset + 5) == '\0' &&
                !prefix.isEmpty())
                path = QString::fromUtf8(prefix) + QLatin1Char('/') + path;
        }
        member.name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        member.regular =
            (type == '0' || type == '\0' || type == '7') && !path.endsWith(QLatin1Char('/'));
        member.encrypted = false;
        // Links, devices, folders and pipes have no data; a hard link has its
        // file's data only in a pax archive.
        const bool noData = (type >= '2' && type <= '6') || (type == '1' && !pax);
        m_remaining = noData ? 0 : size;
        m_padding = (Block - m_remaining % Block) % Block;
        return true;
    }
}

} // namespace builder
