#pragma once

#include <QString>
#include <stdexcept>

namespace platform
{

// The one error type of the program's file work. The text is what the user
// sees in an error box, so it is composed where the context (the path) is known.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// A path names a folder, device, pipe or socket where a file was wanted.
class NotARegularFile : public FileError
{
public:
    using FileError::FileError;
};

// Throws FileError "<what> "<path>": <the system's message for its last error>".
[[noreturn]] void throwSystemError(const QString& what, const QString& path);

// Throws NotARegularFile for the path.
[[noreturn]] void throwNotARegularFile(const QString& path);

} // namespace platform
