#include "platform/Drives.h"

#include "platform/MountTable.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace platform
{

namespace
{

QList<MountEntry> mountTable()
{
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (mountInfo.open(QIODevice::ReadOnly))
        return parseMountInfo(mountInfo.readAll());
    // Systems without it: Qt's list of volumes, without the mount options.
    QList<MountEntry> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        mounts << MountEntry{volume.rootPath(),
                             QString::fromUtf8(volume.fileSystemType()),
                             QString::fromUtf8(volume.device()),
                             {}};
    return mounts;
}

QString homeFolder()
{
    const QString canonical = QFileInfo(QDir::homePath()).canonicalFilePath();
    return canonical.isEmpty() ? QString() : canonical;
}

} // namespace

QStringList driveRoots()
{
    QStringList roots;
    for (const QString& root : userVolumes(mountTable(), homeFolder()))
        roots << nativeDirectory(root);
    return roots;
}

QString driveRootOf(const QString& directory)
{
    // A directory on a mount that is not listed (a system folder, the home
    // folder's own partition) belongs to the listed root that holds it.
    return rootHolding(driveRoots(), nativeDirectory(QFileInfo(directory).absoluteFilePath()));
}

} // namespace platform
