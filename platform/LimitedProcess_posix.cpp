#include "platform/LimitedProcess.h"

#include "platform/FileError.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform
{

struct LimitedProcess::Handles {
    pid_t pid = -1;
    int socket = -1; // both of its standard streams
    std::mutex reaping;
    bool reaped = false;                 // guarded by reaping: its id may name another process then
    std::atomic<qint64> memoryLimit = 0; // address space, where set
    std::atomic<qint64> processorLimitTicks = 0; // where set
};

namespace
{

// A file of /proc/<pid>/, whole; empty when it cannot be read.
QByteArray procFile(pid_t pid, const char* name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// In the child between fork and exec: only calls that are safe there.
[[noreturn]] void becomeHelper(const char* path, int socket, int execFailure, pid_t parent)
{
    // Ends with this process, also when this process died before this line.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    // Its limits end it by SIGXCPU; a core dump of it would only cost time.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    // The signals its limits rely on act as the system means them to, whatever
    // this process ignores or blocks.
    struct sigaction standard {
    };
    standard.sa_handler = SIG_DFL;
    ::sigaction(SIGXCPU, &standard, nullptr);
    ::sigaction(SIGPIPE, &standard, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::dup2(socket, STDIN_FILENO);
    ::dup2(socket, STDOUT_FILENO);
    // Nothing else of this process's reaches it: every other descriptor
    // closes at exec.
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, 3u, ~0u, 4u /* CLOSE_RANGE_CLOEXEC */) != 0)
#endif
    {
        rlimit files{};
        ::getrlimit(RLIMIT_NOFILE, &files);
        const long last =
            files.rlim_cur == RLIM_INFINITY ? 65536 : long(qMin<rlim_t>(files.rlim_cur, 65536));
        for (int fd = 3; fd < last; ++fd)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    char* const arguments[] = {const_cast<char*>(path), nullptr};
    ::execv(path, arguments);
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(execFailure, &error, sizeof error);
    ::_exit(127);
}

} // namespace

LimitedProcess::LimitedProcess(const QString& program)
    : m_handles(std::make_unique<Handles>()), m_program(program)
{
    const QByteArray path = QFile::encodeName(program);
    int sockets[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        throwSystemError(FileAction::Open, program);
    int execFailure[2];
    if (::pipe2(execFailure, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(sockets[0]);
        ::close(sockets[1]);
        errno = error;
        throwSystemError(FileAction::Open, program);
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0)
        becomeHelper(path.constData(), sockets[1], execFailure[1], parent);
    const int forkError = errno;
    ::close(sockets[1]);
    ::close(execFailure[1]);
    if (pid < 0) {
        ::close(sockets[0]);
        ::close(execFailure[0]);
        errno = forkError;
        throwSystemError(FileAction::Open, program);
    }
    // The exec either closes this pipe (it succeeded) or writes why it failed.
    int execError = 0;
    ssize_t got;
    do
        got = ::read(execFailure[0], &execError, sizeof execError);
    while (got < 0 && errno == EINTR);
    ::close(execFailure[0]);
    m_handles->pid = pid;
    m_handles->socket = sockets[0];
    if (got == sizeof execError) {
        wait();
        ::close(sockets[0]);
        m_handles->socket = -1;
        errno = execError;
        throwSystemError(FileAction::Open, program);
    }
}

LimitedProcess::~LimitedProcess()
{
    if (!m_handles->reaped) {
        kill();
        wait();
    }
    if (m_handles->socket >= 0)
        ::close(m_handles->socket);
}

void LimitedProcess::limitMemoryFromNow(qint64 bytes)
{
    // The first field of statm: the address space in pages.
    const QList<QByteArray> fields = procFile(m_handles->pid, "statm").split(' ');
    bool read = false;
    const qint64 pages = fields.value(0).toLongLong(&read);
    if (!read) {
        errno = ESRCH;
        throwSystemError(FileAction::Open, m_program);
    }
    const rlim_t limit = rlim_t(pages * ::sysconf(_SC_PAGESIZE) + bytes);
    // Hard as well as soft: the helper can never raise it again.
    const rlimit addressSpace{limit, limit};
    if (::prlimit(m_handles->pid, RLIMIT_AS, &addressSpace, nullptr) != 0)
        throwSystemError(FileAction::Open, m_program);
    m_handles->memoryLimit = qint64(limit);
}

void LimitedProcess::allowProcessorTimeFromNow(int seconds)
{
    rlimit time{};
    if (::prlimit(m_handles->pid, RLIMIT_CPU, nullptr, &time) != 0)
        throwSystemError(FileAction::Open, m_program);
    // The limit counts whole seconds of the time spent since the start.
    time.rlim_cur = rlim_t(std::floor(processorSeconds())) + rlim_t(seconds);
    if (::prlimit(m_handles->pid, RLIMIT_CPU, &time, nullptr) != 0)
        throwSystemError(FileAction::Open, m_program);
    m_handles->processorLimitTicks = qint64(time.rlim_cur) * ::sysconf(_SC_CLK_TCK);
}

namespace
{

// The processor time the process has spent, in clock ticks: utime and stime,
// the 14th and 15th fields of its stat, the 12th and 13th after the command's
// name in parentheses (which may hold blanks).
qint64 processorTicks(pid_t pid)
{
    const QByteArray stat = procFile(pid, "stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

} // namespace

double LimitedProcess::processorSeconds() const
{
    return double(processorTicks(m_handles->pid)) / double(::sysconf(_SC_CLK_TCK));
}

LimitedProcess::Limit LimitedProcess::limitPassed() const
{
    // The kernel holds both: an allocation past the address space fails, and
    // the process ends at its processor time. This only tells what it sees.
    const qint64 ticks = m_handles->processorLimitTicks;
    if (ticks > 0 && processorTicks(m_handles->pid) >= ticks)
        return Limit::ProcessorTime;
    const qint64 memory = m_handles->memoryLimit;
    if (memory > 0) {
        const qint64 pages = procFile(m_handles->pid, "statm").split(' ').value(0).toLongLong();
        if (pages * ::sysconf(_SC_PAGESIZE) > memory)
            return Limit::Memory;
    }
    return Limit::None;
}

qint64 LimitedProcess::peakMemory() const
{
    const QByteArray status = procFile(m_handles->pid, "status");
    const qsizetype at = status.indexOf("VmHWM:");
    if (at < 0)
        return 0;
    const qsizetype end = status.indexOf('\n', at);
    return status.mid(at + 6, end - at - 6).replace("kB", "").trimmed().toLongLong() * 1024;
}

bool LimitedProcess::write(const char* data, qint64 size)
{
    while (size > 0) {
        // A helper that ended must not end this process by SIGPIPE.
        const ssize_t done = ::send(m_handles->socket, data, size_t(size), MSG_NOSIGNAL);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

qint64 LimitedProcess::read(char* data, qint64 maxSize)
{
    for (;;) {
        const ssize_t done = ::recv(m_handles->socket, data, size_t(maxSize), 0);
        if (done >= 0)
            return qint64(done);
        if (errno != EINTR)
            return 0;
    }
}

void LimitedProcess::kill()
{
    const std::lock_guard<std::mutex> lock(m_handles->reaping);
    if (!m_handles->reaped)
        ::kill(m_handles->pid, SIGKILL);
}

LimitedProcess::Ending LimitedProcess::wait()
{
    // Waited for without reaping first, so that kill() never meets its id
    // taken by another process.
    siginfo_t info{};
    while (::waitid(P_PID, id_t(m_handles->pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    {
        const std::lock_guard<std::mutex> lock(m_handles->reaping);
        m_handles->reaped = true;
    }
    int status = 0;
    rusage usage{};
    while (::wait4(m_handles->pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    Ending ending;
    ending.peakMemory = qint64(usage.ru_maxrss) * 1024;
    ending.exited = WIFEXITED(status);
    ending.code = ending.exited ? WEXITSTATUS(status) : 0;
    ending.processorTimeSpent = WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU;
    return ending;
}

namespace helperSide
{

qint64 readInput(char* data, qint64 maxSize)
{
    for (;;) {
        const ssize_t done = ::read(STDIN_FILENO, data, size_t(maxSize));
        if (done >= 0)
            return qint64(done);
        if (errno != EINTR)
            return 0;
    }
}

bool writeOutput(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t done = ::write(STDOUT_FILENO, data, size_t(size));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

void prepareSystem() {}

namespace
{

// A file of /proc/self/ into buf, without allocating: the watch must not
// grow what it watches.
qsizetype readOwnProcFile(const char* path, char* buf, qsizetype size)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const ssize_t got = ::read(fd, buf, size_t(size - 1));
    ::close(fd);
    buf[got > 0 ? got : 0] = '\0';
    return got > 0 ? got : 0;
}

} // namespace

qint64 ownMemory()
{
    // The address space, what the limit the system sets counts.
    char buf[256];
    readOwnProcFile("/proc/self/statm", buf, sizeof buf);
    return std::strtoll(buf, nullptr, 10) * ::sysconf(_SC_PAGESIZE);
}

double ownProcessorSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return double(time.tv_sec) + double(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace helperSide

} // namespace platform
