#include "platform/FileHead.h"

#include "platform/FileError.h"
#include "platform/WindowsApi.h"

namespace platform
{

FileHead readFileHead(const QString& path, qint64 maxBytes)
{
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // A folder cannot be opened as a file at all: say what it is.
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throwNotARegularFile(path);
        throwSystemError(QStringLiteral("Cannot open file"), path);
    }
    struct Closer {
        HANDLE handle;
        ~Closer() { CloseHandle(handle); }
    } closer{handle};
    // Devices (NUL, CON, COM1 under any folder) and pipes are no files.
    if (GetFileType(handle) != FILE_TYPE_DISK)
        throwNotARegularFile(path);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle, &size))
        throwSystemError(QStringLiteral("Cannot measure file"), path);
    FileHead head;
    head.size = size.QuadPart;
    head.bytes.resize(qMin(maxBytes, head.size));
    qint64 done = 0;
    while (done < head.bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(handle, head.bytes.data() + done, DWORD(head.bytes.size() - done), &got,
                      nullptr))
            throwSystemError(QStringLiteral("Cannot read file"), path);
        if (got == 0)
            break;
        done += got;
    }
    head.bytes.truncate(done);
    return head;
}

} // namespace platform
