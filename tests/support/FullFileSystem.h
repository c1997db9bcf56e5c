#pragma once

// A real file system with no room left: a small tmpfs mounted over a
// temporary directory and filled to the brim. Mounting needs root (and a
// system that lets it); where that is not possible, isReady() says so and the
// test skips.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

class FullFileSystem
{
public:
    FullFileSystem()
    {
#ifdef Q_OS_LINUX
        if (::geteuid() != 0 || !m_mountPoint.isValid())
            return;
        m_mounted = ::mount("romweaver-test", QFile::encodeName(m_mountPoint.path()).constData(),
                            "tmpfs", 0, "size=64k,mode=0755") == 0;
#endif
    }
    ~FullFileSystem()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mountPoint.path()).constData(), MNT_DETACH);
#endif
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool isReady() const
    {
        return m_mounted;
    }
    QString path() const
    {
        return m_mountPoint.path();
    }
    QString filePath(const QString& name) const
    {
        return QDir(path()).filePath(name);
    }

    // Takes up every byte still free, so the next write of even one byte to
    // any file fails with "No space left on device".
    void fill() const
    {
#ifdef Q_OS_LINUX
        const int fd = ::open(QFile::encodeName(filePath(".filler")).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        const QByteArray page(4096, 'f');
        for (qsizetype chunk = page.size(); fd >= 0 && chunk > 0; chunk /= 2) {
            while (::write(fd, page.constData(), size_t(chunk)) == chunk) {
            }
        }
        if (fd >= 0)
            ::close(fd);
#endif
    }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
};
