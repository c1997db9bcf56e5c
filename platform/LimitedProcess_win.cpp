#include "platform/LimitedProcess.h"

#include "platform/FileError.h"
#include "platform/WindowsApi.h"

#include <psapi.h> // after windows.h, whose types it uses

#include <atomic>
#include <vector>

namespace platform
{

namespace
{

// The exit code kill() ends it with, to tell it from the helper's own codes.
constexpr UINT KilledCode = 0xdead;

quint64 ticksOf(const FILETIME& time)
{
    return (quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

HANDLE inheritable(HANDLE handle)
{
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return handle;
}

} // namespace

struct LimitedProcess::Handles {
    HANDLE process = nullptr;
    HANDLE job = nullptr;
    HANDLE input = nullptr;  // its standard input, written here
    HANDLE output = nullptr; // its standard output, read here
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    std::atomic<quint64> userTimeLimit = 0; // in 100 ns, where set
    std::atomic<quint64> memoryLimit = 0;   // committed bytes, where set

    ~Handles()
    {
        for (HANDLE handle : {input, output, process, job})
            if (handle)
                CloseHandle(handle);
    }
    void setLimits(const QString& program)
    {
        if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits,
                                     sizeof limits))
            throwSystemError(FileAction::Open, program);
    }
};

LimitedProcess::LimitedProcess(const QString& program)
    : m_handles(std::make_unique<Handles>()), m_program(program)
{
    Handles& h = *m_handles;
    // Its ends of the pipes, and the null device for its standard error, are
    // the only handles it inherits.
    HANDLE childInput = nullptr;
    HANDLE childOutput = nullptr;
    if (!CreatePipe(&childInput, &h.input, nullptr, 0) ||
        !CreatePipe(&h.output, &childOutput, nullptr, 0))
        throwSystemError(FileAction::Open, program);
    const HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
    const auto closeChildEnds = [&] {
        for (HANDLE handle : {childInput, childOutput, nul})
            if (handle && handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
    };
    HANDLE inherited[] = {inheritable(childInput), inheritable(childOutput), inheritable(nul)};

    SIZE_T listSize = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &listSize);
    std::vector<char> listBytes(listSize);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(listBytes.data());
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = childInput;
    startup.StartupInfo.hStdOutput = childOutput;
    startup.StartupInfo.hStdError = nul;
    if (!InitializeProcThreadAttributeList(list, 1, 0, &listSize) ||
        !UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                   sizeof inherited, nullptr, nullptr)) {
        closeChildEnds();
        throwSystemError(FileAction::Open, program);
    }
    startup.lpAttributeList = list;

    std::wstring commandLine = L"\"" + program.toStdWString() + L"\"";
    PROCESS_INFORMATION started{};
    // Suspended until it is in its job: it runs no instruction unlimited.
    const BOOL created = CreateProcessW(
        reinterpret_cast<const wchar_t*>(program.utf16()), commandLine.data(), nullptr, nullptr,
        TRUE, CREATE_SUSPENDED | CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
        &startup.StartupInfo, &started);
    const DWORD createError = GetLastError();
    DeleteProcThreadAttributeList(list);
    closeChildEnds();
    if (!created) {
        SetLastError(createError);
        throwSystemError(FileAction::Open, program);
    }
    h.process = started.hProcess;
    h.job = CreateJobObjectW(nullptr, nullptr);
    h.limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (!h.job ||
        !SetInformationJobObject(h.job, JobObjectExtendedLimitInformation, &h.limits,
                                 sizeof h.limits) ||
        !AssignProcessToJobObject(h.job, h.process)) {
        const DWORD error = GetLastError();
        TerminateProcess(h.process, KilledCode);
        CloseHandle(started.hThread);
        SetLastError(error);
        throwSystemError(FileAction::Open, program);
    }
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
}

LimitedProcess::~LimitedProcess()
{
    kill();
    WaitForSingleObject(m_handles->process, INFINITE);
}

void LimitedProcess::limitMemoryFromNow(qint64 bytes)
{
    Handles& h = *m_handles;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    if (!GetProcessMemoryInfo(h.process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        throwSystemError(FileAction::Open, m_program);
    h.limits.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    h.limits.ProcessMemoryLimit = counters.PrivateUsage + SIZE_T(bytes);
    h.setLimits(m_program);
    h.memoryLimit = quint64(h.limits.ProcessMemoryLimit);
}

void LimitedProcess::allowProcessorTimeFromNow(int seconds)
{
    Handles& h = *m_handles;
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(h.process, &created, &exited, &kernel, &user))
        throwSystemError(FileAction::Open, m_program);
    // The limit counts the user-mode time spent since the start.
    h.userTimeLimit = ticksOf(user) + quint64(seconds) * 10000000;
    h.limits.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_TIME;
    h.limits.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart = LONGLONG(h.userTimeLimit);
    h.setLimits(m_program);
}

double LimitedProcess::processorSeconds() const
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(m_handles->process, &created, &exited, &kernel, &user))
        return 0;
    return double(ticksOf(user)) / 1e7;
}

LimitedProcess::Limit LimitedProcess::limitPassed() const
{
    // The job holds both on Windows; Wine accepts the limits and holds neither.
    const Handles& h = *m_handles;
    FILETIME created, exited, kernel, user;
    if (h.userTimeLimit > 0 && GetProcessTimes(h.process, &created, &exited, &kernel, &user) &&
        ticksOf(user) >= h.userTimeLimit)
        return Limit::ProcessorTime;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    if (h.memoryLimit > 0 &&
        GetProcessMemoryInfo(h.process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters) &&
        counters.PrivateUsage > h.memoryLimit)
        return Limit::Memory;
    return Limit::None;
}

qint64 LimitedProcess::peakMemory() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(m_handles->process, &counters, sizeof counters))
        return 0;
    return qint64(counters.PeakPagefileUsage);
}

bool LimitedProcess::write(const char* data, qint64 size)
{
    while (size > 0) {
        DWORD done = 0;
        if (!WriteFile(m_handles->input, data, DWORD(qMin<qint64>(size, 1 << 30)), &done, nullptr))
            return false;
        data += done;
        size -= done;
    }
    return true;
}

qint64 LimitedProcess::read(char* data, qint64 maxSize)
{
    DWORD done = 0;
    if (!ReadFile(m_handles->output, data, DWORD(qMin<qint64>(maxSize, 1 << 30)), &done, nullptr))
        return 0; // ERROR_BROKEN_PIPE: it ended
    return qint64(done);
}

void LimitedProcess::kill()
{
    TerminateProcess(m_handles->process, KilledCode);
}

LimitedProcess::Ending LimitedProcess::wait()
{
    Handles& h = *m_handles;
    WaitForSingleObject(h.process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(h.process, &code);
    Ending ending;
    FILETIME created, exited, kernel, user;
    ending.processorTimeSpent = h.userTimeLimit > 0 &&
                                GetProcessTimes(h.process, &created, &exited, &kernel, &user) &&
                                ticksOf(user) >= h.userTimeLimit;
    ending.exited = code != KilledCode && !ending.processorTimeSpent;
    ending.code = int(code);
    ending.peakMemory = peakMemory();
    return ending;
}

namespace helperSide
{

qint64 readInput(char* data, qint64 maxSize)
{
    DWORD done = 0;
    if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), data, DWORD(qMin<qint64>(maxSize, 1 << 30)),
                  &done, nullptr))
        return 0;
    return qint64(done);
}

bool writeOutput(const char* data, qint64 size)
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    while (size > 0) {
        DWORD done = 0;
        if (!WriteFile(output, data, DWORD(qMin<qint64>(size, 1 << 30)), &done, nullptr))
            return false;
        data += done;
        size -= done;
    }
    return true;
}

void prepareSystem()
{
    // A fault ends it quietly: no dialog waits for a user who never sees it.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
}

qint64 ownMemory()
{
    // Committed memory, what the job's limit counts; the working set where
    // that is larger (Wine tells no commit of its own).
    PROCESS_MEMORY_COUNTERS_EX counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return 0;
    return qint64(qMax(counters.PrivateUsage, counters.WorkingSetSize));
}

double ownProcessorSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    return double(ticksOf(user)) / 1e7;
}

} // namespace helperSide

} // namespace platform
