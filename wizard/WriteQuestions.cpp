#include "wizard/WriteQuestions.h"

#include "builder/ImageSurvey.h"
#include "platform/ProgramFiles.h"
#include "wizard/controls/MessageBoxes.h"

#include <QCoreApplication>

namespace wizard
{

builder::BuildHooks writePageHooks(QWidget* parent, const QString& romsDirectory)
{
    builder::BuildHooks hooks;
    hooks.replaceOtherFile = [parent](const QString& outputPath) {
        return confirm(
            parent, QCoreApplication::translate("wizard::WriteQuestions",
                                                "%1 already exists and is not a GBA rom made with "
                                                "%2. Replace it?")
                        .arg(outputPath, platform::ProgramFiles::BaseRomName));
    };
    // One question, naming the first such file and its folder, which may be anyone's.
    hooks.writeNonRom = [parent, romsDirectory](const QStringList& romFileNames) {
        return confirm(parent,
                       QCoreApplication::translate(
                           "wizard::WriteQuestions",
                           "%1 in %2 is not an iNES rom. Romweaver will write it into the GBA rom "
                           "as it is, cut to the size its bytes 4 and 5 declare or with those "
                           "bytes changed in the GBA rom only; the file itself is not changed. "
                           "Write anyway?")
                           .arg(romFileNames.constFirst(), romsDirectory));
    };
    hooks.writeOversizeImage = [parent](qint64 imageLength) {
        return confirm(
            parent, QCoreApplication::translate("wizard::WriteQuestions",
                                                "The GBA rom will be %1 KB, more than the 32768 KB "
                                                "a GBA cartridge holds. Write it anyway?")
                        .arg(builder::kbRoundedUp(imageLength)));
    };
    hooks.menuScriptFailureThrown = true;
    return hooks;
}

} // namespace wizard
