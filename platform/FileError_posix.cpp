#include "platform/FileError.h"

#include <cerrno>
#include <cstring>

namespace platform
{

namespace
{

FileFailure failureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileFailure::Missing;
    case EACCES:
    case EPERM:
        return FileFailure::AccessDenied;
    case EBUSY:
    case ETXTBSY:
        return FileFailure::InUse;
    default:
        return FileFailure::Other;
    }
}

} // namespace

void throwSystemError(FileAction action, const QString& path, const QString& source)
{
    const int error = errno;
    const QString message = QString::fromLocal8Bit(std::strerror(error));
    throw FileError(action, path, failureOf(error), message, source);
}

} // namespace platform
