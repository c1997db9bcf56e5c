#include "ProgramVersion.h"
#include "cli/BuildCommand.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("romweaver-build"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROMWEAVER_VERSION));
    return cli::runBuildCommand(QCoreApplication::arguments());
}
