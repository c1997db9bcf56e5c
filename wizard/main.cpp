#include "platform/Process.h"
#include "wizard/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char** argv)
{
    // Past a file size limit a write fails as on a full disk: the earlier
    // image stays, and the window with the user's work.
    platform::ignoreFileSizeSignal();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Romweaver"));
    // The installed desktop entry's name, so the desktop matches the window to
    // its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.romweaver.Romweaver"));
    // Every window shows this icon. The sizes a title bar or task switcher
    // asks for; each one is sent to the display server, so the large picture
    // is left to the desktop entry's icon. Given once the main window is on
    // its way to the screen: the first picture read (and Qt's look through its
    // image plugins) would otherwise hold the window up.
    QTimer::singleShot(0, &application, [] {
        QIcon icon;
        for (const char* file : {":/romweaver16.png", ":/romweaver.png", ":/romweaver48.png"})
            icon.addFile(QString::fromLatin1(file));
        QApplication::setWindowIcon(icon);
    });
    // "Romweaver FILE" opens a compilation file (the desktop's "Open with").
    const QStringList arguments = QApplication::arguments();
    return wizard::runRomweaver(application, platform::ProgramFiles::ofThisProgram(),
                                arguments.size() > 1 ? arguments.at(1) : QString());
}
