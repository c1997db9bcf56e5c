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
    row("usb stick",
        "612 29 8:17 / /media/ana/My\\040Games rw,nosuid shared:321 - vfat /dev/sdb1 rw",
        "/media/ana/My Games");
    row("fedora's removable place", "614 29 8:49 / /run/media/ana/DATA rw - ext4 /dev/sdd1 rw",
        "/run/media/ana/DATA");
    row("by hand at /mnt", "615 27 8:65 / /mnt rw,relatime - ext4 /dev/sde1 rw", "/mnt");
    row("wsl drive", "91 27 0:58 / /mnt/c rw,noatime - 9p C:\\134 rw,aname=drvfs", "/mnt/c");
    row("inside home", "617 27 8:81 / /home/ana/roms rw - ext4 /dev/sdf1 rw", "/home/ana/roms");
    row("network share", "618 27 0:60 / /srv/nas rw - nfs4 nas:/export rw,vers=4.2", "/srv/nas");
    row("fstab x-gvfs-show", "620 27 8:97 / /data rw - ext4 /dev/sdg1 rw,x-gvfs-show", "/data");
    row("snap", "100 27 7:3 / /snap/core22/1122 ro,nodev shared:60 - squashfs /dev/loop3 ro", "");
    row("image under /media", "102 29 7:10 / /media/ana/img ro - squashfs /dev/loop10 ro", "");
    row("efi", "103 27 259:1 / /boot/efi rw,relatime shared:33 - vfat /dev/nvme0n1p1 rw", "");
    row("runtime", "105 27 0:50 / /run/user/1000 rw,nosuid shared:300 - tmpfs tmpfs rw,mode=700",
        "");
    row("sandbox tmpfs", "28 27 0:25 / /mnt/sandboxing/env ro,nosuid - tmpfs unavailable ro", "");
    row("docker", "108 27 0:70 / /var/lib/docker/overlay2/a/merged rw - overlay overlay rw", "");
    row("system's share", "110 27 0:62 / /var/backups/nfs rw - nfs nas:/b rw", "");
    row("hidden in home", "111 27 0:63 / /home/ana/.cache/x rw - fuse.sshfs h:/ rw", "");
    row("fstab x-gvfs-hide", "112 27 8:98 / /media/ana/h rw - ext4 /dev/sdh1 rw,x-gvfs-hide", "");
    row("malformed", "113 27 8:99 / /media/ana/broken rw ext4", "");
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
    QTest::newRow("inside home") << "/home/ana/roms/nes"
                                 << "/home/ana";
    QTest::newRow("mount inside home") << "/home/ana/usb/nes"
                                       << "/home/ana/usb";
    QTest::newRow("name that only begins alike") << "/home/anabel"
                                                 << "/";
}

void TestDrives::rootHoldingADirectory()
{
    QFETCH(QString, directory);
    QFETCH(QString, root);
    const QStringList roots{"/", Home, "/home/ana/usb"};
    QCOMPARE(rootHolding(roots, directory), root);
}

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
