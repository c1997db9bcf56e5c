#include "platform/FileHead.h"

#include "platform/FileError.h"
#include "platform/WindowsApi.h"

namespace platform
{

FileLook::FileLook(const QString& path) : m_path(path)
{
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // A folder cannot be opened as a file at all: say what it is.
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throwNotARegularFile(path, SpecialFile::Folder);
        throwSystemError(FileAction::Open, path);
    }
    m_handle = qintptr(handle);
    // Devices (NUL, CON, COM1 under any folder) and pipes are no files.
    const DWORD type = GetFileType(handle);
    if (type != FILE_TYPE_DISK) {
        CloseHandle(handle);
        throwNotARegularFile(path, type == FILE_TYPE_CHAR   ? SpecialFile::Device
                                   : type == FILE_TYPE_PIPE ? SpecialFile::Pipe
                                                            : SpecialFile::Unknown);
    }
    const std::optional<FileStamp> stamp = fileStampOfHandle(m_handle);
    if (!stamp) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        SetLastError(error);
        throwSystemError(FileAction::Measure, path);
    }
    m_stamp = *stamp;
}

std::optional<FileStamp> lookStamp(const QString& path)
{
    // Opened for reading as a look opens it: a file held without sharing, or
    // whose permissions changed, would otherwise keep its stamp.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileStamp> stamp = fileStampOfHandle(qintptr(handle));
    CloseHandle(handle);
    return stamp;
}

FileLook::~FileLook()
{
    CloseHandle(HANDLE(m_handle));
}

qint64 FileLook::readAt(qint64 offset, char* data, qint64 maxSize)
{
    qint64 done = 0;
    while (done < maxSize) {
        // On a handle opened without FILE_FLAG_OVERLAPPED the OVERLAPPED only
        // says where to read: the read itself completes before ReadFile returns.
        OVERLAPPED at{};
        at.Offset = DWORD(quint64(offset + done));
        at.OffsetHigh = DWORD(quint64(offset + done) >> 32);
        DWORD got = 0;
        const DWORD wanted = DWORD(qMin<qint64>(maxSize - done, 1 << 30));
        if (!ReadFile(HANDLE(m_handle), data + done, wanted, &got, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            throwSystemError(FileAction::Read, m_path);
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

} // namespace platform
