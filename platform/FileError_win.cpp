#include "platform/FileError.h"

#include "platform/WindowsApi.h"

namespace platform
{

void throwSystemError(const QString& what, const QString& path)
{
    const QString message = qt_error_string(int(GetLastError()));
    throw FileError(QStringLiteral("%1 \"%2\": %3").arg(what, path, message));
}

} // namespace platform
