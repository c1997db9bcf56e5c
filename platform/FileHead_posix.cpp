#include "platform/FileHead.h"

#include "platform/FileError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

FileLook::FileLook(const QString& path) : m_path(path)
{
    // O_NONBLOCK: opening a pipe for reading otherwise waits for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throwSystemError(FileAction::Open, path);
    m_handle = fd;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        throwSystemError(FileAction::Measure, path);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throwNotARegularFile(path, S_ISDIR(st.st_mode) ? SpecialFile::Folder
                                   : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)
                                       ? SpecialFile::Device
                                   : S_ISFIFO(st.st_mode) ? SpecialFile::Pipe
                                   : S_ISSOCK(st.st_mode) ? SpecialFile::Socket
                                                          : SpecialFile::Unknown);
    }
    m_stamp = *fileStampOfHandle(m_handle); // fstat has just answered for it
}

std::optional<FileStamp> lookStamp(const QString& path)
{
    // Whatever would stop a look here (the file gone or replaced, its
    // permissions or owner changed) changes what stat tells.
    return fileStamp(path);
}

FileLook::~FileLook()
{
    ::close(int(m_handle));
}

qint64 FileLook::readAt(qint64 offset, char* data, qint64 maxSize)
{
    qint64 done = 0;
    while (done < maxSize) {
        const ssize_t got =
            ::pread(int(m_handle), data + done, size_t(maxSize - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throwSystemError(FileAction::Read, m_path);
        if (got == 0)
            break; // its end, or shorter now than it was measured
        done += got;
    }
    return done;
}

} // namespace platform
