#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace platform
{

// A helper program run under limits the system enforces, talked to through
// its standard input and output: what it may cost is held by the kernel, not
// by the helper's own good behaviour, so no input it is given can talk it past
// them. On Linux, resource limits (address space and processor time, set from
// this process with prlimit); on Windows, a job object (committed memory and
// user-mode time). Past its memory limit the helper's allocations fail; past
// its processor time the system ends it. It dies with this process (a parent
// death signal; the job closes with its last handle), makes no core dump, and
// inherits no handle but its two pipes and standard error.
//
// One thread drives it; kill() may come from any thread.
class LimitedProcess
{
public:
    // Starts the program without arguments. Throws FileError (Open, the
    // program's path) when it cannot be started.
    explicit LimitedProcess(const QString& program);
    // Ends it at once if it still runs, and waits for it.
    ~LimitedProcess();
    LimitedProcess(const LimitedProcess&) = delete;
    LimitedProcess& operator=(const LimitedProcess&) = delete;

    // From now on it may hold what it holds now and `bytes` more: its address
    // space on Linux, its committed memory on Windows. Call it once it has
    // loaded what it needs and before it is given any input.
    void limitMemoryFromNow(qint64 bytes);
    // From now on it may spend `seconds` of processor time more, then the
    // system ends it; at least seconds - 1, never more than seconds (Linux
    // counts whole seconds).
    void allowProcessorTimeFromNow(int seconds);
    // The processor time it has spent, in seconds: user and system time on
    // Linux, user time on Windows (what each system's limit counts).
    double processorSeconds() const;
    // The most memory it has held: its peak resident size on Linux, its peak
    // committed memory on Windows; 0 where unknown.
    qint64 peakMemory() const;

    // Which limit it is past now, where the system let it get past one (a
    // system that does not enforce them, as Wine does not enforce a job's):
    // the caller then ends it. Safe from any thread while the process lives.
    enum class Limit { None, Memory, ProcessorTime };
    Limit limitPassed() const;

    // Writes all of the bytes to its standard input; false when it has ended.
    bool write(const char* data, qint64 size);
    // Up to maxSize bytes of its standard output as they come; 0 when it has
    // ended (or closed its output).
    qint64 read(char* data, qint64 maxSize);

    // Ends it at once; safe from any thread while the process lives.
    void kill();

    // How it ended.
    struct Ending {
        bool exited = false; // on its own, with code; else ended by the system or kill()
        int code = 0;
        bool processorTimeSpent = false; // ended for its processor time limit
        qint64 peakMemory = 0;           // as peakMemory() says, over its whole life
    };
    // Waits for it to end (call after kill(), or after it closed its output).
    Ending wait();

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
    QString m_program;
};

// The helper's own side: its standard input and output as the binary pipes
// LimitedProcess gives it.
namespace helperSide
{
// Up to maxSize bytes of standard input as they come; 0 at its end.
qint64 readInput(char* data, qint64 maxSize);
// All of the bytes to standard output; false when no one reads any more.
bool writeOutput(const char* data, qint64 size);
// Prepares the helper's process: no error dialogs of the system's (Windows),
// and its own watch over the limits LimitedProcess sets it (memoryBytes more
// than it holds now; processor time as allowProcessorTimeFromNow says), which
// ends it with ExceededMemory or ExceededProcessorTime. The system holds the
// limits; this watch holds them where a system lets them pass (Wine holds no
// job's limits), within a few hundredths of a second.
void prepare(qint64 memoryBytes);
// From now on the helper may spend seconds of processor time more.
void allowProcessorTimeFromNow(int seconds);
// What the helper holds and has spent, as its own watch measures them (the
// measure LimitedProcess's limits take), and what prepare does on each system.
qint64 ownMemory();
double ownProcessorSeconds();
void prepareSystem();
// The exit codes of a helper its own watch ended.
constexpr int ExceededMemory = 90;
constexpr int ExceededProcessorTime = 91;
} // namespace helperSide

} // namespace platform
