#include "WriteGuards.h"

#include "GbaImageWriter.h"
#include "ImageSizeCheck.h"
#include "MessageBoxes.h"
#include "Paths.h"

bool ConfirmUnusualBuild(QWidget* parent, const GbaBuildRequest& request,
                         const QStringList& menuLines)
{
    const ImageSurvey survey = SurveyImage(request, menuLines);
    if (!survey.firstNotAFile.isEmpty()) {
        ShowWarning(parent,
                    QStringLiteral("The GBA rom was not written: %1 is not a regular file "
                                   "(a folder, a device, a pipe or a socket).")
                        .arg(platform::joinPath(request.romsDirectory, survey.firstNotAFile)));
        return false;
    }
    if (!survey.nonInesRoms.isEmpty() &&
        !Confirm(parent, QStringLiteral("%1 is not an iNES rom. Romweaver may change its bytes 4 "
                                        "and 5 to fit its size. Write anyway?")
                             .arg(survey.nonInesRoms.constFirst())))
        return false;
    // An input that cannot be read makes the build fail as it always did; there
    // is no size to ask about then.
    if (survey.imageLength && *survey.imageLength > gba::CartridgeCapacity &&
        !Confirm(parent, QStringLiteral("The GBA rom will be %1 KB, more than the 32768 KB a GBA "
                                        "cartridge holds. Write it anyway?")
                             .arg(KBRoundedUp(*survey.imageLength))))
        return false;
    return true;
}
