#include "Startup.h"

#include "Accessibility.h"
#include "MessageBoxes.h"
#include "UnitAbout.h"
#include "UnitAddSpriteNumber.h"
#include "UnitNewOption.h"
#include "UnitRomweaver.h"

#include <QApplication>
#include <QFileInfo>

TfrmRomweaver* frmRomweaver = nullptr;
TfrmNewOption* frmNewOption = nullptr;
TfrmAbout* frmAbout = nullptr;
TfrmAddSpriteNumber* frmAddSpriteNumber = nullptr;

bool BaseRomPresent(const QString& programDirectory)
{
    const QFileInfo baseRom(programDirectory + QStringLiteral("Tessel.GBA"));
    return baseRom.exists() && !baseRom.isDir();
}

QString MissingBaseRomText(const QString& userDataDirectory)
{
    QString text = QStringLiteral("Cannot find Tessel.gba! Make sure it is installed in the same "
                                  "directory as Romweaver program. The program will be closed.");
    // Installed under a system directory, the executable's directory is not the
    // user's: say where else the program looks.
    if (!userDataDirectory.isEmpty())
        text += QStringLiteral("\n\nWhen Romweaver is installed, put Tessel.GBA into this "
                               "directory instead:\n") +
                userDataDirectory;
    return text;
}

void CreateForms(const QString& programDirectory)
{
    InstallAccessibleForms();
    frmRomweaver = new TfrmRomweaver(programDirectory);
    frmNewOption = new TfrmNewOption(frmRomweaver);
    frmAbout = new TfrmAbout();
    frmAddSpriteNumber = new TfrmAddSpriteNumber(frmRomweaver);
    frmRomweaver->setCompanions(frmNewOption, frmAbout, frmAddSpriteNumber);
}

void DestroyForms()
{
    // The two dialogs are children of the main window and go with it.
    delete frmAbout;
    delete frmRomweaver;
    frmRomweaver = nullptr;
    frmNewOption = nullptr;
    frmAbout = nullptr;
    frmAddSpriteNumber = nullptr;
}

int RunRomweaver(QApplication& application, const QString& programDirectory)
{
    if (!BaseRomPresent(programDirectory)) {
        ShowError(nullptr, MissingBaseRomText(platform::userDataDirectory()));
        return 0;
    }
    CreateForms(programDirectory);
    frmRomweaver->show();
    application.exec();
    DestroyForms();
    return 0;
}
