#include "platform/FileError.h"

namespace platform
{

void throwNotARegularFile(const QString& path)
{
    throw NotARegularFile(
        QStringLiteral("Cannot open file \"%1\": it is not a regular file (a folder, a device, a "
                       "pipe or a socket)")
            .arg(path));
}

} // namespace platform
