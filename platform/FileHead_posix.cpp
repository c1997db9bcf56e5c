#include "platform/FileHead.h"

#include "platform/FileError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

FileHead readFileHead(const QString& path, qint64 maxBytes)
{
    // O_NONBLOCK: opening a pipe for reading otherwise waits for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throwSystemError(QStringLiteral("Cannot open file"), path);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throwSystemError(QStringLiteral("Cannot measure file"), path);
    if (!S_ISREG(st.st_mode))
        throwNotARegularFile(path);
    FileHead head;
    head.size = qint64(st.st_size);
    head.bytes.resize(qMin(maxBytes, head.size));
    qint64 done = 0;
    while (done < head.bytes.size()) {
        const ssize_t got =
            ::pread(fd, head.bytes.data() + done, size_t(head.bytes.size() - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throwSystemError(QStringLiteral("Cannot read file"), path);
        if (got == 0)
            break; // shorter now than it was measured
        done += got;
    }
    head.bytes.truncate(done);
    return head;
}

} // namespace platform
