#include "ExclusiveFile.h"

#include "FileStamp.h"

#include <QFile>

#ifdef Q_OS_WIN
#include "WindowsApi.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

void ExclusiveFile::fail(const QString& what) const
{
    throwSystemError(what, m_path);
}

#ifdef Q_OS_WIN

ExclusiveFile::ExclusiveFile(const QString& path, Mode mode) : m_path(path)
{
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
    case Mode::ReadExisting:
        break;
    case Mode::ReadWriteExisting:
        access |= GENERIC_WRITE;
        break;
    case Mode::Create:
        access |= GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        break;
    case Mode::AppendExisting:
        access = FILE_APPEND_DATA;
        break;
    }
    // Share mode 0: no other open of the file while this one holds it.
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), access, 0, nullptr,
                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_SHARING_VIOLATION)
            throw FileError(
                QStringLiteral("Cannot open file \"%1\": it is in use by another program")
                    .arg(m_path));
        fail(QStringLiteral("Cannot open file"));
    }
    m_handle = h;
    // Devices (NUL, CON, COM1 under any folder) and pipes are no files.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        m_handle = nullptr;
        throwNotARegularFile(m_path);
    }
}

ExclusiveFile::~ExclusiveFile()
{
    if (m_handle)
        CloseHandle(m_handle);
}

qint64 ExclusiveFile::size() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_handle, &size))
        fail(QStringLiteral("Cannot measure file"));
    return size.QuadPart;
}

FileIdentity ExclusiveFile::identity() const
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(m_handle, &info))
        fail(QStringLiteral("Cannot identify file"));
    return {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

qint64 ExclusiveFile::read(char* buffer, qint64 maxSize)
{
    DWORD done = 0;
    if (!ReadFile(m_handle, buffer, DWORD(maxSize), &done, nullptr))
        fail(QStringLiteral("Cannot read file"));
    return done;
}

void ExclusiveFile::seek(qint64 offset)
{
    LARGE_INTEGER to;
    to.QuadPart = offset;
    if (!SetFilePointerEx(m_handle, to, nullptr, FILE_BEGIN))
        fail(QStringLiteral("Cannot seek in file"));
}

void ExclusiveFile::write(const char* data, qint64 size)
{
    while (size > 0) {
        DWORD done = 0;
        if (!WriteFile(m_handle, data, DWORD(qMin<qint64>(size, 1 << 30)), &done, nullptr) ||
            done == 0)
            fail(QStringLiteral("Cannot write file"));
        data += done;
        size -= done;
    }
}

qint64 ExclusiveFile::copyInKernel(ExclusiveFile&, qint64, qint64)
{
    return 0; // the caller's read and write path copies everything
}

void ExclusiveFile::close()
{
    HANDLE h = m_handle;
    m_handle = nullptr;
    if (h && !CloseHandle(h))
        fail(QStringLiteral("Cannot close file"));
}

#else

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
    case Mode::AppendExisting:
        flags |= O_WRONLY | O_APPEND;
        m_appends = true;
        break;
    }
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), flags, 0666);
    if (m_fd < 0)
        fail(QStringLiteral("Cannot open file"));
    // A throwing constructor runs no destructor: release the descriptor here.
    auto giveUp = [this](const QString& what) {
        const int savedErrno = errno;
        ::close(m_fd);
        m_fd = -1;
        errno = savedErrno;
        fail(what);
    };
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        giveUp(QStringLiteral("Cannot open file"));
    if (!S_ISREG(st.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        throwNotARegularFile(m_path);
    }
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            ::close(m_fd);
            m_fd = -1;
            throw FileError(
                QStringLiteral("Cannot open file \"%1\": it is in use by another program")
                    .arg(m_path));
        }
        giveUp(QStringLiteral("Cannot lock file"));
    }
    // A file that is empty already is left alone: truncating even an empty
    // file makes some file systems (ext4) write it out at once on close.
    if (mode == Mode::Create && st.st_size != 0 && ::ftruncate(m_fd, 0) != 0)
        giveUp(QStringLiteral("Cannot empty file"));
    // Inputs are read from start to end: the kernel may read further ahead.
    if (mode == Mode::ReadExisting)
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

ExclusiveFile::~ExclusiveFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 ExclusiveFile::size() const
{
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Cannot measure file"));
    return st.st_size;
}

FileIdentity ExclusiveFile::identity() const
{
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Cannot identify file"));
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

qint64 ExclusiveFile::read(char* buffer, qint64 maxSize)
{
    for (;;) {
        const ssize_t done = ::read(m_fd, buffer, size_t(maxSize));
        if (done >= 0)
            return done;
        if (errno != EINTR)
            fail(QStringLiteral("Cannot read file"));
    }
}

void ExclusiveFile::seek(qint64 offset)
{
    if (::lseek(m_fd, off_t(offset), SEEK_SET) < 0)
        fail(QStringLiteral("Cannot seek in file"));
}

void ExclusiveFile::write(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t done = ::write(m_fd, data, size_t(size));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            fail(QStringLiteral("Cannot write file"));
        data += done;
        size -= done;
    }
}

qint64 ExclusiveFile::copyInKernel(ExclusiveFile& to, qint64 count, qint64 maxChunk)
{
    // The kernel does not copy into a file opened for appending.
    if (to.m_appends)
        return 0;
    qint64 copied = 0;
    while (copied < count) {
        const ssize_t done = ::copy_file_range(m_fd, nullptr, to.m_fd, nullptr,
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
        throwSystemError(QStringLiteral("Cannot copy \"%1\" to").arg(m_path), to.m_path);
    }
    return copied;
}

void ExclusiveFile::close()
{
    const int fd = m_fd;
    m_fd = -1;
    if (fd >= 0 && ::close(fd) != 0)
        fail(QStringLiteral("Cannot close file"));
}

#endif

std::optional<FileIdentity> ExclusiveFile::identityOf(const QString& path)
{
    if (const std::optional<FileStamp> stamp = platform::fileStamp(path))
        return stamp->identity;
    return std::nullopt;
}

quint8 ExclusiveFile::readByteAt(qint64 offset)
{
    seek(offset);
    char byte = 0;
    if (read(&byte, 1) != 1)
        throw FileError(QStringLiteral("Cannot read byte %1 of \"%2\"").arg(offset).arg(m_path));
    return quint8(byte);
}

void ExclusiveFile::writeByteAt(qint64 offset, quint8 value)
{
    seek(offset);
    const char byte = char(value);
    write(&byte, 1);
}
