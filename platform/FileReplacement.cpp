#include "FileReplacement.h"

#include "FileError.h"
#include "Process.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include "WindowsApi.h"
// Newer than the MinGW-w64 headers.
#ifndef ERROR_DIRECTORY_NOT_SUPPORTED
#define ERROR_DIRECTORY_NOT_SUPPORTED 336L
#endif
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

// The file the new contents are for: a symbolic link is followed to its
// target, also when that target does not exist yet.
QString replacedPath(const QString& path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target;
}

// New files are named "<target>.new-<process id>-<six letters>": the id tells
// whose a file left behind is, the letters keep two of one process apart.
const QString NewFileInfix = QStringLiteral(".new-");

// A name beside the target that no other file has yet; the exclusive
// creation below makes sure of that.
QString newFileName(const QString& target)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name =
        target + NewFileInfix + QString::number(platform::currentProcessId()) + QLatin1Char('-');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return name;
}

#ifdef Q_OS_WIN

class AtomicReplacement final : public FileReplacement
{
public:
    explicit AtomicReplacement(const QString& path) : m_target(replacedPath(path))
    {
        const DWORD attributes =
            GetFileAttributesW(reinterpret_cast<const wchar_t*>(m_target.utf16()));
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                SetLastError(ERROR_DIRECTORY_NOT_SUPPORTED);
                throwSystemError(QStringLiteral("Cannot replace"), m_target);
            }
            if (attributes & FILE_ATTRIBUTE_READONLY) {
                SetLastError(ERROR_ACCESS_DENIED);
                throwSystemError(QStringLiteral("Cannot replace"), m_target);
            }
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_newPath = newFileName(m_target);
            m_handle =
                CreateFileW(reinterpret_cast<const wchar_t*>(m_newPath.utf16()), GENERIC_WRITE, 0,
                            nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (m_handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        if (m_handle == INVALID_HANDLE_VALUE)
            throwSystemError(QStringLiteral("Cannot create file"), m_newPath);
    }

    ~AtomicReplacement() override
    {
        if (m_committed)
            return;
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        DeleteFileW(reinterpret_cast<const wchar_t*>(m_newPath.utf16()));
    }

    void write(const char* data, qint64 size) override
    {
        while (size > 0) {
            DWORD done = 0;
            if (!WriteFile(m_handle, data, DWORD(qMin<qint64>(size, 1 << 30)), &done, nullptr) ||
                done == 0)
                throwSystemError(QStringLiteral("Cannot write file"), m_newPath);
            data += done;
            size -= done;
        }
    }

    void commit() override
    {
        if (!FlushFileBuffers(m_handle))
            throwSystemError(QStringLiteral("Cannot write file"), m_newPath);
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle))
            throwSystemError(QStringLiteral("Cannot close file"), m_newPath);
        // Fails while another program has the old file open without sharing.
        if (!MoveFileExW(reinterpret_cast<const wchar_t*>(m_newPath.utf16()),
                         reinterpret_cast<const wchar_t*>(m_target.utf16()),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        m_committed = true;
    }

private:
    QString m_target;
    QString m_newPath;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_committed = false;
};

#else

class AtomicReplacement final : public FileReplacement
{
public:
    explicit AtomicReplacement(const QString& path) : m_target(replacedPath(path))
    {
        const QByteArray target = QFile::encodeName(m_target);
        struct stat old;
        const bool exists = ::stat(target.constData(), &old) == 0;
        if (exists && S_ISDIR(old.st_mode)) {
            errno = EISDIR;
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        }
        // The rename below would go through where the old file itself may not
        // be written (read-only, immutable); such a file is left alone.
        if (exists && ::access(target.constData(), W_OK) != 0)
            throwSystemError(QStringLiteral("Cannot replace"), m_target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_newPath = newFileName(m_target);
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

    void write(const char* data, qint64 size) override
    {
        // Unbuffered: a full disk or a file size limit shows here, at the
        // write that meets it, whatever the size of the contents.
        while (size > 0) {
            const ssize_t done = ::write(m_fd, data, size_t(size));
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
                throwSystemError(QStringLiteral("Cannot write file"), m_newPath);
            data += done;
            size -= done;
        }
    }

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

#endif

} // namespace

namespace platform
{

std::unique_ptr<FileReplacement> startReplacing(const QString& path)
{
    return std::make_unique<AtomicReplacement>(path);
}

void removeLeftoverReplacements(const QString& path)
{
    const QFileInfo target(replacedPath(path));
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName() + NewFileInfix) +
        QStringLiteral("(\\d+)-[a-z0-9]{6}")));
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir directory = target.absoluteDir();
    for (const QFileInfo& file :
         directory.entryInfoList({target.fileName() + NewFileInfix + QLatin1Char('*')},
                                 QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = leftover.match(file.fileName());
        if (!match.hasMatch())
            continue;
        // A write takes milliseconds: a new file older than a minute was
        // abandoned even where its process id has been given to another.
        if (!processIsRunning(match.captured(1).toLongLong()) ||
            file.lastModified().toUTC() < aMinuteAgo)
            QFile::remove(file.absoluteFilePath());
    }
}

} // namespace platform
