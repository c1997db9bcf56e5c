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

void throwSystemError(const QString& what, const QString& path)
{
    const int error = errno;
    const QString message = QString::fromLocal8Bit(std::strerror(error));
    throw FileError(QStringLiteral("%1 \"%2\": %3").arg(what, path, message), failureOf(error),
                    message);
}

} // namespace platform
