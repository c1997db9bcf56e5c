#include "builder/NesRomAppender.h"

#include "builder/BuildLog.h"
#include "builder/CopyBuffer.h"
#include "builder/HeaderRepair.h"
#include "builder/ImageSurvey.h"
#include "builder/RomSource.h"
#include "platform/ExclusiveFile.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace builder
{

namespace
{

using Mode = platform::ExclusiveFile::Mode;

int countAt(const QByteArray& header, qint64 offset)
{
    // A rom too short to hold a count reads as 0 banks there.
    return offset < header.size() ? quint8(header.at(offset)) : 0;
}

// A link (a symbolic link, a junction) at the path: what is written there lands elsewhere.
bool isLink(const QString& path)
{
    const QFileInfo file(path);
    return file.isSymLink() || file.isJunction();
}

void makeBackup(platform::ExclusiveFile& rom, qint64 fileLength, const QString& backupDirectory,
                const QString& fileName, CopyBuffer& buffer)
{
    // The backups stay in the rom folder: a backup folder that is a link is
    // not written through, nor is a backup that is one (Mode::CreateHere).
    if (isLink(backupDirectory))
        throw platform::FileError(platform::FileAction::CreateFolder, backupDirectory,
                                  platform::FileReason::IsLink);
    if (!QFileInfo(backupDirectory).isDir() && !QDir().mkdir(backupDirectory))
        throw platform::FileError(platform::FileAction::CreateFolder, backupDirectory,
                                  platform::FileReason::None);
    platform::ExclusiveFile backup(platform::joinPath(backupDirectory, fileName), Mode::CreateHere);
    rom.seek(0);
    copyBytes(rom, fileLength, backup, buffer);
    backup.close();
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

std::unique_ptr<RomSource> openRom(const QString& path, const RomSurvey* surveyed)
{
    // A plain file's length and header cost one small read: they are taken
    // again from the handle the build holds.
    if (surveyed && surveyed->readable && surveyed->stamp && RomSource::isArchiveName(path))
        return std::make_unique<RomSource>(
            path, RomSource::Measured{*surveyed->stamp, surveyed->member, surveyed->header,
                                      surveyed->length, surveyed->appendedBytes});
    return std::make_unique<RomSource>(path, RomSource::Access::Build);
}

} // namespace

RomFate AppendNESRom(platform::ByteSink& output, const QString& romsDirectory,
                     const QString& fileName, BuildLog& log, CopyBuffer& buffer,
                     const RomSurvey* surveyed)
{
    const std::unique_ptr<RomSource> source =
        openRom(platform::joinPath(romsDirectory, fileName), surveyed);
    RomSource& rom = *source;
    const qint64 romLength = rom.size();
    const int prgCount = countAt(rom.header(), ines::PrgCountOffset);
    const int chrCount = countAt(rom.header(), ines::ChrCountOffset);
    const qint64 declaredLength = declaredRomLength(prgCount, chrCount);

    std::optional<HeaderRepair> imageRepair;
    if (romLength < declaredLength) {
        const HeaderRepair repair = computeHeaderRepair(prgCount, chrCount, romLength);
        if (rom.isArchive()) {
            // An archive is never written: the repaired counts go into the image alone.
            imageRepair = repair;
            log.AddToLog((fileName + QStringLiteral(": invalid rom size in header fixed in the "
                                                    "GBA rom only; the archive is unchanged."))
                             .toLocal8Bit());
        } else if (!hasInesSignature(rom.header()) ||
                   isLink(platform::joinPath(romsDirectory, fileName))) {
            // Nor is a file that is no iNES rom, whatever its folder: its bytes
            // 4 and 5 are no bank counts of a rom, and the file may be anyone's;
            // nor a rom reached by a link, which lies outside its folder.
            imageRepair = repair;
            log.AddToLog((fileName + QStringLiteral(": invalid rom size in header fixed in the "
                                                    "GBA rom only; the file is unchanged."))
                             .toLocal8Bit());
        } else {
            const QString backupDirectory =
                platform::ProgramFiles::backupDirectoryIn(romsDirectory);
            makeBackup(rom.file(), romLength, backupDirectory, fileName, buffer);
            rom.reopenForRepair();
            writeRepair(rom.file(), repair, romLength);
            log.AddToLog((fileName +
                          QStringLiteral(": invalid rom size in header fixed. Backup of rom in ") +
                          backupDirectory)
                             .toLocal8Bit());
        }
    }

    RomFate fate = romLength < declaredLength ? RomFate::Repaired : RomFate::Whole;
    if (romLength > declaredLength) {
        rom.copyTo(output, declaredLength, buffer);
        log.AddToLog((fileName + QStringLiteral(": only the rom size specified in header copied."))
                         .toLocal8Bit());
        fate = RomFate::Cut;
    } else {
        rom.copyTo(output, romLength, buffer, imageRepair ? &*imageRepair : nullptr);
    }
    rom.close();
    return fate;
}

RomFate AppendNESRom(platform::ByteSink& output, const QString& romsDirectory,
                     const QString& fileName, BuildLog& log)
{
    CopyBuffer buffer;
    return AppendNESRom(output, romsDirectory, fileName, log, buffer);
}

} // namespace builder
