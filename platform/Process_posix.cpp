#include "platform/Process.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace platform
{

qint64 currentProcessId()
{
    return qint64(::getpid());
}

bool processIsRunning(qint64 id)
{
    if (id <= 0)
        return false;
    // Signal 0 only asks; EPERM says the process exists but is someone else's.
    return ::kill(pid_t(id), 0) == 0 || errno == EPERM;
}

void ignoreFileSizeSignal()
{
    // Ignored, SIGXFSZ leaves the write to fail with EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace platform
