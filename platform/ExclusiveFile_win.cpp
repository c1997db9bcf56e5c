#include "platform/ExclusiveFile.h"

#include "platform/WindowsApi.h"
#include "platform/WriteAll.h"

namespace platform
{

ExclusiveFile::ExclusiveFile(const QString& path, Mode mode) : m_path(path)
{
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
    case Mode::ReadExisting:
        break;
    case Mode::ReadWriteExisting:
        access |= GENERIC_WRITE;
        break;
    case Mode::Create:
        access |= GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        break;
    case Mode::CreateHere: {
        // A link (a symbolic link, a junction) at the path leads elsewhere.
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            throw FileError(FileAction::Create, m_path, FileReason::IsLink);
        access |= GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        break;
    }
    case Mode::AppendExisting:
        access = FILE_APPEND_DATA;
        break;
    }
    // Share mode 0: no other open of the file while this one holds it.
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), access, 0, nullptr,
                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION)
            throw FileError(FileAction::Open, m_path, FileReason::InUse);
        // A folder cannot be opened as a file at all: say what it is.
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throwNotARegularFile(m_path);
        SetLastError(error);
        fail(FileAction::Open);
    }
    m_handle = qintptr(h);
    // Devices (NUL, CON, COM1 under any folder) and pipes are no files.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        m_handle = NoHandle;
        throwNotARegularFile(m_path);
    }
}

ExclusiveFile::~ExclusiveFile()
{
    if (m_handle != NoHandle)
        CloseHandle(HANDLE(m_handle));
}

qint64 ExclusiveFile::size() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(HANDLE(m_handle), &size))
        fail(FileAction::Measure);
    return size.QuadPart;
}

platform::FileIdentity ExclusiveFile::identity() const
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(HANDLE(m_handle), &info))
        fail(FileAction::Identify);
    return {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

qint64 ExclusiveFile::read(char* buffer, qint64 maxSize)
{
    DWORD done = 0;
    if (!ReadFile(HANDLE(m_handle), buffer, DWORD(maxSize), &done, nullptr))
        fail(FileAction::Read);
    return done;
}

void ExclusiveFile::seek(qint64 offset)
{
    LARGE_INTEGER to;
    to.QuadPart = offset;
    if (!SetFilePointerEx(HANDLE(m_handle), to, nullptr, FILE_BEGIN))
        fail(FileAction::Seek);
}

void ExclusiveFile::write(const char* data, qint64 size)
{
    platform::writeAll(m_handle, data, size, m_path);
}

qint64 ExclusiveFile::copyInKernel(const KernelCopyTarget&, qint64, qint64)
{
    return 0; // the caller's read and write path copies everything
}

void ExclusiveFile::close()
{
    const qintptr handle = m_handle;
    m_handle = NoHandle;
    if (handle != NoHandle && !CloseHandle(HANDLE(handle)))
        fail(FileAction::Close);
}

} // namespace platform
