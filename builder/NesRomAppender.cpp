#include "builder/NesRomAppender.h"

#include "builder/BuildLog.h"
#include "builder/CopyBuffer.h"
#include "builder/HeaderRepair.h"
#include "platform/ExclusiveFile.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace builder
{

namespace
{

using Mode = platform::ExclusiveFile::Mode;

// A file too short to hold a count reads as 0 banks there.
int countAt(platform::ExclusiveFile& rom, qint64 offset, qint64 fileLength)
{
    return offset < fileLength ? rom.readByteAt(offset) : 0;
}

void makeBackup(platform::ExclusiveFile& rom, qint64 fileLength, const QString& backupDirectory,
                const QString& fileName, CopyBuffer& buffer)
{
    if (!QFileInfo(backupDirectory).isDir() && !QDir().mkdir(backupDirectory))
        throw platform::FileError(
            QStringLiteral("Cannot create directory \"%1\"").arg(backupDirectory));
    platform::ExclusiveFile backup(platform::joinPath(backupDirectory, fileName), Mode::Create);
    rom.seek(0);
    copyBytes(rom, fileLength, backup, buffer);
    backup.close();
}

// Reopens the rom for writing. The read-only handle has to go first, since a
// second exclusive open of the same file fails; the identity and length are
// compared afterwards so that the counts worked out from the first reading
// never land in a file that changed in between.
std::unique_ptr<platform::ExclusiveFile>
reopenForRepair(std::unique_ptr<platform::ExclusiveFile> rom, qint64 fileLength)
{
    const QString path = rom->path();
    const platform::FileIdentity identity = rom->identity();
    rom->close();
    rom.reset();
    auto writable = std::make_unique<platform::ExclusiveFile>(path, Mode::ReadWriteExisting);
    if (writable->identity() != identity || writable->size() != fileLength)
        throw platform::FileError(
            QStringLiteral("Cannot repair \"%1\": the file changed while it was read").arg(path));
    return writable;
}

void writeRepair(platform::ExclusiveFile& rom, const HeaderRepair& repair, qint64 fileLength)
{
    // Both bytes are written even when unchanged; a file too short to hold
    // one of them keeps its length, so its user's file is never grown.
    if (repair.prgCount && ines::PrgCountOffset < fileLength)
        rom.writeByteAt(ines::PrgCountOffset, *repair.prgCount);
    if (ines::ChrCountOffset < fileLength)
        rom.writeByteAt(ines::ChrCountOffset, repair.chrCount);
}

} // namespace

void AppendNESRom(platform::ByteSink& output, const QString& romsDirectory, const QString& fileName,
                  BuildLog& log, CopyBuffer& buffer)
{
    auto rom = std::make_unique<platform::ExclusiveFile>(
        platform::joinPath(romsDirectory, fileName), Mode::ReadExisting);
    const qint64 fileLength = rom->size();
    const int prgCount = countAt(*rom, ines::PrgCountOffset, fileLength);
    const int chrCount = countAt(*rom, ines::ChrCountOffset, fileLength);
    const qint64 declaredLength = declaredRomLength(prgCount, chrCount);

    if (fileLength < declaredLength) {
        const QString backupDirectory = platform::ProgramFiles::backupDirectoryIn(romsDirectory);
        makeBackup(*rom, fileLength, backupDirectory, fileName, buffer);
        const HeaderRepair repair = computeHeaderRepair(prgCount, chrCount, fileLength);
        rom = reopenForRepair(std::move(rom), fileLength);
        writeRepair(*rom, repair, fileLength);
        log.AddToLog((fileName +
                      QStringLiteral(": invalid rom size in header fixed. Backup of rom in ") +
                      backupDirectory)
                         .toLocal8Bit());
    }

    rom->seek(0);
    if (fileLength > declaredLength) {
        copyBytes(*rom, declaredLength, output, buffer);
        log.AddToLog((fileName + QStringLiteral(": only the rom size specified in header copied."))
                         .toLocal8Bit());
    } else {
        copyBytes(*rom, fileLength, output, buffer);
    }
    rom->close();
}

void AppendNESRom(platform::ByteSink& output, const QString& romsDirectory, const QString& fileName,
                  BuildLog& log)
{
    CopyBuffer buffer;
    AppendNESRom(output, romsDirectory, fileName, log, buffer);
}

} // namespace builder
