#pragma once

// Archives made to cost their reader: lists that declare millions of members,
// dictionaries of gigabytes, local headers that say otherwise than the list,
// members whose decoders make far more than is read of them, damaged roms
// longer than their headers say. Each with what a look at it says, as it
// begins: a refusal, or "rom" and the rom's length. The tests read each
// (tst_archiveroms), and the fuzzing starts from them (fuzz_seeds).

#include "support/HandMadeArchives.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <archive.h>

namespace hostile
{

struct Archive {
    const char* row;
    QString name;
    QByteArray bytes;
    QString said;
};

inline QList<Archive> archives()
{
    using namespace handmade::sevenzip;
    using testfiles::makeRom;
    constexpr int KB = 1024;
    QList<Archive> list;
    const auto add = [&list](const char* row, const QString& name, const QByteArray& bytes,
                             const QString& said) {
        list.append({row, name, bytes, said});
    };
    constexpr quint64 MiB = 1024 * 1024;
    constexpr quint64 GiB = 1024 * MiB;
    const QByteArray rom = makeRom(2, 1, 40 * KB, 7);
    const QString tooLarge = QStringLiteral("a.7z is too large to read: ");
    const QString members = tooLarge + QStringLiteral("Romweaver reads at most 10000 members of an "
                                                      "archive.");
    const QString unpacked = tooLarge + QStringLiteral("Romweaver unpacks at most 22 MiB of an "
                                                       "archive.");
    const QString memory = tooLarge + QStringLiteral("Romweaver unpacks with at most 128 MiB");
    const QString damaged = QStringLiteral("a.7z is damaged: its list of members is damaged.");
    const auto crc = [](const QByteArray& bytes) { return handmade::crcOf(bytes); };

    const QByteArray emptyMembers =
        "\x01" + filesInfo(5000000, {}, QList<bool>(5000000, true)) + QByteArray(1, '\0');
    add("7-Zip declaring 5 million members", "a.7z", assemble({}, emptyMembers), members);
    add("the same, its header compressed", "a.7z", assembleWithEncodedHeader({}, emptyMembers),
        members);

    // A rom and a member of zeros in one solid block, the rom's CRC recorded.
    const auto solid = [&](quint64 method, const QByteArray& properties,
                           const QList<quint64>& sizes, const QByteArray& packed,
                           const QStringList& names) {
        QList<quint32> crcs;
        for (const QString& name : names)
            crcs << (name == QLatin1String("a.nes") ? crc(rom) : 0);
        return assemble(
            packed, "\x01\x04" +
                        streamsInfo({quint64(packed.size())}, {{method, properties, sizes, crcs}}) +
                        filesInfo(quint64(names.size()), names) + QByteArray(1, '\0'));
    };
    const auto [romAndZeros, properties] = lzma(rom + QByteArray(MiB, '\0'), MiB);
    const QList<quint64> romThenZeros{quint64(rom.size()), MiB};
    const QStringList romFirst{QStringLiteral("a.nes"), QStringLiteral("zeros.bin")};
    // Dictionaries declared larger than any rom needs.
    const QByteArray huge = properties.left(1) + handmade::le(1536 * MiB, 4);
    add("7-Zip with a 1.5 GiB LZMA dictionary", "a.7z",
        solid(Lzma, huge, romThenZeros, romAndZeros, romFirst), memory);
    add("7-Zip with a 4 GiB LZMA2 dictionary", "a.7z",
        solid(Lzma2, QByteArray(1, char(40)), romThenZeros, romAndZeros, romFirst), memory);
    // PPMd, whose model could be as large, is not read at all.
    add("7-Zip with a 4 GiB PPMd model", "a.7z",
        solid(Ppmd, QByteArray(1, char(6)) + handmade::le(0xffffffdb, 4), romThenZeros, romAndZeros,
              romFirst),
        "a.7z cannot be read: it is compressed with PPMd, which Romweaver cannot unpack.");
    // What comes before the rom has to be unpacked to reach it; what comes
    // after it, only to its first bytes.
    const auto [zerosAndRom, zerosFirst] = lzma(QByteArray(MiB, '\0') + rom, MiB);
    add("16 GiB before the rom in one 7-Zip block", "a.7z",
        solid(Lzma, zerosFirst, {16 * GiB, quint64(rom.size())}, zerosAndRom,
              {QStringLiteral("zeros.bin"), QStringLiteral("a.nes")}),
        unpacked);
    add("16 GiB after the rom in one 7-Zip block", "a.7z",
        solid(Lzma, properties, {quint64(rom.size()), 16 * GiB}, romAndZeros, romFirst),
        QStringLiteral("rom %1").arg(rom.size()));

    // The rom alone in a folder, and a header.
    const QByteArray romFiles = filesInfo(1, {QStringLiteral("a.nes")});
    const auto romAlone = [&](quint64 method, const QByteArray& coded, qint64 packed,
                              const QList<quint32>& crcs) {
        return "\x04" +
               streamsInfo({quint64(packed)}, {{method, coded, {quint64(rom.size())}, crcs}}) +
               romFiles;
    };
    const auto header = [](const QByteArray& body) { return "\x01" + body + QByteArray(1, '\0'); };
    // libarchive reads archive properties as a list of numbers where 7-Zip
    // skips each one's data by its size: here the data hides from a reading
    // like 7-Zip's the header libarchive reads (its folder declaring a 1.5 GiB
    // dictionary), whose last, padding property hides the other header from it.
    const QByteArray seen = romAlone(Lzma, properties, romAndZeros.size(), {crc(rom)});
    const QByteArray hidden = QByteArray(1, '\0') +
                              romAlone(Lzma, huge, romAndZeros.size(), {crc(rom)}).chopped(1) +
                              "\x19" + number(quint64(seen.size()));
    add("7-Zip: archive properties hiding another header", "a.7z",
        assemble(romAndZeros, header("\x02\x42" + number(quint64(hidden.size())) + hidden +
                                     QByteArray(1, '\0') + seen)),
        damaged);
    // libarchive unpacks the folders in order, also one giving no member a
    // stream: here the rom's stream is read from one declaring a 1.5 GiB dictionary.
    add("7-Zip: a folder of no stream before the rom's", "a.7z",
        assemble("Read me." + romAndZeros + rom,
                 header("\x04" +
                        streamsInfo({8, quint64(romAndZeros.size()), quint64(rom.size())},
                                    {{0, {}, {8}, {crc("Read me.")}},
                                     {Lzma, huge, {}},
                                     {0, {}, {quint64(rom.size())}, {crc(rom)}}}) +
                        filesInfo(2, {QStringLiteral("readme.txt"), QStringLiteral("a.nes")}))),
        damaged);
    // libarchive decodes a pack stream to its end, past what its folder declares.
    const QByteArray overlong = handmade::rawDeflate(rom + QByteArray(64 * MiB, '\0'));
    add("7-Zip: a Deflate pack stream 64 MiB longer than its folder", "a.7z",
        assemble(overlong, header(romAlone(Deflate, {}, overlong.size(), {crc(rom)}))), damaged);
    add("7-Zip: a rom with no CRC", "a.7z", assemble(rom, header(romAlone(0, {}, rom.size(), {}))),
        damaged);

    add("zip listing 10001 members", "a.zip", handmade::zipListing(10001),
        "a.zip is too large to read: Romweaver reads at most 10000 members of an archive.");
    // Its tar header declares 1 GiB; 48 MiB of it are there.
    add("1 GiB before the rom in a .tar.gz", "a.tar.gz",
        handmade::gzip(handmade::tarHeader("zeros.bin", GiB) + QByteArray(48 * MiB, '\0'), false),
        "a.tar.gz is too large to read: Romweaver unpacks at most 22 MiB of an archive.");

    // A zip's local headers, which libarchive reads the method, the encryption
    // and the name from, must say what its central directory says.
    using handmade::ZipMember;
    const QByteArray lzmaData = handmade::le(0x0914, 2) + handmade::le(5, 2) + "\x5d" +
                                handmade::le(0xffffffff, 4) + QByteArray(64, '\x55');
    const QString disagrees = QStringLiteral(
        "a.zip is damaged: the local header of %1 does not agree with its list of members.");
    const auto local = [&](quint16 method, quint16 flags, const QByteArray& name) {
        ZipMember member;
        member.name = name;
        member.method = method;
        member.flags = flags;
        member.data = lzmaData;
        member.size = quint32(rom.size());
        member.localMethod = quint16(14);
        member.localFlags = quint16(0);
        member.localName = QByteArray("a.nes");
        return handmade::zip({member});
    };
    add("zip: Deflate, LZMA of 4 GiB in the local header", "a.zip", local(8, 0, "a.nes"),
        disagrees.arg(QStringLiteral("a.nes")));
    add("zip: encrypted, LZMA in the local header", "a.zip", local(8, 1, "a.nes"),
        disagrees.arg(QStringLiteral("a.nes")));
    add("zip: a folder, a rom in the local header", "a.zip", local(14, 0, "x/"),
        disagrees.arg(QStringLiteral("x/")));
    // libarchive's name ends at the NUL: a file, not a folder.
    ZipMember nul{QByteArray("a.nes\0/", 7), 14, 0, lzmaData, 0, quint32(rom.size())};
    add("zip: LZMA behind a NUL and a folder's slash", "a.zip", handmade::zip({nul}),
        "a.zip is damaged: its list of members is damaged.");
    // libarchive takes the name from a Unicode path extra field, here a file's;
    // and unpacks a link's target as it reads its header, encrypted or not.
    ZipMember renamed{"x/", 14, 0, lzmaData, 0, quint32(rom.size())};
    const QByteArray path = "\x01" + handmade::le(crc("x/"), 4) + "a.nes";
    renamed.localExtra = handmade::le(0x7075, 2) + handmade::le(path.size(), 2) + path;
    add("zip: a folder a Unicode path field names a.nes, LZMA", "a.zip", handmade::zip({renamed}),
        "a.zip cannot be read: x/ is compressed with LZMA, which Romweaver cannot unpack.");
    ZipMember link{"l", 14, 1, lzmaData, 0, 10};
    link.unixMode = 0120777;
    add("zip: an encrypted link, LZMA of 4 GiB", "a.zip", handmade::zip({link}),
        "a.zip cannot be read: l is compressed with LZMA, which Romweaver cannot unpack.");
    // libarchive inflates a link's target as it reads the link's header.
    QList<ZipMember> links{handmade::storedMember("a.nes", rom)};
    const QByteArray target(256 * KB, 'A');
    const QByteArray packedTarget = handmade::rawDeflate(target);
    for (int i = 0; i < 100; ++i) {
        links << ZipMember{"l" + QByteArray::number(i), 8, 0, packedTarget, crc(target),
                           quint32(target.size())};
        links.last().unixMode = 0120777;
    }
    add("zip: 100 links, their targets packed with Deflate", "a.zip", handmade::zip(links),
        "a.zip is too large to read: Romweaver unpacks at most 22 MiB of an archive.");
    // Each member read for its first bytes makes its decoder fill a block.
    const auto many = [](quint16 method, const QByteArray& data, quint32 size) {
        ZipMember member;
        member.method = method;
        member.data = data;
        member.crc = handmade::crcOf(QByteArray(size, '\0'));
        member.size = size;
        QList<ZipMember> members;
        for (int i = 0; i < 9999; ++i) {
            member.name = "m" + QByteArray::number(i) + ".bin";
            members << member;
        }
        return handmade::zip(members);
    };
    const QByteArray bzip2Block = QByteArray::fromHex(
        "425a6839314159265359249ef49e0006e2c080c00000200008200030cc09aa6992a136a8a84f177245385090"
        "249ef49e");
    add("zip: 9999 BZip2 members of 899000 bytes", "a.zip", many(12, bzip2Block, 899000),
        (archive_bzlib_version() ? QStringLiteral("a.zip is too large to read: Romweaver "
                                                  "unpacks at most 22 MiB of an archive.")
                                 : QStringLiteral("a.zip cannot be read: m0.bin is compressed "
                                                  "with BZip2")));
    add("zip: 9999 Deflate members of 1 MiB", "a.zip",
        many(8, handmade::rawDeflate(QByteArray(MiB, '\0')), MiB),
        "a.zip is too large to read: Romweaver unpacks at most 22 MiB of an archive.");
    add("zip: 32 MiB of zeros its end record calls its list", "a.zip",
        QByteArray(32 * MiB, '\0') + "PK\5\6" + handmade::le(0, 4) + handmade::le(1, 2) +
            handmade::le(1, 2) + handmade::le(32 * MiB, 4) + handmade::le(0, 4) +
            handmade::le(0, 2),
        "a.zip is too large to read: Romweaver reads at most 16 MiB of an archive's list of "
        "members.");
    // A rom longer than its header says is read to its end all the same: its
    // checksum is checked before a byte of it is used.
    const QByteArray longer = makeRom(2, 1, 40 * KB + 512, 9);
    ZipMember flipped = handmade::storedMember("a.nes", longer);
    flipped.data[100] = char(flipped.data.at(100) ^ 0x20);
    add("zip: a longer rom with a byte changed", "a.zip", handmade::zip({flipped}),
        "a.zip is damaged: a.nes fails its CRC check.");
    QByteArray gzipped = handmade::gzip(longer);
    gzipped[gzipped.size() - 8] = char(gzipped.at(gzipped.size() - 8) ^ 0x01);
    add("gz: a longer rom, its CRC-32 wrong", "a.nes.gz", gzipped,
        "a.nes.gz is damaged: its unpacked data does not match the CRC-32 its gzip trailer "
        "records.");
    return list;
}

} // namespace hostile
