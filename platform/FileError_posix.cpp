#include "platform/FileError.h"

#include <cerrno>
#include <cstring>

namespace platform
{

void throwSystemError(const QString& what, const QString& path)
{
    const QString message = QString::fromLocal8Bit(std::strerror(errno));
    throw FileError(QStringLiteral("%1 \"%2\": %3").arg(what, path, message));
}

} // namespace platform
