#include "builder/ZipCheck.h"

#include "builder/ArchiveError.h"
#include "builder/ArchiveInput.h"
#include "builder/ArchiveLimits.h"

#include <QtEndian>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;

constexpr qint64 EndRecordSize = 22;
constexpr qint64 DirectoryRecordSize = 46;
// libarchive's seekable zip reader looks for the end record in the last 16 KiB
// only; a zip whose comment is longer does not open there either.
constexpr qint64 EndSearch = 16 * 1024;

quint16 le16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 le32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

qint64 le64(const char* p)
{
    return qFromLittleEndian<qint64>(p);
}

bool hasSignature(const QByteArray& bytes, qint64 offset, const char* signature)
{
    return offset >= 0 && offset + 4 <= bytes.size() &&
           QByteArrayView(bytes).sliced(offset, 4) == QByteArrayView(signature, 4);
}

// The name of a compression method Romweaver does not unpack, where it has one.
QString methodName(int method)
{
    switch (method) {
    case 1:
        return QStringLiteral("Shrink");
    case 2:
    case 3:
    case 4:
    case 5:
        return QStringLiteral("Reduce");
    case 6:
        return QStringLiteral("Implode");
    case 9:
        return QStringLiteral("Deflate64");
    case 10:
        return QStringLiteral("PKWARE DCL Implode");
    case 12:
        return QStringLiteral("BZip2");
    case 14:
        return QStringLiteral("LZMA");
    case 18:
        return QStringLiteral("IBM TERSE");
    case 19:
        return QStringLiteral("IBM LZ77");
    case 93:
        return QStringLiteral("Zstandard");
    case 94:
        return QStringLiteral("MP3");
    case 95:
        return QStringLiteral("XZ");
    case 96:
        return QStringLiteral("JPEG");
    case 97:
        return QStringLiteral("WavPack");
    case 98:
        return QStringLiteral("PPMd");
    default:
        return QString();
    }
}

struct Directory {
    qint64 start = 0;         // where libarchive starts looking for its first record
    qint64 declaredStart = 0; // where the end record says the first record is
    bool valid = false;
    bool split = false;
};

// The end record at recordOffset, and the Zip64 one its locator points to,
// checked as libarchive checks them before it takes the file for a zip.
Directory directoryOf(ArchiveInput& input, const QByteArray& tail, qint64 at, qint64 recordOffset)
{
    const char* record = tail.constData() + at;
    const quint16 disk = le16(record + 4);
    Directory directory;
    directory.split =
        disk != 0 || le16(record + 6) != disk || le16(record + 8) != le16(record + 10);
    const quint32 size = le32(record + 12);
    // 32-bit, as libarchive adds them.
    directory.valid = !directory.split && quint32(le32(record + 16) + size) <= recordOffset;
    directory.start = recordOffset - size;
    directory.declaredStart = le32(record + 16);
    if (!hasSignature(tail, at - 20, "PK\6\7"))
        return directory;
    const char* locator = record - 20;
    const qint64 zip64Offset = le64(locator + 8);
    if (le32(locator + 4) != 0 || le32(locator + 16) != 1 || zip64Offset < 0 ||
        zip64Offset > input.size())
        return directory;
    const QByteArray zip64 = input.readAt(zip64Offset, 56);
    if (zip64.size() < 56)
        return directory;
    const qint64 zip64Size = le64(zip64.constData() + 4) + 12;
    if (zip64Size < 56 || zip64Size > 16384 || zip64Offset + zip64Size > input.size() ||
        le32(zip64.constData() + 16) != 0 || le32(zip64.constData() + 20) != 0 ||
        le64(zip64.constData() + 24) != le64(zip64.constData() + 32))
        return directory;
    directory.start = le64(zip64.constData() + 48);
    directory.declaredStart = directory.start;
    directory.valid = true;
    return directory;
}

// Where the first record begins: libarchive searches forward from the start
// for it, past whatever was put before the zip, up to the end record at end.
qint64 firstRecord(ArchiveInput& input, qint64 start, qint64 end)
{
    constexpr qint64 Chunk = 1024 * 1024;
    for (qint64 at = start; at <= end; at += Chunk - 3) {
        const QByteArray bytes = input.readAt(at, qMin(Chunk, end + 4 - at));
        const QByteArrayView view(bytes);
        for (qsizetype i = view.indexOf("PK"); i >= 0 && i + 4 <= view.size();
             i = view.indexOf("PK", i + 1)) {
            const QByteArrayView signature = view.sliced(i, 4);
            if (signature == "PK\1\2" || signature == "PK\5\6" || signature == "PK\6\6")
                return at + i;
        }
    }
    return -1;
}

constexpr qint64 LocalHeaderSize = 30;
// The general purpose flags that say a member is encrypted (bit 0, bit 6).
constexpr quint16 EncryptionFlags = 0x0041;

// Whether the member's local header says what its record in the central
// directory says: libarchive takes the compression method, the encryption
// flags and the name from the local header, so a local header that says
// otherwise would have libarchive unpack what was never checked.
bool localHeaderAgrees(ArchiveInput& input, qint64 offset, const QByteArray& centralRecord,
                       const QByteArray& centralName)
{
    if (offset < 0)
        return false;
    const QByteArray local = input.readAt(offset, LocalHeaderSize + centralName.size());
    if (local.size() < LocalHeaderSize + centralName.size() || !hasSignature(local, 0, "PK\3\4"))
        return false;
    const char* localFields = local.constData();
    const char* centralFields = centralRecord.constData();
    return le16(localFields + 8) == le16(centralFields + 10) &&
           (le16(localFields + 6) & EncryptionFlags) ==
               (le16(centralFields + 8) & EncryptionFlags) &&
           le16(localFields + 26) == centralName.size() &&
           local.mid(LocalHeaderSize) == centralName;
}

// Where a member's local header lies, as libarchive finds it: the offset the
// central record gives (or its Zip64 extra field, where that offset is
// 0xffffffff), moved by as much as the central directory was found past the
// place the end record gives (bytes put before the zip).
qint64 localHeaderOffset(const QByteArray& record, const QByteArray& extra, qint64 correction)
{
    const char* fields = record.constData();
    const quint32 offset = le32(fields + 42);
    if (offset != 0xffffffffu)
        return qint64(offset) + correction;
    // The Zip64 extra field holds, in this order, the sizes and the offset
    // that the record marks as 0xffffffff.
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const quint16 id = le16(extra.constData() + at);
        const quint16 size = le16(extra.constData() + at + 2);
        if (id == 0x0001) {
            qsizetype field = at + 4;
            if (le32(fields + 24) == 0xffffffffu)
                field += 8;
            if (le32(fields + 20) == 0xffffffffu)
                field += 8;
            if (field + 8 > at + 4 + size || field + 8 > extra.size())
                return -1;
            return le64(extra.constData() + field);
        }
        at += 4 + size;
    }
    return -1;
}

} // namespace

int checkZip(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked)
{
    using Detail = ArchiveError::Detail;
    const auto fail = [&archiveName](Kind kind, Detail detail, const QString& member = {},
                                     const QString& method = {}) {
        throw ArchiveError(archiveName, kind, detail, member, method);
    };
    const qint64 size = input.size();
    const qint64 tailSize = qMin(EndSearch, size);
    const QByteArray tail = input.readAt(size - tailSize, tailSize);
    qint64 at = tail.size() - EndRecordSize;
    while (at >= 0 && !hasSignature(tail, at, "PK\5\6"))
        --at;
    const bool fileStartsWithEnd = at == 0 && tailSize == size;
    if (at < 0 || (at == 0 && !fileStartsWithEnd)) {
        const QByteArray start = input.readAt(0, 4);
        if (start == QByteArrayView("PK\3\4") || start == QByteArrayView("PK\7\x08"))
            fail(Kind::Damaged, Detail::ListMissing);
        throw ArchiveError::wrongFormat(archiveName, QStringLiteral("zip"));
    }
    if (fileStartsWithEnd)
        return 0; // an empty zip: nothing comes before its end record
    const qint64 endOffset = size - tailSize + at;
    const Directory directory = directoryOf(input, tail, at, endOffset);
    if (!directory.valid && directory.split)
        fail(Kind::Unreadable, Detail::Split);
    if (!directory.valid || directory.start < 0 || directory.start > endOffset)
        fail(Kind::Damaged, Detail::ListDamaged);
    // The directory with whatever lies between its declared start and its
    // first record is what libarchive reads: bounded before it is searched.
    if (endOffset - directory.start > archiveLimits::MemberList)
        fail(Kind::TooLarge, Detail::ListTooLong);

    qint64 position = firstRecord(input, directory.start, endOffset);
    if (position < 0)
        fail(Kind::Damaged, Detail::ListDamaged);
    const qint64 correction = position - directory.declaredStart;
    int count = 0;
    for (;;) {
        const QByteArray record = input.readAt(position, DirectoryRecordSize);
        if (hasSignature(record, 0, "PK\5\6") || hasSignature(record, 0, "PK\6\6"))
            return count;
        if (record.size() < DirectoryRecordSize || !hasSignature(record, 0, "PK\1\2"))
            fail(Kind::Damaged, Detail::ListDamaged);
        if (++count > archiveLimits::Members)
            fail(Kind::TooLarge, Detail::TooManyMembers);
        const char* fields = record.constData();
        const quint16 flags = le16(fields + 8);
        const int method = le16(fields + 10);
        const qint64 nameLength = le16(fields + 28);
        const qint64 extraLength = le16(fields + 30);
        const qint64 length = DirectoryRecordSize + nameLength + extraLength + le16(fields + 32);
        if (position + length > size)
            fail(Kind::Damaged, Detail::ListDamaged);
        const QByteArray name = input.readAt(position + DirectoryRecordSize, nameLength);
        const QString memberName =
            (flags & 0x800) ? QString::fromUtf8(name) : QString::fromLatin1(name);
        const QByteArray extra =
            input.readAt(position + DirectoryRecordSize + nameLength, extraLength);
        if (!localHeaderAgrees(input, localHeaderOffset(record, extra, correction), record, name))
            fail(Kind::Damaged, Detail::LocalHeaderDisagrees, memberName);
        // An encrypted member is refused as such once libarchive reaches it.
        const bool encrypted = flags & EncryptionFlags;
        const bool unpacked = method == 0 || method == 8 || (method == 12 && bzip2Unpacked);
        // A folder has no data to unpack.
        if (!encrypted && !unpacked && !name.endsWith('/')) {
            const QString named = methodName(method);
            if (named.isEmpty())
                fail(Kind::Unreadable, Detail::MemberMethodNumber, memberName,
                     QString::number(method));
            fail(Kind::Unreadable, Detail::MemberMethod, memberName, named);
        }
        position += length;
    }
}

} // namespace builder
