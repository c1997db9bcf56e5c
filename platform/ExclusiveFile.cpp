#include "platform/ExclusiveFile.h"

namespace platform
{

void ExclusiveFile::fail(FileAction action) const
{
    throwSystemError(action, m_path);
}

FileStamp ExclusiveFile::stamp() const
{
    const std::optional<FileStamp> stamp = fileStampOfHandle(m_handle);
    if (!stamp)
        fail(FileAction::Measure);
    return *stamp;
}

quint8 ExclusiveFile::readByteAt(qint64 offset)
{
    seek(offset);
    char byte = 0;
    if (read(&byte, 1) != 1)
        throw FileError(FileAction::ReadByte, m_path, FileReason::None, offset);
    return quint8(byte);
}

std::optional<KernelCopyTarget> ExclusiveFile::kernelCopyTarget() const
{
    if (m_appends || m_handle == NoHandle)
        return std::nullopt;
    return KernelCopyTarget{m_handle, m_path};
}

void ExclusiveFile::writeByteAt(qint64 offset, quint8 value)
{
    seek(offset);
    const char byte = char(value);
    write(&byte, 1);
}

} // namespace platform
