#pragma once

#include <QString>
#include <stdexcept>

namespace platform
{

// Why the system refused a file, where its error tells: nothing of that name
// (or of its folder), no permission, another program holding it (Windows
// sharing and locks); Other for every other error.
enum class FileFailure { Other, Missing, AccessDenied, InUse };

// The one error type of the program's file work: what failed (text, in
// English), the failure it stands for and, where the system said, its reason
// (cause: the system's own text, in the user's language).
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& text, FileFailure failure = FileFailure::Other,
                       const QString& cause = {})
        : std::runtime_error(text.toStdString()), m_failure(failure), m_cause(cause)
    {
    }
    QString text() const { return QString::fromStdString(what()); }
    FileFailure failure() const { return m_failure; }
    QString cause() const { return m_cause; }

private:
    FileFailure m_failure;
    QString m_cause;
};

// A path names a folder, device, pipe or socket where a file was wanted.
class NotARegularFile : public FileError
{
public:
    explicit NotARegularFile(const QString& text) : FileError(text) {}
};

// Throws FileError "<what> "<path>": <the system's message for its last error>",
// with the failure that error stands for.
[[noreturn]] void throwSystemError(const QString& what, const QString& path);

// Throws NotARegularFile for the path.
[[noreturn]] void throwNotARegularFile(const QString& path);

} // namespace platform
