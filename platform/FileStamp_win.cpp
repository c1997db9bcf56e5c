#include "platform/FileStamp.h"

#include "platform/WindowsApi.h"

namespace platform
{

std::optional<FileStamp> fileStamp(const QString& path)
{
    // No access asked and every sharing allowed: a file another program holds
    // can still be looked at.
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), 0,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileStamp> stamp = fileStampOfHandle(qintptr(h));
    CloseHandle(h);
    return stamp;
}

std::optional<FileStamp> fileStampOfHandle(qintptr handle)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(HANDLE(handle), &info))
        return std::nullopt;
    FileStamp stamp;
    stamp.identity = {info.dwVolumeSerialNumber,
                      (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    stamp.size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    stamp.modified = qint64((quint64(info.ftLastWriteTime.dwHighDateTime) << 32) |
                            info.ftLastWriteTime.dwLowDateTime);
    return stamp;
}

} // namespace platform
