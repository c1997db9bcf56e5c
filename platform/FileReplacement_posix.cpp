#include "platform/FileReplacementSystem.h"

#include "platform/FileError.h"
#include "platform/WriteAll.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

qsizetype fileNameLength(const QString& name)
{
    return QFile::encodeName(name).size();
}

namespace
{

class AtomicReplacement final : public FileReplacement
{
public:
    AtomicReplacement(const QString& target, const ReplacementOptions& options) : m_target(target)
    {
        const QByteArray name = QFile::encodeName(m_target);
        struct stat old;
        const bool exists = ::stat(name.constData(), &old) == 0;
        if (exists && S_ISDIR(old.st_mode)) {
            errno = EISDIR;
            throwSystemError(FileAction::Replace, m_target);
        }
        // The rename below would go through where the old file itself may not
        // be written (read-only, immutable); such a file is left alone.
        if (exists && ::access(name.constData(), W_OK) != 0)
            throwSystemError(FileAction::Replace, m_target);
        if (options.holdsOldFile)
            m_heldOldFile = holdOldFile(m_target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_newPath = newReplacementName(m_target, options.newFileSuffix);
            m_fd = ::open(QFile::encodeName(m_newPath).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0 || errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            throwSystemError(FileAction::Create, m_target);
        // Without sharing, as every file the program writes: the lock also
        // tells removeLeftoverReplacements that this file is still written.
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
            abandon(FileAction::Lock);
        if (exists && ::fchmod(m_fd, old.st_mode & 07777) != 0)
            abandon(FileAction::Create);
    }

    ~AtomicReplacement() override
    {
        if (m_committed)
            return;
        // Removed while still held, so that no other process can take it for
        // an abandoned file in between.
        ::unlink(QFile::encodeName(m_newPath).constData());
        if (m_fd >= 0)
            ::close(m_fd);
    }

    void write(const char* data, qint64 size) override
    {
        writeAll(m_fd, data, size, m_target);
        m_written += size;
#ifdef __linux__
        // The disk starts on what is written while the rest is still being
        // made, so the sync at the commit waits for the last piece alone. A
        // hint only: the sync reports any failure.
        if (m_written - m_writingOut >= WriteOutStep) {
            ::sync_file_range(m_fd, m_writingOut, m_written - m_writingOut, SYNC_FILE_RANGE_WRITE);
            m_writingOut = m_written;
        }
#endif
    }

    std::optional<KernelCopyTarget> kernelCopyTarget() const override
    {
        return KernelCopyTarget{m_fd, m_target};
    }

    void commit() override
    {
        // Durable before it takes the old file's place: otherwise a crash
        // could leave an empty file where the old one was. File systems that
        // cannot sync say EINVAL; every other failure counts.
        if (::fsync(m_fd) != 0 && errno != EINVAL)
            throwSystemError(FileAction::Write, m_target);
        m_heldOldFile.reset();
        if (::rename(QFile::encodeName(m_newPath).constData(),
                     QFile::encodeName(m_target).constData()) != 0)
            throwSystemError(FileAction::Replace, m_target);
        m_committed = true;
        // The new file is in place: a failure to close it changes nothing the
        // caller could act on, its bytes being synced already.
        ::close(m_fd);
        m_fd = -1;
        syncDirectory();
    }

private:
    // A throwing constructor runs no destructor: the new file goes here,
    // keeping the error that made it give up.
    [[noreturn]] void abandon(FileAction action)
    {
        const int savedErrno = errno;
        ::unlink(QFile::encodeName(m_newPath).constData());
        ::close(m_fd);
        errno = savedErrno;
        throwSystemError(action, m_target);
    }

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

    static constexpr qint64 WriteOutStep = 4 * 1024 * 1024;

    QString m_target;
    QString m_newPath;
    std::unique_ptr<ExclusiveFile> m_heldOldFile;
    int m_fd = -1;
    bool m_committed = false;
    qint64 m_written = 0;    // by write(), from the file's start
    qint64 m_writingOut = 0; // what the disk was told to start on
};

} // namespace

std::unique_ptr<FileReplacement> replacementOf(const QString& target,
                                               const ReplacementOptions& options)
{
    return std::make_unique<AtomicReplacement>(target, options);
}

} // namespace platform
