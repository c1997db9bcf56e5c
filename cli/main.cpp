#include "ProgramVersion.h"
#include "cli/BuildCommand.h"
#include "platform/Process.h"
#include "translations/Translators.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Past a file size limit a write fails as on a full disk: the earlier image stays.
    platform::ignoreFileSizeSignal();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("romweaver-build"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROMWEAVER_VERSION));
    // The user's language, as in the wizard: the program's texts and Qt's own
    // (the argument parser's messages).
    const translations::Translators translators;
    return cli::runBuildCommand(QCoreApplication::arguments());
}
