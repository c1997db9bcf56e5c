#include "Platform.h"

#include "ExclusiveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace platform
{

QString pathSeparator()
{
    return QString(QDir::separator());
}

QString joinPath(const QString& dir, const QString& name)
{
    return dir + pathSeparator() + name;
}

QString nativeDirectory(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

namespace
{

QString withTrailingSeparator(const QString& path)
{
    QString dir = nativeDirectory(path);
    if (!dir.endsWith(pathSeparator()))
        dir += pathSeparator();
    return dir;
}

} // namespace

QString chooseProgramDirectory(const QString& executableDir, const QString& userDataDir)
{
    const QFileInfo baseRom(executableDir + QStringLiteral("Tessel.GBA"));
    const bool portable = baseRom.exists() && !baseRom.isDir();
    return portable || userDataDir.isEmpty() ? executableDir : userDataDir;
}

QString userDataDirectory()
{
#ifdef Q_OS_WIN
    return {};
#else
    // Named here rather than taken from the application's name, so every
    // Romweaver executable shares the one directory.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return {};
    return withTrailingSeparator(dataHome + QStringLiteral("/Romweaver"));
#endif
}

QString programDirectory()
{
    const QString chosen = chooseProgramDirectory(
        withTrailingSeparator(QCoreApplication::applicationDirPath()), userDataDirectory());
    // Created at once, so that a new user finds the directory the start-up
    // error names and the settings write has a place to go.
    QDir().mkpath(chosen);
    return chosen;
}

QStringList driveRoots()
{
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots << nativeDirectory(drive.absoluteFilePath());
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            roots << nativeDirectory(volume.rootPath());
    }
    roots.removeDuplicates();
    roots.sort();
#endif
    return roots;
}

QString driveRootOf(const QString& directory)
{
#ifdef Q_OS_WIN
    // The drive letter, not the volume: a volume mounted in a folder of C: (or,
    // under Wine, a Unix mount point) would otherwise count as a drive of its own.
    const QString absolute = nativeDirectory(QFileInfo(directory).absoluteFilePath());
    if (absolute.size() >= 3 && absolute.at(0).isLetter() && absolute.at(1) == u':' &&
        absolute.at(2) == u'\\')
        return absolute.left(3).toUpper();
#endif
    return nativeDirectory(QStorageInfo(directory).rootPath());
}

bool namesSameFile(const QString& a, const QString& b)
{
    const auto first = ExclusiveFile::identityOf(a);
    const auto second = ExclusiveFile::identityOf(b);
    if (first || second)
        return first == second;
    const QFileInfo firstInfo(a);
    const QFileInfo secondInfo(b);
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity nameCase = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity nameCase = Qt::CaseSensitive;
#endif
    if (firstInfo.fileName().compare(secondInfo.fileName(), nameCase) != 0)
        return false;
    const auto firstDirectory = ExclusiveFile::identityOf(firstInfo.absolutePath());
    return firstDirectory && firstDirectory == ExclusiveFile::identityOf(secondInfo.absolutePath());
}

} // namespace platform
