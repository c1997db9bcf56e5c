#include "builder/ImageSurvey.h"

#include "builder/ArchiveError.h"
#include "builder/BuildRequest.h"
#include "builder/FileMeasure.h"
#include "builder/HeaderRepair.h"
#include "builder/RomSource.h"
#include "platform/FileError.h"
#include "platform/FileHead.h"
#include "platform/LocalText.h"
#include "platform/Paths.h"

namespace builder
{

bool hasInesSignature(const QByteArray& firstBytes)
{
    return firstBytes.startsWith(QByteArrayView("NES\x1a", 4));
}

qint64 menuScriptLength(const QStringList& lines)
{
    qint64 length = 0;
    for (const QString& line : lines)
        length += platform::localBytes(line).size() + 2;
    return length;
}

RomSurvey surveyRom(const QString& path, bool keepArchiveRom)
{
    RomSurvey survey;
    // Read-only and shared, like the size estimate: looking must not disturb anyone.
    std::optional<platform::FileStamp> lookedAt;
    try {
        platform::FileLook file(path);
        lookedAt = file.stamp();
        const RomSource rom(file, keepArchiveRom);
        const QByteArray& header = rom.header();
        // A rom too short to hold a count reads as 0 banks there, as in the size check.
        const auto countAt = [&header](qint64 offset) {
            return offset < header.size() ? quint8(header.at(offset)) : 0;
        };
        survey.readable = true;
        survey.ines = hasInesSignature(header);
        survey.length = rom.size();
        survey.declaredLength =
            declaredRomLength(countAt(ines::PrgCountOffset), countAt(ines::ChrCountOffset));
        // Cut to the declared length when longer; else whole (a repair keeps the length).
        survey.appendedLength = qMin(survey.length, survey.declaredLength);
        survey.header = header;
        survey.member = rom.member();
        survey.stamp = lookedAt;
        survey.appendedBytes = rom.keptBytes();
    } catch (const ArchiveError& error) {
        survey.error = keptError(error);
        survey.problem = error.text();
        survey.badArchiveReason = error.reason();
        survey.stamp = lookedAt;
    } catch (const platform::NotARegularFile& error) {
        survey.error = keptError(error);
        survey.problem = error.text();
        survey.notAFile = true;
    } catch (const platform::FileError& error) {
        survey.error = keptError(error);
        survey.problem = error.text();
        survey.failure = error.failure();
    }
    return survey;
}

ImageSurvey surveyImage(const BuildRequest& request, const RomSurveyer& surveyer)
{
    ImageSurvey survey;
    bool allReadable = true;
    qint64 length = menuScriptLength(request.menuLines);
    try {
        length += measureFile(request.files.baseRom());
    } catch (const platform::FileError&) {
        allReadable = false;
    }
    qint64 kept = 0;
    for (const QString& name : request.romFileNames) {
        const QString path = platform::joinPath(request.romsDirectory, name);
        const RomSurvey rom =
            surveyer ? surveyer(path) : surveyRom(path, kept < KeptArchiveRomsBudget);
        if (rom.appendedBytes)
            kept += rom.appendedBytes->size();
        length += rom.appendedLength;
        if (!rom.readable) {
            allReadable = false;
            survey.unreadableRoms << name;
        } else if (!rom.ines) {
            survey.nonInesRoms << name;
        }
        survey.roms << rom;
    }
    if (allReadable)
        survey.imageLength = length;
    return survey;
}

qint64 kbRoundedUp(qint64 bytes)
{
    return (bytes + 1023) / 1024;
}

} // namespace builder
