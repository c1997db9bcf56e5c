#include "FileError.h"

#ifdef Q_OS_WIN
#include "WindowsApi.h"
#else
#include <cerrno>
#include <cstring>
#endif

void throwSystemError(const QString& what, const QString& path)
{
#ifdef Q_OS_WIN
    const QString message = qt_error_string(int(GetLastError()));
#else
    const QString message = QString::fromLocal8Bit(std::strerror(errno));
#endif
    throw FileError(QStringLiteral("%1 \"%2\": %3").arg(what, path, message));
}

void throwNotARegularFile(const QString& path)
{
    throw FileError(
        QStringLiteral("Cannot open file \"%1\": it is not a regular file (a folder, a device, a "
                       "pipe or a socket)")
            .arg(path));
}
