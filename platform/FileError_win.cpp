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

void throwSystemError(FileAction action, const QString& path, const QString& source)
{
    const DWORD error = GetLastError();
    const QString message = qt_error_string(int(error));
    throw FileError(action, path, failureOf(error), message, source);
}

} // namespace platform
