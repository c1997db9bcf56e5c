// The drive selector's entries outside Windows: which mounts of a mount table
// a user is shown, and which listed root holds a directory. Rows are lines of
// /proc/self/mountinfo as Debian and Ubuntu desktops, containers and WSL
// write them.
#include "platform/MountTable.h"

#include <QTest>

using namespace platform;

namespace
{

const QString Home = QStringLiteral("/home/ana");

} // namespace

class TestDrives : public QObject
{
    Q_OBJECT

private slots:
    void mountsShownToTheUser_data();
    void mountsShownToTheUser();
    void rootHoldingADirectory_data();
    void rootHoldingADirectory();
};

void TestDrives::mountsShownToTheUser_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("listedAs"); // empty: not listed

    const auto row = [](const char* name, const char* line, const char* listedAs) {
        QTest::newRow(name) << QByteArray(line) << QString::fromUtf8(listedAs);
    };
    row("root file system", "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw", "/");
    row("usb stick (udisks)",
        "612 29 8:17 / /media/ana/KINGSTON rw,nosuid,nodev,relatime shared:321 - vfat /dev/sdb1 "
        "rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437,iocharset=ascii,errors=remount-ro",
        "/media/ana/KINGSTON");
    row("blank in the label", "613 29 8:33 / /media/ana/My\\040Games rw - exfat /dev/sdc1 rw",
        "/media/ana/My Games");
    row("fedora's removable place",
        "614 29 8:49 / /run/media/ana/DATA rw,nosuid shared:330 - ext4 /dev/sdd1 rw",
        "/run/media/ana/DATA");
    row("mounted by hand at /mnt", "615 27 8:65 / /mnt rw,relatime - ext4 /dev/sde1 rw", "/mnt");
    row("mounted by hand below /mnt", "616 27 8:66 / /mnt/backup rw - ntfs3 /dev/sde2 rw",
        "/mnt/backup");
    row("windows drive under wsl", "91 27 0:58 / /mnt/c rw,noatime - 9p C:\\134 rw,aname=drvfs",
        "/mnt/c");
    row("inside the home folder", "617 27 8:81 / /home/ana/roms rw - ext4 /dev/sdf1 rw",
        "/home/ana/roms");
    row("network share", "618 27 0:60 / /srv/nas rw,relatime - nfs4 nas:/export rw,vers=4.2",
        "/srv/nas");
    row("windows share", "619 27 0:61 / /data/share rw - cifs //nas/share rw,vers=3.0",
        "/data/share");
    row("shown by fstab option", "620 27 8:97 / /data rw - ext4 /dev/sdg1 rw,x-gvfs-show", "/data");

    row("snap image",
        "100 27 7:3 / /snap/core22/1122 ro,nodev,relatime shared:60 - squashfs "
        "/dev/loop3 ro",
        "");
    row("snap iso image", "101 27 7:9 / /snap/app/7/media ro - iso9660 /dev/loop9 ro", "");
    row("image under /media", "102 29 7:10 / /media/ana/image ro - squashfs /dev/loop10 ro", "");
    row("efi partition",
        "103 27 259:1 / /boot/efi rw,relatime shared:33 - vfat /dev/nvme0n1p1 "
        "rw,fmask=0077",
        "");
    row("boot partition", "104 27 259:2 / /boot rw - ext4 /dev/nvme0n1p2 rw", "");
    row("user runtime folder",
        "105 27 0:50 / /run/user/1000 rw,nosuid,nodev shared:300 - tmpfs "
        "tmpfs rw,size=1620004k,mode=700,uid=1000",
        "");
    row("gvfs fuse", "106 105 0:52 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw", "");
    row("document portal", "107 105 0:53 / /run/user/1000/doc rw - fuse.portal portal rw", "");
    row("sandbox tmpfs under /mnt",
        "28 27 0:25 / /mnt/sandboxing/model_tools_env/v1/python "
        "ro,nosuid,nodev,relatime - tmpfs model_tools_unavailable ro",
        "");
    row("proc", "22 27 0:21 / /proc rw,relatime - proc proc rw", "");
    row("cgroup", "41 31 0:38 / /sys/fs/cgroup/unified rw,relatime - cgroup2 cgroup2 rw", "");
    row("docker overlay",
        "108 27 0:70 / /var/lib/docker/overlay2/abc/merged rw - overlay overlay "
        "rw,lowerdir=/a,upperdir=/b",
        "");
    row("separate /home partition", "109 27 8:2 / /home rw - ext4 /dev/sda2 rw", "");
    row("network share of the system", "110 27 0:62 / /var/backups/nfs rw - nfs nas:/b rw", "");
    row("hidden folder in home", "111 27 0:63 / /home/ana/.cache/fuse rw - fuse.sshfs h:/ rw", "");
    row("hidden by fstab option",
        "112 27 8:98 / /media/ana/hidden rw - ext4 /dev/sdh1 "
        "rw,x-gvfs-hide",
        "");
    row("malformed line", "113 27 8:99 / /media/ana/broken rw ext4", "");
}

void TestDrives::mountsShownToTheUser()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, listedAs);
    // "/" and the home folder are always there; a row adds at most its own root.
    QStringList expected{QStringLiteral("/"), Home};
    if (!listedAs.isEmpty())
        expected << listedAs;
    expected.removeDuplicates();
    QCOMPARE(userVolumes(parseMountInfo(line + '\n'), Home), expected);
}

void TestDrives::rootHoldingADirectory_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("root");
    QTest::newRow("system folder") << "/usr/share/games"
                                   << "/";
    QTest::newRow("the root") << "/"
                              << "/";
    QTest::newRow("home folder") << "/home/ana"
                                 << "/home/ana";
    QTest::newRow("inside home") << "/home/ana/roms/nes"
                                 << "/home/ana";
    QTest::newRow("mount inside home") << "/home/ana/usb/nes"
                                       << "/home/ana/usb";
    QTest::newRow("name that only begins alike") << "/home/anabel"
                                                 << "/";
    QTest::newRow("volume") << "/media/ana/KINGSTON/roms"
                            << "/media/ana/KINGSTON";
    QTest::newRow("unlisted mount") << "/boot/efi/EFI"
                                    << "/";
}

void TestDrives::rootHoldingADirectory()
{
    QFETCH(QString, directory);
    QFETCH(QString, root);
    const QStringList roots{"/", Home, "/home/ana/usb", "/media/ana/KINGSTON"};
    QCOMPARE(rootHolding(roots, directory), root);
}

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
