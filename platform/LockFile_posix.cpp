#include "platform/LockFile.h"

#include "platform/FileError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

bool LockFile::tryLockOnce()
{
    const QByteArray name = QFile::encodeName(m_path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        throwSystemError(FileAction::CreateLockFile, m_path);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK || error == EINTR)
            return false;
        errno = error;
        throwSystemError(FileAction::Lock, m_path);
    }
    // The previous holder removes the file as it lets go: a lock taken on a
    // file that is no longer at the path guards nothing, so try again there.
    struct stat held;
    struct stat named;
    if (::fstat(fd, &held) != 0 || ::stat(name.constData(), &named) != 0 ||
        held.st_dev != named.st_dev || held.st_ino != named.st_ino) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    return true;
}

void LockFile::unlock()
{
    if (!isLocked())
        return;
    // Removed while still locked, so no one can take a lock on this file
    // after it is gone from the folder.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(int(m_handle));
    m_handle = NoHandle;
}

} // namespace platform
