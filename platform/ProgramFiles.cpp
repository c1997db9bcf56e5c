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

QString ProgramFiles::baseRom() const
{
    const QString exact = m_directory + BaseRomName;
    if (QFileInfo(exact).isFile())
        return exact;
    // The base rom comes from elsewhere, and its name is often spelt as the
    // start-up error spells it ("Tessel.gba").
    QStringList names =
        QDir(m_directory).entryList({BaseRomName}, QDir::Files | QDir::Hidden, QDir::NoSort);
    names.sort();
    return names.isEmpty() ? exact : m_directory + names.constFirst();
}

QString ProgramFiles::backupDirectoryIn(const QString& romsDirectory)
{
    return joinPath(romsDirectory, BackupDirectoryName);
}

QString helperProgram(const QString& name)
{
    const QDir beside(QCoreApplication::applicationDirPath());
    const QString file = executableFileName(name);
    const QString besideIt = beside.filePath(file);
    const QString installed = beside.filePath(QStringLiteral("../libexec/romweaver/") + file);
    if (!QFileInfo(besideIt).isFile() && QFileInfo(installed).isFile())
        return QDir::cleanPath(installed);
    return besideIt;
}

QString chooseProgramDirectory(const QString& executableDir, const QString& userDataDir)
{
    const QFileInfo baseRom(ProgramFiles(executableDir).baseRom());
    const bool portable = baseRom.exists() && !baseRom.isDir();
    return portable || userDataDir.isEmpty() ? executableDir : userDataDir;
}

} // namespace platform
