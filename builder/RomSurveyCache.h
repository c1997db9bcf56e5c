#pragma once

#include "builder/ImageSurvey.h"

#include <QHash>
#include <QString>

#include <optional>

namespace builder
{

// What surveyRom found of each rom file, kept while the file stays as it was
// measured: the same path, size, times and file (FileStamp, asked the way a
// look opens the file: platform::lookStamp). Asked again, a file whose stamp
// still matches is not read again; one that changed, was
// replaced, vanished or came back is measured afresh, so every answer is what
// a fresh survey would give. A file that could not be read is measured at
// every call (its failure is what a fresh look would find, and says nothing
// about the next look). Kept in memory for one run of the program only.
class RomSurveyCache
{
public:
    RomSurvey survey(const QString& path);
    // The survey kept for the file, while it stays as it was measured; nothing
    // else (nothing is read but the file's stamp).
    std::optional<RomSurvey> kept(const QString& path);
    // Keeps a survey made elsewhere (one that tells no stamp is not kept).
    void keep(const QString& path, const RomSurvey& survey);
    // Forgets the files not asked for since the last call, so that what is
    // kept follows the selection rather than every file ever looked at.
    void forgetUnused();

private:
    struct Kept {
        RomSurvey survey;
        bool used = true;
    };
    QHash<QString, Kept> m_kept;
};

} // namespace builder
