#pragma once

#include "builder/ArchiveError.h"
#include "builder/BuildProblem.h"
#include "platform/FileError.h"
#include "platform/FileStamp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace builder
{

struct BuildRequest;

// What a build will make, known before it starts from the roms' 16-byte
// headers (and, for a rom in an archive, from reading it through): how large
// the GBA rom gets, whether every rom is an iNES file and every archive gives
// one. The wizard and the command line use it to warn before they write.

namespace gba
{
// A GBA cartridge holds at most 32 MiB; a larger image runs nowhere.
constexpr qint64 CartridgeCapacity = 33554432;
constexpr qint64 CartridgeCapacityKB = CartridgeCapacity / 1024;
} // namespace gba

// True when the bytes begin with the iNES signature "NES" 0x1A.
bool hasInesSignature(const QByteArray& firstBytes);

// The size of the menu script written from these lines: each line in the
// local 8-bit encoding and CR LF.
qint64 menuScriptLength(const QStringList& lines);

// One rom as its first 16 bytes show it (RomSource: a plain file, or the rom
// in an archive, which is read through to know its length). A file that
// cannot be opened and read is not readable; the build fails on it, so
// nothing else is known but why (error), and whether the path names a folder,
// device, pipe or socket rather than a file. An archive that gives no rom is
// not readable either, and its error is an ArchiveError (badArchive()).
struct RomSurvey {
    bool readable = false;
    bool ines = false;
    // The rom's length as measured (for a rom in an archive, at most its
    // declared length + 1), what its header declares, and what a build appends.
    qint64 length = 0;
    qint64 declaredLength = 0;
    qint64 appendedLength = 0;
    bool notAFile = false;
    // Why it cannot be read: the error, the failure it stands for where the
    // system told, and, in English, its description (problem) and for an
    // archive its reason without the name (badArchiveReason).
    KeptError error;
    platform::FileFailure failure = platform::FileFailure::Other;
    QString problem;
    QString badArchiveReason;
    // The archive that gives no rom: why; nothing for any other file.
    const ArchiveError* badArchive() const
    {
        return dynamic_cast<const ArchiveError*>(error.get());
    }
    // The rom's first 16 bytes (fewer when it is shorter) and, in an archive,
    // its place among the entries: what a build needs to take it again.
    QByteArray header;
    int member = -1;
    // The file as it was measured (which file, its size and times, from the
    // handle it was read through), for a rom measured or an archive that
    // gives none: the survey holds while the file keeps this stamp.
    std::optional<platform::FileStamp> stamp;
    // A rom in an archive that the survey was asked to keep: the bytes a
    // build appends of it.
    std::optional<QByteArray> appendedBytes;
};
// keepArchiveRom: a rom in an archive is kept in memory (appendedBytes).
RomSurvey surveyRom(const QString& path, bool keepArchiveRom = false);
using RomSurveyer = std::function<RomSurvey(const QString& path)>;

// The whole build: the image's length, unknown when an input cannot be read,
// the roms (file names, menu order) that are readable but not iNES and those
// that cannot be read, and each rom's own survey, in menu order, which says why.
struct ImageSurvey {
    std::optional<qint64> imageLength;
    QStringList nonInesRoms;
    QStringList unreadableRoms;
    QList<RomSurvey> roms;
};
// The roms in archives are kept in memory for the build while they take up to
// KeptArchiveRomsBudget bytes (a build of a cartridge's worth of zipped roms
// unpacks each once; later ones are unpacked again to be appended).
// surveyer, where given, surveys each rom in surveyRom's place (the wizard's
// surveys kept while the files stay as they were).
constexpr qint64 KeptArchiveRomsBudget = 64 * 1024 * 1024;
ImageSurvey surveyImage(const BuildRequest& request, const RomSurveyer& surveyer = {});

// KB for a message about the cartridge: rounded up, so that an image a few
// bytes too large never reads as exactly the capacity.
qint64 kbRoundedUp(qint64 bytes);

} // namespace builder
