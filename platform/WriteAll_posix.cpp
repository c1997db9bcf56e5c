#include "platform/WriteAll.h"

#include "platform/FileError.h"

#include <cerrno>
#include <unistd.h>

namespace platform
{

void writeAll(qintptr handle, const char* data, qint64 size, const QString& path)
{
    while (size > 0) {
        const ssize_t done = ::write(int(handle), data, size_t(size));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            throwSystemError(FileAction::Write, path);
        data += done;
        size -= done;
    }
}

} // namespace platform
