#include "platform/ProgramFiles.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform
{

ProgramFiles ProgramFiles::ofThisProgram()
{
    ProgramFiles files(chooseProgramDirectory(
        withTrailingSeparator(QCoreApplication::applicationDirPath()), userDataDirectory()));
    QDir().mkpath(files.directory());
    return files;
}

QString ProgramFiles::backupDirectoryIn(const QString& romsDirectory)
{
    return joinPath(romsDirectory, BackupDirectoryName);
}

QString chooseProgramDirectory(const QString& executableDir, const QString& userDataDir)
{
    const QFileInfo baseRom(ProgramFiles(executableDir).baseRom());
    const bool portable = baseRom.exists() && !baseRom.isDir();
    return portable || userDataDir.isEmpty() ? executableDir : userDataDir;
}

} // namespace platform
