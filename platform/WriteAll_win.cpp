#include "platform/WriteAll.h"

#include "platform/FileError.h"
#include "platform/WindowsApi.h"

namespace platform
{

void writeAll(qintptr handle, const char* data, qint64 size, const QString& path)
{
    while (size > 0) {
        DWORD done = 0;
        if (!WriteFile(HANDLE(handle), data, DWORD(qMin<qint64>(size, 1 << 30)), &done, nullptr) ||
            done == 0)
            throwSystemError(FileAction::Write, path);
        data += done;
        size -= done;
    }
}

} // namespace platform
