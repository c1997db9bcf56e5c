#include "platform/Process.h"

#include "platform/WindowsApi.h"

namespace platform
{

qint64 currentProcessId()
{
    return qint64(GetCurrentProcessId());
}

bool processIsRunning(qint64 id)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(id));
    if (process == nullptr)
        // A process of another user may not be opened, yet it runs.
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

void ignoreFileSizeSignal()
{
    // Windows sets no file size limit on a process.
}

} // namespace platform
