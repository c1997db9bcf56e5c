#include "platform/FileReplacementSystem.h"

#include "platform/FileError.h"
#include "platform/WriteAll.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

class AtomicReplacement final : public FileReplacement
{
public:
    explicit AtomicReplacement(const QString& target) : m_target(target)
    {
        const QByteArray name = QFile::encodeName(m_target);
        struct stat old;
        const bool exists = ::stat(name.constData(), &old) == 0;
        if (exists && S_ISDIR(old.st_mode)) {
            errno = EISDIR;
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        }
        // The rename below would go through where the old file itself may not
        // be written (read-only, immutable); such a file is left alone.
        if (exists && ::access(name.constData(), W_OK) != 0)
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_newPath = newReplacementName(m_target);
            m_fd = ::open(QFile::encodeName(m_newPath).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0 || errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            throwSystemError(QStringLiteral("Cannot create file"), m_newPath);
        if (exists && ::fchmod(m_fd, old.st_mode & 07777) != 0)
            throwSystemError(QStringLiteral("Cannot create file"), m_newPath);
    }

    ~AtomicReplacement() override
    {
        if (m_committed)
            return;
        if (m_fd >= 0)
            ::close(m_fd);
        ::unlink(QFile::encodeName(m_newPath).constData());
    }

    void write(const char* data, qint64 size) override { writeAll(m_fd, data, size, m_newPath); }

    void commit() override
    {
        // Durable before it takes the old file's place: otherwise a crash
        // could leave an empty file where the old one was. File systems that
        // cannot sync say EINVAL; every other failure counts.
        if (::fsync(m_fd) != 0 && errno != EINVAL)
            throwSystemError(QStringLiteral("Cannot write file"), m_newPath);
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            throwSystemError(QStringLiteral("Cannot close file"), m_newPath);
        if (::rename(QFile::encodeName(m_newPath).constData(),
                     QFile::encodeName(m_target).constData()) != 0)
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        m_committed = true;
        syncDirectory();
    }

private:
    // Makes the rename itself durable. The new contents are in place already,
    // so a failure here changes nothing the caller could act on.
    void syncDirectory() const
    {
        const QByteArray directory = QFile::encodeName(QFileInfo(m_target).absolutePath());
        const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }

    QString m_target;
    QString m_newPath;
    int m_fd = -1;
    bool m_committed = false;
};

} // namespace

std::unique_ptr<FileReplacement> replacementOf(const QString& target)
{
    return std::make_unique<AtomicReplacement>(target);
}

} // namespace platform
