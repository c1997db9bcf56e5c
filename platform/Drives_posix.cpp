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

// Systems without /proc/self/mountinfo: Qt's list of volumes, without the
// mount options.
QList<MountEntry> qtMountTable()
{
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

QStringList rootsOf(const QList<MountEntry>& mounts, const QString& home)
{
    QStringList roots;
    for (const QString& root : userVolumes(mounts, home))
        roots << nativeDirectory(root);
    return roots;
}

} // namespace

QStringList driveRoots()
{
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return rootsOf(qtMountTable(), homeFolder());
    // The table is read at every call, as mounts come and go, but worked out
    // again only when it (or the home folder) changed: the selectors ask
    // several times in a row (each has its list and the root it shows).
    // The windows' thread alone asks.
    struct Answer {
        QByteArray table;
        QString home;
        QStringList roots;
        bool known = false;
    };
    static Answer last;
    Answer now{mountInfo.readAll(), homeFolder(), {}, true};
    if (!last.known || now.table != last.table || now.home != last.home) {
        now.roots = rootsOf(parseMountInfo(now.table), now.home);
        last = now;
    }
    return last.roots;
}

QString driveRootOf(const QString& directory)
{
    // A directory on a mount that is not listed (a system folder, the home
    // folder's own partition) belongs to the listed root that holds it.
    return rootHolding(driveRoots(), nativeDirectory(QFileInfo(directory).absoluteFilePath()));
}

} // namespace platform
