#pragma once

// Archives put together byte by byte, for what no archiver writes: lists that
// declare millions of members, gigabytes of contents or a 4 GiB dictionary,
// damaged trailers. The files are small; what they declare is large.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

#include <lzma.h>
#include <zlib.h>

#include <optional>
#include <utility>

namespace handmade
{

// value in little-endian order, in bytes bytes (zeros past the eighth).
inline QByteArray le(quint64 value, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < qMin(bytes, 8); ++i)
        out[i] = char(value >> (8 * i));
    return out;
}

inline quint32 crcOf(const QByteArray& bytes)
{
    return quint32(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

// zlib's deflate of data into gzip data; finished with its trailer, or left
// open (no trailer, more to come) as a stream cut short.
inline QByteArray gzip(const QByteArray& data, bool finished = true)
{
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        qFatal("deflateInit2");
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, finished ? Z_FINISH : Z_SYNC_FLUSH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// Raw Deflate of data, as a zip member holds it.
inline QByteArray rawDeflate(const QByteArray& data)
{
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        qFatal("deflateInit2");
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// A ustar header for a regular file.
inline QByteArray tarHeader(const QByteArray& name, qint64 size)
{
    QByteArray header(512, '\0');
    header.replace(0, name.size(), name);
    header.replace(100, 7, "0000644");
    header.replace(124, 11, QByteArray::number(size, 8).rightJustified(11, '0'));
    header.replace(136, 11, "00000000000");
    header[156] = '0';
    header.replace(257, 6, QByteArray("ustar\0", 6));
    header.replace(263, 2, "00");
    int sum = 0;
    for (int i = 0; i < 512; ++i)
        sum += (i >= 148 && i < 156) ? ' ' : quint8(header.at(i));
    header.replace(148, 7, QByteArray::number(sum, 8).rightJustified(6, '0') + '\0');
    return header;
}

namespace sevenzip
{

constexpr quint64 Lzma = 0x030101;
constexpr quint64 Lzma2 = 0x21;
constexpr quint64 Ppmd = 0x030401;
constexpr quint64 Deflate = 0x040108;

// A number as 7-Zip writes it.
inline QByteArray number(quint64 value)
{
    int extra = 0;
    while (extra < 8 && value >= (quint64(1) << (7 * (extra + 1))))
        ++extra;
    if (extra == 8)
        return QByteArray(1, char(0xff)) + le(value, 8);
    const quint8 first = quint8((0xff << (8 - extra)) | (value >> (8 * extra)));
    return QByteArray(1, char(first)) + le(value, extra);
}

struct Folder {
    quint64 method;
    QByteArray properties;
    QList<quint64> streamSizes; // its members' streams, in order
    QList<quint32> crcs = {};   // their CRCs
};

inline QByteArray coder(quint64 method, const QByteArray& properties)
{
    QByteArray id;
    for (quint64 rest = method; rest || id.isEmpty(); rest >>= 8)
        id.prepend(char(rest & 0xff));
    QByteArray bytes(1, char(id.size() | (properties.isEmpty() ? 0 : 0x20)));
    bytes += id;
    if (!properties.isEmpty())
        bytes += number(quint64(properties.size())) + properties;
    return bytes;
}

// Pack info, one single-coder folder per packed stream, and sub-streams: the
// streams' CRCs where a folder gives them (0 for the others), none where none does.
inline QByteArray streamsInfo(const QList<quint64>& packSizes, const QList<Folder>& folders,
                              quint64 packPosition = 0)
{
    QByteArray info = "\x06" + number(packPosition) + number(quint64(packSizes.size())) + "\x09";
    for (const quint64 size : packSizes)
        info += number(size);
    info += QByteArray("\x00\x07\x0b", 3) + number(quint64(folders.size())) + QByteArray(1, '\0');
    for (const Folder& folder : folders)
        info += number(1) + coder(folder.method, folder.properties);
    info += "\x0c";
    for (const Folder& folder : folders) {
        quint64 total = 0;
        for (const quint64 size : folder.streamSizes)
            total += size;
        info += number(total);
    }
    info += QByteArray("\x00\x08\x0d", 3);
    for (const Folder& folder : folders)
        info += number(quint64(folder.streamSizes.size()));
    info += "\x09";
    for (const Folder& folder : folders) {
        for (qsizetype i = 0; i + 1 < folder.streamSizes.size(); ++i)
            info += number(folder.streamSizes.at(i));
    }
    QByteArray crcs;
    bool given = false;
    for (const Folder& folder : folders) {
        given = given || !folder.crcs.isEmpty();
        for (qsizetype i = 0; i < folder.streamSizes.size(); ++i)
            crcs += le(folder.crcs.value(i), 4);
    }
    if (given)
        info += "\x0a\x01" + crcs;
    return info + QByteArray(2, '\0');
}

// Files info: count members, the names given, those flagged empty without a stream.
inline QByteArray filesInfo(quint64 count, const QList<QString>& names,
                            const QList<bool>& empty = {})
{
    QByteArray info = "\x05" + number(count);
    if (!empty.isEmpty()) {
        QByteArray bits((empty.size() + 7) / 8, '\0');
        for (qsizetype i = 0; i < empty.size(); ++i) {
            if (empty.at(i))
                bits[i / 8] = char(bits.at(i / 8) | (0x80 >> (i % 8)));
        }
        info += "\x0e" + number(quint64(bits.size())) + bits;
    }
    if (!names.isEmpty()) {
        QByteArray utf16(1, '\0');
        for (const QString& name : names)
            utf16 += QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * 2) +
                     QByteArray(2, '\0');
        info += "\x11" + number(quint64(utf16.size())) + utf16;
    }
    return info + QByteArray(1, '\0');
}

// The archive: start header, packed streams, header.
inline QByteArray assemble(const QByteArray& packed, const QByteArray& header)
{
    const QByteArray next =
        le(quint64(packed.size()), 8) + le(quint64(header.size()), 8) + le(crcOf(header), 4);
    return QByteArray("7z\xbc\xaf\x27\x1c\x00\x04", 8) + le(crcOf(next), 4) + next + packed +
           header;
}

// Raw LZMA of data with this dictionary, and the coder properties that say so.
inline std::pair<QByteArray, QByteArray> lzma(const QByteArray& data, quint32 dictionary)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 0);
    options.dict_size = dictionary;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    uint8_t properties[5];
    lzma_properties_encode(&filters[0], properties);
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&stream, filters) != LZMA_OK)
        qFatal("lzma_raw_encoder");
    QByteArray out(data.size() + data.size() / 2 + 1024, '\0');
    stream.next_in = reinterpret_cast<const uint8_t*>(data.constData());
    stream.avail_in = size_t(data.size());
    stream.next_out = reinterpret_cast<uint8_t*>(out.data());
    stream.avail_out = size_t(out.size());
    while (lzma_code(&stream, LZMA_FINISH) == LZMA_OK) {
    }
    out.truncate(qsizetype(stream.total_out));
    lzma_end(&stream);
    return {out, QByteArray(reinterpret_cast<const char*>(properties), 5)};
}

// The archive with its header compressed (LZMA) after the packed streams, as
// 7-Zip writes it: the header's CRC that of its folder.
inline QByteArray assembleWithEncodedHeader(const QByteArray& packed, const QByteArray& header)
{
    const auto [packedHeader, properties] = lzma(header, 1 << 20);
    const QByteArray encoded = "\x17\x06" + number(quint64(packed.size())) + "\x01\x09" +
                               number(quint64(packedHeader.size())) +
                               QByteArray("\x00\x07\x0b\x01\x00\x01", 6) + coder(Lzma, properties) +
                               "\x0c" + number(quint64(header.size())) + "\x0a\x01" +
                               le(crcOf(header), 4) + QByteArray(2, '\0');
    return assemble(packed + packedHeader, encoded);
}

} // namespace sevenzip

// A zip member as its central directory record and its local header say it,
// its data as it is stored (already compressed). What the local header says
// otherwise than the central record, where set.
struct ZipMember {
    QByteArray name;
    quint16 method = 0;
    quint16 flags = 0;
    QByteArray data;
    quint32 crc = 0;
    quint32 size = 0; // unpacked
    std::optional<quint16> localMethod = {};
    std::optional<quint16> localFlags = {};
    std::optional<QByteArray> localName = {};
    quint32 unixMode = 0; // where set, made on Unix with this mode
    QByteArray localExtra = {};
};

// A stored member holding data.
inline ZipMember storedMember(const QByteArray& name, const QByteArray& data)
{
    return {name, 0, 0, data, crcOf(data), quint32(data.size())};
}

// A zip of the members, after lead bytes of something else.
inline QByteArray zip(const QList<ZipMember>& members, const QByteArray& lead = {})
{
    QByteArray out = lead;
    QByteArray directory;
    for (const ZipMember& member : members) {
        const QByteArray sizes =
            le(member.crc, 4) + le(quint64(member.data.size()), 4) + le(member.size, 4);
        const QByteArray localName = member.localName.value_or(member.name);
        const qint64 offset = out.size() - lead.size();
        out += "PK\3\4" + le(20, 2) + le(member.localFlags.value_or(member.flags), 2) +
               le(member.localMethod.value_or(member.method), 2) + le(0, 4) + sizes +
               le(quint64(localName.size()), 2) + le(quint64(member.localExtra.size()), 2) +
               localName + member.localExtra + member.data;
        directory += "PK\1\2" + le(member.unixMode ? 0x314 : 20, 2) + le(20, 2) +
                     le(member.flags, 2) + le(member.method, 2) + le(0, 4) + sizes +
                     le(quint64(member.name.size()), 2) + le(0, 2 + 2 + 2 + 2) +
                     le(quint64(member.unixMode) << 16, 4) + le(quint64(offset), 4) + member.name;
    }
    const qint64 directoryStart = out.size() - lead.size();
    out += directory;
    return out + "PK\5\6" + le(0, 4) + le(quint64(members.size()), 2) +
           le(quint64(members.size()), 2) + le(quint64(directory.size()), 4) +
           le(quint64(directoryStart), 4) + le(0, 2);
}

// A zip whose central directory lists count stored members (all of them the
// one empty file at the start), for what the count alone costs.
inline QByteArray zipListing(int count)
{
    QByteArray zip =
        "PK\3\4" + le(10, 2) + le(0, 2 + 2 + 4 + 4 + 4 + 4) + le(1, 2) + le(0, 2) + "a";
    const qint64 directoryStart = zip.size();
    for (int i = 0; i < count; ++i)
        zip += "PK\1\2" + le(20, 2) + le(10, 2) + le(0, 2 + 2 + 4 + 4 + 4 + 4) + le(1, 2) +
               le(0, 2 + 2 + 2 + 2 + 4 + 4) + "a";
    const qint64 directorySize = zip.size() - directoryStart;
    return zip + "PK\5\6" + le(0, 4) + le(quint64(qMin(count, 0xffff)), 2) +
           le(quint64(qMin(count, 0xffff)), 2) + le(quint64(directorySize), 4) +
           le(quint64(directoryStart), 4) + le(0, 2);
}

} // namespace handmade
