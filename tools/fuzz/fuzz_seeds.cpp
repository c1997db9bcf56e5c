// The first inputs of fuzz_archive (scripts/fuzz.sh): small archives of every
// kind Romweaver reads and the archives made to cost their reader, each behind
// the byte that names its format, written into the folder given.
//
//   fuzz_seeds <folder>

#include "support/HandMadeArchives.h"
#include "support/HostileArchives.h"
#include "support/TestArchives.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

using namespace testarchives;

// libFuzzer's -max_len in scripts/fuzz.sh: a longer seed would be cut.
constexpr qsizetype MaxSeedSize = 4 * 1024 * 1024;

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: fuzz_seeds <folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir temp;
    const QByteArray rom = testfiles::makeRom(1, 1, 24 * 1024, 1);
    const QList<Member> members{file(QStringLiteral("readme.txt"), "Read me."),
                                {QStringLiteral("extras/"), {}, 0, {}},
                                file(QStringLiteral("Game.nes"), rom),
                                {QStringLiteral("link.nes"), {}, 0, QStringLiteral("Game.nes")}};
    const auto seed = [&](const QString& name, char format, const QByteArray& bytes) {
        testfiles::makeFile(out.path(), name, format + bytes);
    };
    const auto made = [&](Format format, const QList<Member>& list) {
        return testfiles::readFile(
            makeArchive(temp.filePath(QStringLiteral("made")), format, list));
    };
    seed(QStringLiteral("stored.zip"), 0, made(Format::ZipStored, members));
    seed(QStringLiteral("deflate.zip"), 0, made(Format::ZipDeflate, members));
    seed(QStringLiteral("game.7z"), 1, made(Format::SevenZip, members));
    seed(QStringLiteral("game.nes.gz"), 2, made(Format::Gzip, {members.at(2)}));
    seed(QStringLiteral("game.tar.gz"), 2,
         handmade::gzip(handmade::tarHeader("Game.nes", rom.size()) + rom +
                        QByteArray(1024 + 512 - rom.size() % 512, '\0')));
    using namespace handmade::sevenzip;
    const auto [packed, properties] = lzma(rom + "Read me.", 1 << 16);
    const QByteArray header =
        "\x01\x04" +
        streamsInfo({quint64(packed.size())},
                    {{Lzma,
                      properties,
                      {quint64(rom.size()), 8},
                      {handmade::crcOf(rom), handmade::crcOf("Read me.")}}}) +
        filesInfo(2, {QStringLiteral("Game.nes"), QStringLiteral("readme.txt")}) +
        QByteArray(1, '\0');
    seed(QStringLiteral("solid.7z"), 1, assemble(packed, header));
    seed(QStringLiteral("encoded-header.7z"), 1, assembleWithEncodedHeader(packed, header));
    // The archives made to cost their reader, as far as the fuzzing reads them whole.
    int number = 0;
    for (const hostile::Archive& archive : hostile::archives()) {
        const char format = archive.name.endsWith(QLatin1String(".zip"))  ? 0
                            : archive.name.endsWith(QLatin1String(".7z")) ? 1
                                                                          : 2;
        if (archive.bytes.size() < MaxSeedSize)
            seed(QStringLiteral("hostile-%1%2").arg(++number).arg(archive.name.mid(1)), format,
                 archive.bytes);
    }
    return 0;
}
