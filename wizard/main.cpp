#include "Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Romweaver"));
    // The installed desktop entry's name, so the desktop matches the window to
    // its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.romweaver.Romweaver"));
    QIcon icon;
    for (const char* file :
         {":/romweaver16.png", ":/romweaver.png", ":/romweaver48.png", ":/romweaver256.png"})
        icon.addFile(QString::fromLatin1(file));
    QApplication::setWindowIcon(icon);
    return RunRomweaver(application);
}
