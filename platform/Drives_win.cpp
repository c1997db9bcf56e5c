#include "platform/Drives.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace platform
{

QStringList driveRoots()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << nativeDirectory(drive.absoluteFilePath());
    return roots;
}

QString driveRootOf(const QString& directory)
{
    // The drive letter, not the volume: a volume mounted in a folder of C: (or,
    // under Wine, a Unix mount point) would otherwise count as a drive of its own.
    const QString absolute = nativeDirectory(QFileInfo(directory).absoluteFilePath());
    if (absolute.size() >= 3 && absolute.at(0).isLetter() && absolute.at(1) == u':' &&
        absolute.at(2) == u'\\')
        return absolute.left(3).toUpper();
    return nativeDirectory(QStorageInfo(directory).rootPath());
}

} // namespace platform
