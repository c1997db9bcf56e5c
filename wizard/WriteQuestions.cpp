#include "wizard/WriteQuestions.h"

#include "builder/ImageSurvey.h"
#include "platform/ProgramFiles.h"
#include "wizard/controls/MessageBoxes.h"

namespace wizard
{

builder::BuildHooks writePageHooks(QWidget* parent)
{
    builder::BuildHooks hooks;
    hooks.replaceOtherFile = [parent](const QString& outputPath) {
        return confirm(parent, QStringLiteral("%1 already exists and is not a GBA rom made with "
                                              "%2. Replace it?")
                                   .arg(outputPath, platform::ProgramFiles::BaseRomName));
    };
    // One question, naming the first such file.
    hooks.writeNonRom = [parent](const QStringList& romFileNames) {
        return confirm(parent, QStringLiteral("%1 is not an iNES rom. Romweaver may change its "
                                              "bytes 4 and 5 to fit its size. Write anyway?")
                                   .arg(romFileNames.constFirst()));
    };
    hooks.writeOversizeImage = [parent](qint64 imageLength) {
        return confirm(parent, QStringLiteral("The GBA rom will be %1 KB, more than the 32768 KB "
                                              "a GBA cartridge holds. Write it anyway?")
                                   .arg(builder::kbRoundedUp(imageLength)));
    };
    hooks.menuScriptFailureThrown = true;
    return hooks;
}

} // namespace wizard
