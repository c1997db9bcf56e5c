#include "platform/MountTable.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace platform
{

namespace
{

// File systems that are no place for files of the user's: the kernel's own,
// in memory, read-only images of packages, overlays of containers.
const QSet<QString> HiddenTypes = {
    QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"), QStringLiteral("bpf"),
    QStringLiteral("cgroup"),     QStringLiteral("cgroup2"),     QStringLiteral("configfs"),
    QStringLiteral("debugfs"),    QStringLiteral("devpts"),      QStringLiteral("devtmpfs"),
    QStringLiteral("efivarfs"),   QStringLiteral("erofs"),       QStringLiteral("fuse.gvfsd-fuse"),
    QStringLiteral("fuse.lxcfs"), QStringLiteral("fuse.portal"), QStringLiteral("fuse.snapfuse"),
    QStringLiteral("fusectl"),    QStringLiteral("hugetlbfs"),   QStringLiteral("mqueue"),
    QStringLiteral("nfsd"),       QStringLiteral("nsfs"),        QStringLiteral("overlay"),
    QStringLiteral("proc"),       QStringLiteral("pstore"),      QStringLiteral("ramfs"),
    QStringLiteral("rootfs"),     QStringLiteral("rpc_pipefs"),  QStringLiteral("securityfs"),
    QStringLiteral("selinuxfs"),  QStringLiteral("squashfs"),    QStringLiteral("sysfs"),
    QStringLiteral("tmpfs"),      QStringLiteral("tracefs"),
};

// Shares of other machines: shown wherever they are mounted.
const QSet<QString> NetworkTypes = {
    QStringLiteral("ceph"),        QStringLiteral("cifs"),       QStringLiteral("davfs"),
    QStringLiteral("fuse.rclone"), QStringLiteral("fuse.sshfs"), QStringLiteral("glusterfs"),
    QStringLiteral("nfs"),         QStringLiteral("nfs4"),       QStringLiteral("smb3"),
    QStringLiteral("smbfs"),       QStringLiteral("sshfs"),
};

// Where a user's own mounts go: removable drives (udisks), the system's
// old place for them, and the habit of mounting by hand under /mnt.
const QStringList UserMountFolders = {QStringLiteral("/media"), QStringLiteral("/run/media"),
                                      QStringLiteral("/mnt")};

// Folders of the system: a share mounted there is the system's, not the user's.
const QStringList SystemFolders = {
    QStringLiteral("/boot"), QStringLiteral("/dev"),  QStringLiteral("/etc"),
    QStringLiteral("/proc"), QStringLiteral("/run"),  QStringLiteral("/snap"),
    QStringLiteral("/sys"),  QStringLiteral("/usr"),  QStringLiteral("/var"),
    QStringLiteral("/home"), QStringLiteral("/root"), QStringLiteral("/tmp"),
};

// \ooo octal escapes, as the kernel writes blanks, tabs, newlines and
// backslashes in paths.
QString unescaped(const QByteArray& field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            bytes += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                          (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

// Whether path is folder or lies below it, with no hidden folder (".name")
// on the way down.
bool shownBelow(const QString& path, const QString& folder)
{
    if (path == folder)
        return true;
    if (!path.startsWith(folder + u'/'))
        return false;
    return !path.mid(folder.size()).contains(QStringLiteral("/."));
}

bool below(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + u'/');
}

bool listed(const MountEntry& mount, const QString& homeFolder)
{
    if (HiddenTypes.contains(mount.fileSystemType) ||
        mount.options.contains(QStringLiteral("x-gvfs-hide")))
        return false;
    if (mount.options.contains(QStringLiteral("x-gvfs-show")))
        return true;
    const QString& point = mount.mountPoint;
    if (!homeFolder.isEmpty() && homeFolder != QStringLiteral("/") && point != homeFolder &&
        shownBelow(point, homeFolder))
        return true;
    for (const QString& folder : UserMountFolders) {
        if (shownBelow(point, folder))
            return true;
    }
    if (!NetworkTypes.contains(mount.fileSystemType))
        return false;
    return std::none_of(SystemFolders.begin(), SystemFolders.end(),
                        [&](const QString& folder) { return below(point, folder); });
}

} // namespace

QList<MountEntry> parseMountInfo(const QByteArray& text)
{
    // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
    QList<MountEntry> mounts;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf(QByteArray("-"), 6);
        if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
            continue;
        MountEntry mount;
        mount.mountPoint = unescaped(fields[4]);
        mount.fileSystemType = QString::fromUtf8(fields[separator + 1]);
        mount.source = unescaped(fields[separator + 2]);
        mount.options = QString::fromUtf8(fields[5]).split(u',');
        if (separator + 3 < fields.size())
            mount.options += QString::fromUtf8(fields[separator + 3]).split(u',');
        mounts << mount;
    }
    return mounts;
}

QStringList userVolumes(const QList<MountEntry>& mounts, const QString& homeFolder)
{
    QStringList volumes;
    for (const MountEntry& mount : mounts) {
        if (listed(mount, homeFolder))
            volumes << mount.mountPoint;
    }
    std::sort(volumes.begin(), volumes.end());
    QStringList roots{QStringLiteral("/")};
    if (!homeFolder.isEmpty())
        roots << homeFolder;
    roots += volumes;
    roots.removeDuplicates();
    return roots;
}

QString rootHolding(const QStringList& roots, const QString& directory)
{
    QString holder;
    for (const QString& root : roots) {
        const bool holds =
            root == QStringLiteral("/") ? directory.startsWith(u'/') : below(directory, root);
        if (holds && root.size() > holder.size())
            holder = root;
    }
    return holder;
}

} // namespace platform
