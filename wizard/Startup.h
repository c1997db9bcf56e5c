#pragma once

#include "platform/ProgramFiles.h"

#include <QLocale>
#include <QString>

class QApplication;
class TfrmAbout;
class TfrmAddSpriteNumber;
class TfrmNewOption;
class TfrmRomweaver;

// The program's windows, one instance each, created by wizard::createForms.
// They and BaseRomPresent are the program's own, outside the wizard's
// namespace, as the windows themselves are.
extern TfrmRomweaver* frmRomweaver;
extern TfrmNewOption* frmNewOption;
extern TfrmAbout* frmAbout;
extern TfrmAddSpriteNumber* frmAddSpriteNumber;

// True when the base rom is a file (not a directory) in the program directory.
bool BaseRomPresent(const platform::ProgramFiles& files);

namespace wizard
{

// The start-up error's text; where the program has a user data directory, a
// second paragraph names it as the other place for the base rom.
QString missingBaseRomText(const QString& userDataDirectory);

// Creates the four windows in their fixed order: the main window, the new-option
// dialog, the About window, the sprite dialog. All stay hidden.
void createForms(const platform::ProgramFiles& files);
void destroyForms();

// The whole program, in the language of the locale (the system's unless told
// otherwise): refuses to start without the base rom, else shows the wizard
// (with the compilation file opened, when one is given) and runs until its
// window closes. Returns the exit status.
int runRomweaver(QApplication& application, const platform::ProgramFiles& files,
                 const QString& compilationFile = {}, const QLocale& locale = QLocale::system());

} // namespace wizard
