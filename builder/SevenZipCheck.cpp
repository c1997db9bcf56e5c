#include "builder/SevenZipCheck.h"

#include "builder/ArchiveError.h"
#include "builder/ArchiveInput.h"
#include "builder/ArchiveLimits.h"

#include <QList>
#include <QtEndian>

#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <optional>
#include <utility>

namespace builder
{

namespace
{

using Kind = ArchiveError::Kind;

constexpr QByteArrayView Signature("7z\xbc\xaf\x27\x1c", 6);
constexpr qint64 StartHeaderSize = 32;

// The header's property ids.
enum : quint8 {
    End = 0x00,
    Header = 0x01,
    ArchiveProperties = 0x02,
    AdditionalStreamsInfo = 0x03,
    MainStreamsInfo = 0x04,
    FilesInfo = 0x05,
    PackInfo = 0x06,
    UnpackInfo = 0x07,
    SubStreamsInfo = 0x08,
    Size = 0x09,
    Crc = 0x0a,
    Folder = 0x0b,
    CodersUnpackSize = 0x0c,
    NumUnpackStream = 0x0d,
    EmptyStream = 0x0e,
    EmptyFile = 0x0f,
    Anti = 0x10,
    CTime = 0x12,
    ATime = 0x13,
    MTime = 0x14,
    Attributes = 0x15,
    EncodedHeader = 0x17,
    Dummy = 0x19,
};

// The coders' method ids.
enum : quint64 {
    Copy = 0x00,
    Delta = 0x03,
    Lzma2 = 0x21,
    Lzma = 0x030101,
    Ppmd = 0x030401,
    X86 = 0x03030103,
    Bcj2 = 0x0303011b,
    PowerPc = 0x03030205,
    Ia64 = 0x03030401,
    Arm = 0x03030501,
    ArmThumb = 0x03030701,
    Sparc = 0x03030805,
    Deflate = 0x040108,
    Deflate64 = 0x040109,
    Bzip2 = 0x040202,
    ZipCrypto = 0x06f10101,
    Rar29Crypto = 0x06f10303,
    Aes = 0x06f10701,
};

// What stops the reading of a header, turned into an ArchiveError where the
// archive's name is known.
struct Malformed {
};
struct TooMany {
};
struct Encrypted {
};
struct NotUnpacked {
    ArchiveError::Detail detail;
    QString method = {};
};
struct TooMuchMemory {
    qint64 declared;
};
struct TooMuchUnpacked {
};

constexpr qint64 BZip2Memory = 4 * archiveLimits::MiB;

// A compression method Romweaver does not unpack, as a refusal names it: by
// its name where it has one, else by its number.
NotUnpacked notUnpacked(quint64 method)
{
    using Detail = ArchiveError::Detail;
    const auto named = [](const char* name) {
        return NotUnpacked{Detail::Method, QString::fromLatin1(name)};
    };
    switch (method) {
    case Ppmd:
        return named("PPMd");
    case Deflate64:
        return named("Deflate64");
    case Bzip2:
        return named("BZip2");
    case 0x04:
        return named("x86 (7-Zip 23)");
    case 0x0a:
        return named("ARM64");
    case 0x0b:
        return named("RISC-V");
    case 0x04f71101:
        return named("Zstandard");
    case 0x04f71102:
        return named("Brotli");
    case 0x04f71104:
        return named("LZ4");
    default:
        return NotUnpacked{Detail::MethodNumber, QString::number(method, 16)};
    }
}

class HeaderReader
{
public:
    explicit HeaderReader(const QByteArray& bytes) : m_bytes(bytes) {}

    quint8 byte()
    {
        if (m_at >= m_bytes.size())
            throw Malformed{};
        return quint8(m_bytes.at(m_at++));
    }
    // A number as 7-Zip writes it: the first byte's leading one bits say how
    // many bytes follow.
    quint64 number()
    {
        const quint8 first = byte();
        quint64 value = 0;
        quint8 mask = 0x80;
        for (int i = 0; i < 8; ++i) {
            if (!(first & mask))
                return value + (quint64(first & (mask - 1)) << (8 * i));
            value |= quint64(byte()) << (8 * i);
            mask >>= 1;
        }
        return value;
    }
    // A count of table entries: refused past limit.
    qint64 count(qint64 limit)
    {
        const quint64 value = number();
        if (value > quint64(limit))
            throw TooMany{};
        return qint64(value);
    }
    QByteArray take(quint64 count)
    {
        if (count > quint64(m_bytes.size() - m_at))
            throw Malformed{};
        const QByteArray bytes = m_bytes.mid(m_at, qsizetype(count));
        m_at += qsizetype(count);
        return bytes;
    }
    bool atEnd() const { return m_at == m_bytes.size(); }
    void expect(quint8 id)
    {
        if (byte() != id)
            throw Malformed{};
    }
    // Digests for count items: those defined, in order, nothing for the others.
    QList<std::optional<quint32>> digests(qint64 count)
    {
        if (count == 0)
            throw Malformed{}; // libarchive refuses a list of no digests
        QList<std::optional<quint32>> digests(count);
        const bool allDefined = byte() != 0;
        QList<bool> defined(count, true);
        quint8 bits = 0;
        for (qint64 i = 0; !allDefined && i < count; ++i) {
            if (i % 8 == 0)
                bits = byte();
            defined[i] = bits & (0x80 >> (i % 8));
        }
        for (qint64 i = 0; i < count; ++i) {
            if (defined[i])
                digests[i] = qFromLittleEndian<quint32>(take(4).constData());
        }
        return digests;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

struct Coder {
    quint64 method = 0;
    quint64 inStreams = 1;
    quint64 outStreams = 1;
    QByteArray properties;
};

struct FolderInfo {
    QList<Coder> coders;
    QList<std::pair<quint64, quint64>> bindPairs; // in stream, out stream
    quint64 packedStreams = 0;
    qint64 firstPackStream = 0;
    QList<quint64> unpackSizes; // one for each out stream
    std::optional<quint32> digest;
    quint64 unpackStreams = 1; // members' streams
    QList<quint64> streamSizes;

    // The size of what it unpacks to: its one out stream no bind pair takes.
    quint64 finalSize() const
    {
        for (qsizetype out = unpackSizes.size() - 1; out >= 0; --out) {
            if (std::none_of(bindPairs.begin(), bindPairs.end(),
                             [out](const auto& pair) { return pair.second == quint64(out); }))
                return unpackSizes.at(out);
        }
        return 0;
    }
    bool has(quint64 method) const
    {
        return std::any_of(coders.begin(), coders.end(),
                           [method](const Coder& coder) { return coder.method == method; });
    }
    // What libarchive decodes of it: what it unpacks to and, with BCJ2, the
    // side streams it unpacks into memory first.
    quint64 decodedSize() const
    {
        if (!has(Bcj2))
            return finalSize();
        return std::accumulate(
            unpackSizes.begin(), unpackSizes.end(), quint64(0),
            [](quint64 sum, quint64 size) { return sum + qMin<quint64>(size, 1ull << 40); });
    }
};

struct Streams {
    quint64 packPosition = 0;
    QList<quint64> packSizes;
    QList<FolderInfo> folders;

    quint64 packedSize(const FolderInfo& folder) const
    {
        quint64 size = 0;
        for (quint64 i = 0; i < folder.packedStreams; ++i)
            size += qMin<quint64>(packSizes.at(folder.firstPackStream + qsizetype(i)), 1ull << 40);
        return size;
    }
};

// The most pack streams may hold to make size bytes: size, an eighth
// more and 4 KiB. 7-Zip's coders make data that does not compress at most
// 1.5 % larger (LZMA; BZip2 0.5 %, LZMA2 and Deflate a few bytes in 64 KiB,
// Copy and the filters nothing), and 7-Zip ends a pack stream where its
// coder's data ends. libarchive decodes a folder's pack streams to their end
// whatever the folder declares, throwing away what comes past it, and a
// pack stream of zeros packed with Deflate makes a thousand times its size:
// a longer pack stream would be decoded, uncounted, in a single read.
quint64 packLimit(quint64 size)
{
    return size + size / 8 + 4 * 1024;
}

// Whether a folder's pack streams hold no more than what libarchive decodes
// of it could need (it decodes an inner stream to the folder's size, whatever
// the size declared for that stream).
bool packedWithinLimit(const Streams& streams, const FolderInfo& folder)
{
    return streams.packedSize(folder) <= packLimit(qMin<quint64>(folder.decodedSize(), 1ull << 40));
}

// Per table, what a real archive stays far below: one folder, pack stream and
// unpack stream per member at most, and up to four pack streams per folder.
constexpr qint64 FolderLimit = archiveLimits::Members;
constexpr qint64 PackStreamLimit = 4 * archiveLimits::Members;
constexpr quint64 CoderStreamLimit = 4;

FolderInfo readFolder(HeaderReader& r)
{
    FolderInfo folder;
    const quint64 coderCount = r.number();
    if (coderCount == 0 || coderCount > 4)
        throw Malformed{};
    quint64 inTotal = 0;
    quint64 outTotal = 0;
    for (quint64 i = 0; i < coderCount; ++i) {
        const quint8 flags = r.byte();
        if (flags & 0x80)
            throw Malformed{}; // alternative methods: never written, never read
        Coder coder;
        if ((flags & 0x0f) > 8)
            throw Malformed{}; // no method id is longer
        for (const char idByte : r.take(flags & 0x0f))
            coder.method = (coder.method << 8) | quint8(idByte);
        if (flags & 0x10) {
            coder.inStreams = r.number();
            coder.outStreams = r.number();
            if (coder.inStreams > CoderStreamLimit || coder.outStreams > CoderStreamLimit)
                throw Malformed{};
        }
        if (flags & 0x20)
            coder.properties = r.take(r.number());
        inTotal += coder.inStreams;
        outTotal += coder.outStreams;
        folder.coders << coder;
    }
    if (outTotal == 0 || inTotal < outTotal - 1)
        throw Malformed{};
    for (quint64 i = 0; i + 1 < outTotal; ++i) {
        const quint64 in = r.number();
        const quint64 out = r.number();
        if (in >= inTotal || out >= outTotal)
            throw Malformed{};
        folder.bindPairs.append({in, out});
    }
    folder.packedStreams = inTotal - folder.bindPairs.size();
    if (folder.packedStreams == 0)
        throw Malformed{};
    if (folder.packedStreams == 1) {
        bool unbound = false;
        for (quint64 in = 0; in < inTotal && !unbound; ++in)
            unbound = std::none_of(folder.bindPairs.begin(), folder.bindPairs.end(),
                                   [in](const auto& pair) { return pair.first == in; });
        if (!unbound)
            throw Malformed{};
    } else {
        for (quint64 i = 0; i < folder.packedStreams; ++i)
            r.number();
    }
    folder.unpackSizes.resize(qsizetype(outTotal));
    return folder;
}

void readPackInfo(HeaderReader& r, Streams& streams)
{
    streams.packPosition = r.number();
    const qint64 count = r.count(PackStreamLimit);
    if (count == 0)
        throw Malformed{};
    r.expect(Size);
    for (qint64 i = 0; i < count; ++i)
        streams.packSizes << r.number();
    quint8 id = r.byte();
    if (id == End)
        return;
    if (id != Crc)
        throw Malformed{};
    r.digests(count);
    r.expect(End);
}

void readCodersInfo(HeaderReader& r, Streams& streams)
{
    r.expect(Folder);
    const qint64 count = r.count(FolderLimit);
    const quint8 external = r.byte();
    if (external == 1) {
        r.number();
        if (count > 0)
            throw Malformed{};
    } else if (external != 0) {
        throw Malformed{};
    }
    for (qint64 i = 0; i < count; ++i)
        streams.folders << readFolder(r);
    r.expect(CodersUnpackSize);
    for (FolderInfo& folder : streams.folders) {
        for (quint64& size : folder.unpackSizes)
            size = r.number();
    }
    const quint8 id = r.byte();
    if (id == End)
        return;
    if (id != Crc)
        throw Malformed{};
    const QList<std::optional<quint32>> digests = r.digests(count);
    for (qint64 i = 0; i < count; ++i)
        streams.folders[i].digest = digests.at(i);
    r.expect(End);
}

// libarchive's sizes and digests of the members' streams are lists across
// the folders, as this reads them: a folder of several streams without their
// sizes would put every later stream's size and digest out of place, so it is
// refused. libarchive checks a stream's CRC only where one is recorded: in the
// sub-streams' digests, or the folder's own for a folder of one stream, taken
// only where there are sub-streams' digests too. 7-Zip records one for every
// stream, so a stream with bytes and no CRC is refused.
void readSubStreamsInfo(HeaderReader& r, Streams& streams)
{
    quint8 id = r.byte();
    if (id == NumUnpackStream) {
        qint64 total = 0;
        for (FolderInfo& folder : streams.folders) {
            folder.unpackStreams = r.count(archiveLimits::Members);
            total += qint64(folder.unpackStreams);
            if (total > archiveLimits::Members)
                throw TooMany{};
        }
        id = r.byte();
    }
    for (FolderInfo& folder : streams.folders) {
        if (folder.unpackStreams == 0)
            continue;
        if (folder.unpackStreams > 1 && id != Size)
            throw Malformed{};
        quint64 sum = 0;
        for (quint64 i = 1; id == Size && i < folder.unpackStreams; ++i) {
            const quint64 size = r.number();
            if (size > folder.finalSize() - sum)
                throw Malformed{}; // more than the folder unpacks to
            sum += size;
            folder.streamSizes << size;
        }
        if (sum > folder.finalSize())
            throw Malformed{};
        folder.streamSizes << folder.finalSize() - sum;
    }
    if (id == Size)
        id = r.byte();
    qint64 digestCount = 0;
    for (const FolderInfo& folder : streams.folders) {
        if (folder.unpackStreams != 1 || !folder.digest)
            digestCount += qint64(folder.unpackStreams);
    }
    QList<std::optional<quint32>> digests;
    if (id == Crc) {
        digests = r.digests(digestCount);
        id = r.byte();
    }
    if (id != End)
        throw Malformed{};
    qsizetype next = 0;
    for (const FolderInfo& folder : streams.folders) {
        const bool own = folder.unpackStreams == 1 && folder.digest;
        for (const quint64 size : folder.streamSizes) {
            const bool recorded = !digests.isEmpty() && (own || digests.at(next++));
            if (size > 0 && !recorded)
                throw Malformed{};
        }
    }
}

// Pack streams lie between the start header and the header (headerOffset).
Streams readStreamsInfo(HeaderReader& r, quint64 headerOffset)
{
    Streams streams;
    // Without sub-streams information a folder gives no member a stream.
    bool subStreams = false;
    quint8 id = r.byte();
    if (id == PackInfo) {
        readPackInfo(r, streams);
        quint64 end = streams.packPosition;
        for (const quint64 size : streams.packSizes) {
            if (size > headerOffset || end > headerOffset - size)
                throw Malformed{};
            end += size;
        }
        id = r.byte();
    }
    if (id == UnpackInfo) {
        readCodersInfo(r, streams);
        qint64 packIndex = 0;
        for (FolderInfo& folder : streams.folders) {
            folder.firstPackStream = packIndex;
            packIndex += qint64(folder.packedStreams);
            if (packIndex > streams.packSizes.size())
                throw Malformed{};
        }
        id = r.byte();
    }
    if (id == SubStreamsInfo) {
        readSubStreamsInfo(r, streams);
        subStreams = true;
        id = r.byte();
    }
    if (id != End)
        throw Malformed{};
    if (!subStreams) {
        for (FolderInfo& folder : streams.folders)
            folder.unpackStreams = 0;
    }
    return streams;
}

struct Contents {
    Streams streams;
    qint64 memberCount = 0;
    bool lastMemberHasStream = false; // the last member's bytes: a stream of the last folder
    bool lastMemberIsLink = false;    // libarchive reads a link's stream whole, into memory
};

// The members' properties, read as libarchive reads them: some by their
// contents rather than the size recorded before them. An archive where the two
// disagree would be read one way here and another there, so it is refused.
class MemberProperties
{
public:
    explicit MemberProperties(qint64 count) : m_count(count) {}

    void read(quint8 type, const QByteArray& property, Contents& contents)
    {
        // 7-Zip writes each property once but its padding (Dummy); libarchive
        // refuses some twice and takes the last of others.
        if (type != Dummy && std::exchange(m_seen[type], true))
            throw Malformed{};
        HeaderReader r(property);
        switch (type) {
        case EmptyStream: {
            const QList<bool> empty = bits(r, m_count);
            m_emptyStreams = empty.count(true);
            contents.lastMemberHasStream = m_count > 0 && !empty.last();
            break;
        }
        case EmptyFile:
        case Anti:
            if (m_emptyStreams == 0)
                return; // passed over by its size
            bits(r, m_emptyStreams);
            break;
        case CTime:
        case ATime:
        case MTime: {
            const qint64 defined = definedBits(r, 0).count(true);
            if (r.byte() != 0) // kept elsewhere: an index
                r.number();
            r.take(quint64(8 * defined));
            break;
        }
        case Attributes: {
            // libarchive takes two bytes before the bits: the second is passed over.
            const QList<bool> defined = definedBits(r, 1);
            for (qint64 i = 0; i < m_count; ++i) {
                if (!defined.at(i))
                    continue;
                const quint32 mode = qFromLittleEndian<quint32>(r.take(4).constData()) >> 16;
                if (i == m_count - 1)
                    contents.lastMemberIsLink = (mode & 0170000) == 0120000;
            }
            break;
        }
        default:
            return; // passed over by its size
        }
        if (!r.atEnd())
            throw Malformed{};
    }
    // The members with a stream, one for each of the folders' streams.
    qint64 streamCount() const { return m_count - m_emptyStreams; }

private:
    static QList<bool> bits(HeaderReader& r, qint64 count)
    {
        QList<bool> bits(count);
        quint8 byte = 0;
        for (qint64 i = 0; i < count; ++i) {
            if (i % 8 == 0)
                byte = r.byte();
            bits[i] = byte & (0x80 >> (i % 8));
        }
        return bits;
    }
    // A byte saying whether all members have the property, skip bytes passed
    // over, then the bits saying which have it when not all do.
    QList<bool> definedBits(HeaderReader& r, qint64 skip) const
    {
        const bool all = r.byte() != 0;
        r.take(quint64(skip));
        return all ? QList<bool>(m_count, true) : bits(r, m_count);
    }

    qint64 m_count;
    qint64 m_emptyStreams = 0;
    std::array<bool, 256> m_seen{};
};

// The main streams as 7-Zip writes them, and libarchive reads nothing else:
// every pack stream in a folder, every folder giving members streams (libarchive
// passes over a folder of none when it gives members their streams, but not
// when it unpacks them: it unpacks the folders in order), no pack stream
// longer than its folder could need.
void checkMainStreams(const Streams& streams)
{
    quint64 packedStreams = 0;
    for (const FolderInfo& folder : streams.folders) {
        if (folder.unpackStreams == 0 || !packedWithinLimit(streams, folder))
            throw Malformed{};
        packedStreams += folder.packedStreams;
    }
    if (packedStreams != quint64(streams.packSizes.size()))
        throw Malformed{};
}

// The header after its first byte (Header), to its end: read byte for byte as
// libarchive reads it, and refused where the two could read it differently.
Contents readHeader(HeaderReader& r, quint64 headerOffset)
{
    Contents contents;
    quint8 id = r.byte();
    // libarchive reads the archive's properties otherwise than 7-Zip (which
    // writes none): a header could hide another from this reading.
    if (id == ArchiveProperties)
        throw Malformed{};
    if (id == AdditionalStreamsInfo)
        throw NotUnpacked{ArchiveError::Detail::AdditionalStreams};
    if (id == MainStreamsInfo) {
        contents.streams = readStreamsInfo(r, headerOffset);
        checkMainStreams(contents.streams);
        id = r.byte();
    }
    qint64 streamCount = 0;
    if (id == FilesInfo) {
        contents.memberCount = r.count(archiveLimits::Members);
        contents.lastMemberHasStream = contents.memberCount > 0;
        // Of the members' properties only which have a stream, and whether the
        // last one is a link, matters here.
        MemberProperties properties(contents.memberCount);
        for (quint8 type = r.byte(); type != End; type = r.byte())
            properties.read(type, r.take(r.number()), contents);
        streamCount = properties.streamCount();
    } else if (id != End) {
        throw Malformed{};
    }
    // The header's end: libarchive reads one more End after the members, or
    // after the End it took for theirs when there are none; and nothing after
    // it, which libarchive would neither read nor count in the header's CRC.
    if (r.byte() != End || !r.atEnd())
        throw Malformed{};
    qint64 folderStreams = 0;
    for (const FolderInfo& folder : contents.streams.folders)
        folderStreams += qint64(folder.unpackStreams);
    if (streamCount != folderStreams)
        throw Malformed{}; // a member without its stream, or a stream of no member
    return contents;
}

bool isEncryption(quint64 method)
{
    return method == ZipCrypto || method == Rar29Crypto || method == Aes;
}

// The filter chain liblzma decodes an LZMA or LZMA2 coder with, from its properties.
class LzmaFilters
{
public:
    explicit LzmaFilters(const Coder& coder)
    {
        m_filters[0].id = coder.method == Lzma ? LZMA_FILTER_LZMA1 : LZMA_FILTER_LZMA2;
        if (lzma_properties_decode(&m_filters[0], nullptr,
                                   reinterpret_cast<const uint8_t*>(coder.properties.constData()),
                                   size_t(coder.properties.size())) != LZMA_OK)
            throw Malformed{};
    }
    ~LzmaFilters() { std::free(m_filters[0].options); }
    LzmaFilters(const LzmaFilters&) = delete;
    LzmaFilters& operator=(const LzmaFilters&) = delete;

    const lzma_filter* filters() const { return m_filters; }

private:
    lzma_filter m_filters[2] = {{LZMA_VLI_UNKNOWN, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
};

// The memory liblzma's decoder takes for these LZMA or LZMA2 properties.
qint64 lzmaMemory(const Coder& coder)
{
    const uint64_t memory = lzma_raw_decoder_memusage(LzmaFilters(coder).filters());
    if (memory == UINT64_MAX)
        throw Malformed{};
    return qint64(qMin<uint64_t>(memory, uint64_t(std::numeric_limits<qint64>::max())));
}

// The memory one coder takes to unpack, beyond small buffers; refuses a
// method Romweaver does not unpack.
qint64 coderMemory(const Coder& coder, bool bzip2Unpacked)
{
    switch (coder.method) {
    case Lzma:
    case Lzma2:
        return lzmaMemory(coder);
    case Bzip2:
        if (!bzip2Unpacked)
            break;
        return BZip2Memory;
    case Copy:
    case Deflate:
    case Delta:
    case X86:
    case Bcj2:
    case PowerPc:
    case Ia64:
    case Arm:
    case ArmThumb:
    case Sparc:
    case ZipCrypto: // refused as encrypted when a member of it is read
    case Rar29Crypto:
    case Aes:
        return 0;
    default:
        break;
    }
    throw notUnpacked(coder.method);
}

void checkMemory(qint64 memory)
{
    if (memory > archiveLimits::UnpackMemory)
        throw TooMuchMemory{memory};
}

// A compressed header, unpacked: LZMA or LZMA2, or stored (the only ways 7-Zip
// writes one).
QByteArray unpackHeader(const Coder& coder, const QByteArray& packed, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    auto* out = reinterpret_cast<uint8_t*>(bytes.data());
    const auto* in = reinterpret_cast<const uint8_t*>(packed.constData());
    if (coder.method == Copy) {
        if (packed.size() < size)
            throw Malformed{};
        return packed.left(size);
    }
    lzma_stream stream = LZMA_STREAM_INIT;
    const lzma_ret started = lzma_raw_decoder(&stream, LzmaFilters(coder).filters());
    if (started == LZMA_MEM_ERROR)
        throw std::bad_alloc();
    if (started != LZMA_OK)
        throw Malformed{};
    stream.next_in = in;
    stream.avail_in = size_t(packed.size());
    stream.next_out = out;
    stream.avail_out = size_t(size);
    lzma_ret status = LZMA_OK;
    while (stream.avail_out > 0 && status == LZMA_OK)
        status = lzma_code(&stream, LZMA_RUN);
    const bool complete = stream.avail_out == 0;
    lzma_end(&stream);
    if (!complete)
        throw Malformed{};
    return bytes;
}

// What reading every member's first bytes makes libarchive unpack: each
// folder (a solid block) whole, its side streams too (BCJ2), but the last
// member only to its first bytes when it is the last folder's last stream;
// and the memory each folder's coders take.
void checkCosts(const Contents& contents, bool bzip2Unpacked)
{
    qint64 unpacked = 0;
    const FolderInfo* last = nullptr;
    const Streams& streams = contents.streams;
    // Every folder gives members streams (checkMainStreams).
    for (const FolderInfo& folder : streams.folders) {
        qint64 memory = 0;
        for (const Coder& coder : folder.coders)
            memory += coderMemory(coder, bzip2Unpacked);
        if (folder.has(Bcj2)) {
            // libarchive unpacks the three side streams into memory first.
            for (const quint64 size : folder.unpackSizes)
                memory += qint64(qMin<quint64>(size, archiveLimits::UnpackMemory + 1));
            for (quint64 i = 0; i < folder.packedStreams; ++i)
                memory += qint64(qMin<quint64>(streams.packSizes.at(folder.firstPackStream + i),
                                               archiveLimits::UnpackMemory + 1));
        }
        checkMemory(memory);
        unpacked += qint64(qMin<quint64>(folder.decodedSize(), 1ull << 40));
        last = &folder;
    }
    // The last member is read no further than a rom is (ArchiveReader stops
    // once it has as many members as the header declares).
    if (last && !last->has(Bcj2) && contents.lastMemberHasStream && !contents.lastMemberIsLink)
        unpacked -= qint64(last->streamSizes.last() -
                           qMin<quint64>(last->streamSizes.last(), archiveLimits::RomRead));
    if (unpacked > archiveLimits::Unpacked)
        throw TooMuchUnpacked{};
}

int check(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked)
{
    const qint64 fileSize = input.size();
    const QByteArray start = input.readAt(0, StartHeaderSize);
    if (!start.startsWith(Signature))
        throw ArchiveError::wrongFormat(archiveName, QStringLiteral("7-Zip"));
    using Detail = ArchiveError::Detail;
    const auto damaged = [&archiveName](Detail detail) {
        return ArchiveError(archiveName, Kind::Damaged, detail);
    };
    const Detail truncated = Detail::Truncated;
    if (start.size() < StartHeaderSize)
        throw damaged(truncated);
    if (crc32(0, reinterpret_cast<const Bytef*>(start.constData()) + 12, 20) !=
        qFromLittleEndian<quint32>(start.constData() + 8))
        throw damaged(Detail::StartHeaderDamaged);
    const quint64 headerOffset = qFromLittleEndian<quint64>(start.constData() + 12);
    const quint64 headerSize = qFromLittleEndian<quint64>(start.constData() + 20);
    const quint32 headerCrc = qFromLittleEndian<quint32>(start.constData() + 28);
    if (headerSize == 0)
        return 0; // an archive without members
    const quint64 room = quint64(fileSize - StartHeaderSize);
    if (headerOffset > room || headerSize > room - headerOffset)
        throw damaged(truncated);
    if (headerSize > quint64(archiveLimits::MemberList))
        throw ArchiveError(archiveName, Kind::TooLarge, Detail::ListTooLong);
    QByteArray header = input.readAt(StartHeaderSize + qint64(headerOffset), qint64(headerSize));
    if (header.size() < qint64(headerSize))
        throw damaged(truncated);
    const auto crcOf = [](const QByteArray& bytes) {
        return quint32(
            crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
    };
    if (crcOf(header) != headerCrc)
        throw damaged(Detail::ListCrc);

    std::optional<HeaderReader> r(std::in_place, header);
    const quint8 first = r->byte();
    if (first == EncodedHeader) {
        const Streams encoded = readStreamsInfo(*r, headerOffset);
        if (!r->atEnd() || encoded.folders.isEmpty() || encoded.packSizes.isEmpty() ||
            encoded.packSizes.first() == 0)
            throw Malformed{};
        const FolderInfo& folder = encoded.folders.first();
        for (const Coder& coder : folder.coders) {
            if (isEncryption(coder.method))
                throw Encrypted{};
        }
        const Coder& coder = folder.coders.first();
        if (folder.coders.size() != 1 || folder.packedStreams != 1 ||
            !(coder.method == Copy || coder.method == Lzma || coder.method == Lzma2))
            throw NotUnpacked{Detail::ListPackedUnknownWay};
        const quint64 size = folder.finalSize();
        const quint64 packedSize = encoded.packSizes.first();
        if (size > quint64(archiveLimits::MemberList) ||
            packedSize > quint64(archiveLimits::MemberList))
            throw ArchiveError(archiveName, Kind::TooLarge, Detail::ListTooLong);
        // As 7-Zip writes it: one folder, one pack stream no longer than the
        // header needs, the header's CRC (without one libarchive checks none).
        if (size == 0 || encoded.folders.size() != 1 || encoded.packSizes.size() != 1 ||
            packedSize > packLimit(size) || !folder.digest)
            throw Malformed{};
        checkMemory(coderMemory(coder, false));
        const QByteArray packed =
            input.readAt(StartHeaderSize + qint64(encoded.packPosition), qint64(packedSize));
        if (packed.size() < qint64(packedSize))
            throw damaged(truncated);
        header = unpackHeader(coder, packed, qint64(size));
        if (crcOf(header) != *folder.digest)
            throw damaged(Detail::ListCrc);
        r.emplace(header);
        r->expect(Header);
    } else if (first != Header) {
        throw Malformed{};
    }
    const Contents contents = readHeader(*r, headerOffset);
    checkCosts(contents, bzip2Unpacked);
    return int(contents.memberCount);
}

} // namespace

int checkSevenZip(ArchiveInput& input, const QString& archiveName, bool bzip2Unpacked)
{
    using Detail = ArchiveError::Detail;
    try {
        return check(input, archiveName, bzip2Unpacked);
    } catch (const Malformed&) {
        throw ArchiveError(archiveName, Kind::Damaged, Detail::ListDamaged);
    } catch (const TooMany&) {
        throw ArchiveError(archiveName, Kind::TooLarge, Detail::TooManyMembers);
    } catch (const Encrypted&) {
        throw ArchiveError(archiveName, Kind::Encrypted);
    } catch (const NotUnpacked& error) {
        throw ArchiveError(archiveName, Kind::Unreadable, error.detail, {}, error.method);
    } catch (const TooMuchMemory& error) {
        throw ArchiveError(archiveName, Kind::TooLarge, Detail::TooMuchMemory, {}, {},
                           error.declared);
    } catch (const TooMuchUnpacked&) {
        throw ArchiveError(archiveName, Kind::TooLarge, Detail::TooMuchUnpacked);
    }
}

} // namespace builder
