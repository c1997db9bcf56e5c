// What each archive made to cost its reader costs (tests/support/HostileArchives.h):
// what a look at it says, how long the look takes (the median of several, the
// archive reader already started, as on page 1), and the most memory the
// archive reader's process took for it; beside the same for a real
// single-game archive, the reference of the same run.
//
//   bench_hostile_archives [runs]

#include "builder/ArchiveError.h"
#include "builder/ArchiveInput.h"
#include "builder/ArchiveReaderProcess.h"
#include "support/HostileArchives.h"
#include "support/TestArchives.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace
{

class FileInput : public builder::ArchiveInput
{
public:
    explicit FileInput(const QString& path) : m_file(path) { m_file.open(QIODevice::ReadOnly); }
    qint64 read(char* data, qint64 maxSize) override { return m_file.read(data, maxSize); }
    void seek(qint64 offset) override { m_file.seek(offset); }
    qint64 size() override { return m_file.size(); }

private:
    QFile m_file;
};

struct Look {
    QString said;
    double milliseconds = 0;
    qint64 peak = 0;
};

Look look(const QString& path, const QString& name, const QString& warmUp, int runs)
{
    // A reader of its own, started and warmed on a real archive first: its
    // peak is then this archive's.
    builder::ArchiveReaderProcess reader;
    FileInput warm(warmUp);
    reader.findRom(warm, QStringLiteral("warm.zip"), false);
    QList<double> times;
    Look result;
    for (int run = 0; run < runs; ++run) {
        FileInput input(path);
        QElapsedTimer clock;
        clock.start();
        try {
            const auto rom = reader.findRom(input, name, false);
            result.said = QStringLiteral("rom %1").arg(rom.length);
        } catch (const builder::ArchiveError& error) {
            result.said = error.text();
        }
        times << double(clock.nsecsElapsed()) / 1e6;
        result.peak = qMax(result.peak, reader.peakMemory());
    }
    std::sort(times.begin(), times.end());
    result.milliseconds = times.at(times.size() / 2);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString reference = dir.filePath(QStringLiteral("reference.zip"));
    testarchives::makeArchive(reference, testarchives::Format::ZipDeflate,
                              {testarchives::file(QStringLiteral("Game (World).nes"),
                                                  testfiles::makeRom(16, 16, 384 * 1024, 1)),
                               testarchives::file(QStringLiteral("readme.txt"), "Read me.")});
    const Look real = look(reference, QStringLiteral("reference.zip"), reference, runs);
    std::printf("%-55s %9s %8s  %s\n", "archive", "ms", "peak MB", "said");
    std::printf("%-55s %9.1f %8.1f  %s\n", "reference: a zipped 384 KiB rom and a readme",
                real.milliseconds, double(real.peak) / 1e6, qPrintable(real.said));
    for (const hostile::Archive& archive : hostile::archives()) {
        const QString path = dir.filePath(archive.name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(archive.bytes) != archive.bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        const Look cost = look(path, archive.name, reference, runs);
        std::printf("%-55s %9.1f %8.1f  %s\n", archive.row, cost.milliseconds,
                    double(cost.peak) / 1e6, qPrintable(cost.said.left(90)));
    }
    return 0;
}
