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
// WinZip's AES, written as the method of the members it encrypts.
constexpr int AesMethod = 99;
// What libarchive inflates of a link's Deflate-packed target while it reads
// its header: one block of its buffer, counted by no read of a member's data.
constexpr qint64 LinkBlock = 256 * 1024;

// An extra field's blocks, as libarchive walks them: each its id and the data
// its size gives, a few bytes after the last passed over. False where
// libarchive refuses the field.
template <typename Visit> bool forEachExtra(const QByteArray& extra, Visit visit)
{
    if (extra.size() < 4)
        return extra.count('\0') == extra.size();
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const quint16 id = le16(extra.constData() + at);
        const qsizetype size = le16(extra.constData() + at + 2);
        at += 4;
        if (at + size > extra.size() || !visit(id, QByteArrayView(extra).sliced(at, size)))
            return false;
        at += size;
    }
    return true;
}

// The member's local header with its name and extra field; nothing where there is none.
QByteArray localHeader(ArchiveInput& input, qint64 offset)
{
    if (offset < 0)
        return {};
    const QByteArray fixed = input.readAt(offset, LocalHeaderSize);
    if (fixed.size() < LocalHeaderSize || !hasSignature(fixed, 0, "PK\3\4"))
        return {};
    const qint64 rest = le16(fixed.constData() + 26) + le16(fixed.constData() + 28);
    const QByteArray tail = input.readAt(offset + LocalHeaderSize, rest);
    return tail.size() < rest ? QByteArray() : fixed + tail;
}

// Whether the member's local header says what its record in the central
// directory says: libarchive takes the compression method, the encryption
// flags and the name from the local header, so a local header that says
// otherwise would have libarchive unpack what was never checked.
bool localHeaderAgrees(const QByteArray& local, const QByteArray& centralRecord,
                       const QByteArray& centralName)
{
    if (local.isEmpty())
        return false;
    const char* localFields = local.constData();
    const char* centralFields = centralRecord.constData();
    return le16(localFields + 8) == le16(centralFields + 10) &&
           (le16(localFields + 6) & EncryptionFlags) ==
               (le16(centralFields + 8) & EncryptionFlags) &&
           le16(localFields + 26) == centralName.size() &&
           local.mid(LocalHeaderSize, centralName.size()) == centralName;
}

// Where a member's local header lies, as libarchive finds it: the offset the
// central record gives, moved by as much as the central directory was found
// past the place the end record gives (bytes put before the zip). libarchive
// reads each Zip64 extra field in turn, taking from it, in this order, the
// unpacked size, the packed size and that offset where they are still
// 0xffffffff.
qint64 localHeaderOffset(const QByteArray& record, const QByteArray& extra, qint64 correction)
{
    const char* fields = record.constData();
    qint64 values[] = {le32(fields + 24), le32(fields + 20), le32(fields + 42) + correction};
    const bool valid = forEachExtra(extra, [&values](quint16 id, QByteArrayView data) {
        for (qint64& value : values) {
            if (id != 0x0001 || value != 0xffffffff)
                continue;
            if (data.size() < 8 || le64(data.data()) < 0)
                return false;
            value = le64(data.data());
            data = data.sliced(8);
        }
        return true;
    });
    return valid ? values[2] : -1;
}

// A mode's file type bits, and those of a link.
constexpr quint32 FileType = 0170000;
constexpr quint32 LinkType = 0120000;

// The mode libarchive gives a member from the system that wrote it and its
// external attributes: a Unix mode, or an MS-DOS folder or file.
quint32 modeOf(int system, quint32 external)
{
    if (system == 3)
        return external >> 16;
    if (system == 0)
        return (external & 0x10) ? 0040000 : 0100000;
    return 0;
}

// Whether libarchive takes the member for a link, reading its mode as it
// does: from the central record's system (the high byte of "version made by")
// and external attributes, then from an 'xl' extra field in the central record
// and one in the local header (after the local header's own system byte),
// either of which may give them again.
bool isLink(const QByteArray& record, const QByteArray& centralExtra, const QByteArray& local,
            const QByteArray& localExtra)
{
    int system = quint8(record.at(5));
    quint32 mode = modeOf(system, le32(record.constData() + 38));
    const auto xl = [&system, &mode](quint16 id, QByteArrayView data) {
        if (id != 0x6c78 || data.isEmpty())
            return true;
        const quint8 bitmap = quint8(data.at(0));
        qsizetype at = 1;
        for (quint8 last = bitmap; (last & 0x80) && at < data.size();)
            last = quint8(data.at(at++));
        if (bitmap & 1) { // "version made by"
            if (data.size() - at < 2)
                return true;
            system = le16(data.data() + at) >> 8;
            at += 2;
        }
        if (bitmap & 2) // internal attributes
            at += 2;
        if ((bitmap & 4) && data.size() - at >= 4)
            mode = modeOf(system, le32(data.data() + at));
        return true;
    };
    forEachExtra(centralExtra, xl);
    system = quint8(local.at(5));
    forEachExtra(localExtra, xl);
    return (mode & FileType) == LinkType;
}

} // namespace

int checkZip(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked,
             UnpackedCount& unpacked)
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
        // libarchive's name ends at a NUL: what follows (a folder's "/") would
        // be read here and not there.
        if (name.contains('\0'))
            fail(Kind::Damaged, Detail::ListDamaged);
        const QString memberName =
            (flags & 0x800) ? QString::fromUtf8(name) : QString::fromLatin1(name);
        const QByteArray extra =
            input.readAt(position + DirectoryRecordSize + nameLength, extraLength);
        const QByteArray local = localHeader(input, localHeaderOffset(record, extra, correction));
        if (!localHeaderAgrees(local, record, name))
            fail(Kind::Damaged, Detail::LocalHeaderDisagrees, memberName);
        // Every member's method is checked, whatever its name says and however
        // it is encrypted: libarchive may take for a file what is named as a
        // folder (its Unicode path extra field naming it otherwise), and
        // unpacks a link's target while reading its header, encrypted or not.
        // A member encrypted with AES is refused as encrypted once libarchive
        // reaches it: its method is known only to those who can decrypt it.
        const bool encrypted = flags & EncryptionFlags;
        const bool unpackable = method == 0 || method == 8 || (method == 12 && bzip2Unpacked);
        if (!unpackable && !(encrypted && method == AesMethod)) {
            const QString named = methodName(method);
            if (named.isEmpty())
                fail(Kind::Unreadable, Detail::MemberMethodNumber, memberName,
                     QString::number(method));
            fail(Kind::Unreadable, Detail::MemberMethod, memberName, named);
        }
        if (method == 8 && isLink(record, extra, local, local.mid(LocalHeaderSize + nameLength)))
            unpacked.add(LinkBlock);
        position += length;
    }
}

} // namespace builder
