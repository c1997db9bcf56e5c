#include "wizard/Startup.h"

#include "translations/Translators.h"
#include "wizard/MessageTexts.h"
#include "wizard/UnitAbout.h"
#include "wizard/UnitAddSpriteNumber.h"
#include "wizard/UnitNewOption.h"
#include "wizard/UnitRomweaver.h"
#include "wizard/controls/Accessibility.h"
#include "wizard/controls/MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

TfrmRomweaver* frmRomweaver = nullptr;
TfrmNewOption* frmNewOption = nullptr;
TfrmAbout* frmAbout = nullptr;
TfrmAddSpriteNumber* frmAddSpriteNumber = nullptr;

bool BaseRomPresent(const platform::ProgramFiles& files)
{
    const QFileInfo baseRom(files.baseRom());
    return baseRom.exists() && !baseRom.isDir();
}

namespace wizard
{

QString missingBaseRomText(const QString& userDataDirectory)
{
    QString text = QCoreApplication::translate(
        "wizard::Startup", "Cannot find Tessel.gba! Make sure it is installed in the same "
                           "directory as Romweaver program. The program will be closed.");
    // Installed under a system directory, the executable's directory is not the
    // user's: say where else the program looks.
    if (!userDataDirectory.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("wizard::Startup",
                                            "When Romweaver is installed, put %1 into this "
                                            "directory instead:\n%2")
                    .arg(platform::ProgramFiles::BaseRomName, userDataDirectory);
    return text;
}

void createForms(const platform::ProgramFiles& files)
{
    installAccessibleForms();
    setUncaughtErrorWording(uncaughtErrorMessage);
    frmRomweaver = new TfrmRomweaver(files);
    frmNewOption = new TfrmNewOption(frmRomweaver);
    frmAbout = new TfrmAbout();
    frmAddSpriteNumber = new TfrmAddSpriteNumber(frmRomweaver);
    frmRomweaver->setCompanions(frmNewOption, frmAbout, frmAddSpriteNumber);
}

void destroyForms()
{
    // The two dialogs are children of the main window and go with it.
    delete frmAbout;
    delete frmRomweaver;
    frmRomweaver = nullptr;
    frmNewOption = nullptr;
    frmAbout = nullptr;
    frmAddSpriteNumber = nullptr;
}

int runRomweaver(QApplication& application, const platform::ProgramFiles& files,
                 const QString& compilationFile, const QLocale& locale)
{
    // Before anything is shown, the start-up error too; for this run only.
    const translations::Translators translators(locale);
    if (!BaseRomPresent(files)) {
        showError(nullptr, missingBaseRomText(platform::userDataDirectory()));
        return 0;
    }
    createForms(files);
    frmRomweaver->show();
    // Once the window stands, so a refusal appears over it.
    if (!compilationFile.isEmpty())
        QTimer::singleShot(0, frmRomweaver,
                           [compilationFile] { frmRomweaver->openCompilation(compilationFile); });
    application.exec();
    destroyForms();
    return 0;
}

} // namespace wizard
