#include "platform/FileHead.h"

namespace platform
{

FileHead readFileHead(const QString& path, qint64 maxBytes)
{
    FileLook file(path);
    FileHead head;
    head.size = file.size();
    head.bytes.resize(qMin(maxBytes, head.size));
    head.bytes.truncate(file.readAt(0, head.bytes.data(), head.bytes.size()));
    return head;
}

} // namespace platform
