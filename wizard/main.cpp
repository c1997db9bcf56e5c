#include "Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Romweaver"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/romweaver.png")));
    return RunRomweaver(application);
}
