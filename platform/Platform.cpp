#include "Platform.h"

#include "ExclusiveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

QString programDirectory()
{
    QString dir = nativeDirectory(QCoreApplication::applicationDirPath());
    if (!dir.endsWith(pathSeparator()))
        dir += pathSeparator();
    return dir;
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
