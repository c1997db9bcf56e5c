#pragma once

#include <QString>
#include <stdexcept>

namespace platform
{

// Why the system refused a file, where its error tells: nothing of that name
// (or of its folder), no permission, another program holding it (Windows
// sharing and locks); Other for every other error.
enum class FileFailure { Other, Missing, AccessDenied, InUse };

// The one error type of the program's file work. The text is what the user
// sees in an error box, so it is composed where the context (the path) is known.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& text, FileFailure failure = FileFailure::Other)
        : std::runtime_error(text.toStdString()), m_failure(failure)
    {
    }
    QString text() const { return QString::fromStdString(what()); }
    FileFailure failure() const { return m_failure; }

private:
    FileFailure m_failure;
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
