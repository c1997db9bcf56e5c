#include "platform/FileStamp.h"

namespace platform
{

std::optional<FileIdentity> fileIdentity(const QString& path)
{
    if (const std::optional<FileStamp> stamp = fileStamp(path))
        return stamp->identity;
    return std::nullopt;
}

} // namespace platform
