#include "platform/LockFile.h"

#include "platform/FileError.h"
#include "platform/WindowsApi.h"

namespace platform
{

bool LockFile::tryLockOnce()
{
    // A lock file its last holder has just closed is still being deleted for a
    // moment, and the system refuses opens meanwhile, as it does for a folder
    // that may not be written: a refusal that lasts is the latter.
    for (int attempt = 0;; ++attempt) {
        // Without sharing, a second open fails while this one holds the file;
        // the system deletes the file when the handle closes, also when the
        // holder dies.
        const HANDLE handle = CreateFileW(
            reinterpret_cast<const wchar_t*>(m_path.utf16()), GENERIC_READ | GENERIC_WRITE | DELETE,
            0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            m_handle = qintptr(handle);
            return true;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION)
            return false;
        if (error != ERROR_ACCESS_DENIED || attempt == 20)
            throwSystemError(FileAction::CreateLockFile, m_path);
        Sleep(5);
    }
}

void LockFile::unlock()
{
    if (!isLocked())
        return;
    CloseHandle(HANDLE(m_handle));
    m_handle = NoHandle;
}

} // namespace platform
