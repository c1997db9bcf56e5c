#include "platform/ExclusiveFile.h"

#include "platform/WriteAll.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

ExclusiveFile::ExclusiveFile(const QString& path, Mode mode) : m_path(path)
{
    // O_TRUNC is not used: emptying must wait until the lock is held, or a
    // file another holder has open would be destroyed before the open fails.
    // O_NONBLOCK: opening a pipe otherwise waits for its other end; only
    // regular files pass the check below, where it makes no difference.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case Mode::ReadExisting:
        flags |= O_RDONLY;
        break;
    case Mode::ReadWriteExisting:
        flags |= O_RDWR;
        break;
    case Mode::Create:
        flags |= O_RDWR | O_CREAT;
        break;
    case Mode::CreateHere:
        flags |= O_RDWR | O_CREAT | O_NOFOLLOW;
        break;
    case Mode::AppendExisting:
        flags |= O_WRONLY | O_APPEND;
        m_appends = true;
        break;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0 && errno == ELOOP && mode == Mode::CreateHere)
        throw FileError(FileAction::Create, m_path, FileReason::IsLink);
    if (fd < 0)
        fail(FileAction::Open);
    // A throwing constructor runs no destructor: the descriptor is released
    // here, keeping the error that made it give up.
    auto giveUp = [fd, this](FileAction action) {
        const int savedErrno = errno;
        ::close(fd);
        errno = savedErrno;
        fail(action);
    };
    struct stat st;
    if (::fstat(fd, &st) != 0)
        giveUp(FileAction::Open);
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throwNotARegularFile(m_path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            ::close(fd);
            throw FileError(FileAction::Open, m_path, FileReason::InUse);
        }
        giveUp(FileAction::Lock);
    }
    // A file that is empty already is left alone: truncating even an empty
    // file makes some file systems (ext4) write it out at once on close.
    if ((mode == Mode::Create || mode == Mode::CreateHere) && st.st_size != 0 &&
        ::ftruncate(fd, 0) != 0)
        giveUp(FileAction::Empty);
    // Inputs are read from start to end: the kernel may read further ahead.
    if (mode == Mode::ReadExisting)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_handle = fd;
}

ExclusiveFile::~ExclusiveFile()
{
    if (m_handle != NoHandle)
        ::close(descriptor());
}

qint64 ExclusiveFile::size() const
{
    struct stat st;
    if (::fstat(descriptor(), &st) != 0)
        fail(FileAction::Measure);
    return st.st_size;
}

platform::FileIdentity ExclusiveFile::identity() const
{
    struct stat st;
    if (::fstat(descriptor(), &st) != 0)
        fail(FileAction::Identify);
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

qint64 ExclusiveFile::read(char* buffer, qint64 maxSize)
{
    for (;;) {
        const ssize_t done = ::read(descriptor(), buffer, size_t(maxSize));
        if (done >= 0)
            return done;
        if (errno != EINTR)
            fail(FileAction::Read);
    }
}

void ExclusiveFile::seek(qint64 offset)
{
    if (::lseek(descriptor(), off_t(offset), SEEK_SET) < 0)
        fail(FileAction::Seek);
}

void ExclusiveFile::write(const char* data, qint64 size)
{
    platform::writeAll(m_handle, data, size, m_path);
}

qint64 ExclusiveFile::copyInKernel(const KernelCopyTarget& to, qint64 count, qint64 maxChunk)
{
    qint64 copied = 0;
    while (copied < count) {
        const ssize_t done = ::copy_file_range(descriptor(), nullptr, int(to.handle), nullptr,
                                               size_t(qMin(count - copied, maxChunk)), 0);
        if (done > 0) {
            copied += done;
            continue;
        }
        if (done == 0)
            break; // the end of this file
        if (errno == EINTR)
            continue;
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
            break; // not between these files: the caller's buffer takes over
        // The error belongs to whichever side failed; name both.
        throwSystemError(FileAction::Copy, to.path, m_path);
    }
    return copied;
}

void ExclusiveFile::close()
{
    const qintptr handle = m_handle;
    m_handle = NoHandle;
    if (handle != NoHandle && ::close(int(handle)) != 0)
        fail(FileAction::Close);
}

} // namespace platform
