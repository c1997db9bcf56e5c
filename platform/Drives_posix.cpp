#include "platform/Drives.h"

#include "platform/Paths.h"

#include <QStorageInfo>

namespace platform
{

QStringList driveRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            roots << nativeDirectory(volume.rootPath());
    }
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

QString driveRootOf(const QString& directory)
{
    return nativeDirectory(QStorageInfo(directory).rootPath());
}

} // namespace platform
