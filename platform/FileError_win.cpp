#include "platform/FileError.h"

#include "platform/WindowsApi.h"

namespace platform
{

namespace
{

FileFailure failureOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
        return FileFailure::Missing;
    case ERROR_ACCESS_DENIED:
        return FileFailure::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileFailure::InUse;
    default:
        return FileFailure::Other;
    }
}

} // namespace

void throwSystemError(const QString& what, const QString& path)
{
    const DWORD error = GetLastError();
    const QString message = qt_error_string(int(error));
    throw FileError(QStringLiteral("%1 \"%2\": %3").arg(what, path, message), failureOf(error),
                    message);
}

} // namespace platform
