#include "builder/ArchiveReaderProcess.h"

#include "builder/ArchiveError.h"
#include "builder/ArchiveInput.h"
#include "builder/ArchiveLimits.h"
#include "builder/ArchiveReaderMessages.h"
#include "builder/HeaderRepair.h"
#include "platform/FileError.h"
#include "platform/LimitedProcess.h"
#include "platform/ProgramFiles.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace builder
{

namespace
{

using namespace archiveReading;
using Kind = ArchiveError::Kind;
using Detail = ArchiveError::Detail;

// A reader that neither answers nor spends processor time (it should never
// be) is ended after this long: the processor time limit cannot end it.
constexpr auto WallTimeLimit = std::chrono::seconds(30);

QString& programOverride()
{
    static QString program;
    return program;
}

// Ends a reader that takes longer than it may in time of the clock, and one
// the system let past its memory or processor time (Wine does not enforce a
// job's limits), looking at it a few times a second. Its thread is never
// waited for: it may outlive its owner (a thread's reader is destroyed as the
// thread or the process ends, when waiting for another thread may never
// return), and ends once it sees that it is stopped.
class Watchdog
{
public:
    using Limit = platform::LimitedProcess::Limit;

    Watchdog() : m_state(std::make_shared<State>())
    {
        std::thread([state = m_state] { watch(*state); }).detach();
    }
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_state->mutex);
            m_state->stopping = true;
            m_state->process = nullptr;
        }
        m_state->changed.notify_all();
    }

    void arm(platform::LimitedProcess& process)
    {
        const std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->process = &process;
        m_state->deadline = std::chrono::steady_clock::now() + WallTimeLimit;
        m_state->ended = std::nullopt;
        m_state->changed.notify_all();
    }
    // Why it ended the reader since it was armed: the limit it was past (the
    // clock's counts as its processor time), or nothing.
    std::optional<Limit> disarm()
    {
        const std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->process = nullptr;
        return m_state->ended;
    }

private:
    static constexpr auto Interval = std::chrono::milliseconds(50);

    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        platform::LimitedProcess* process = nullptr;
        std::chrono::steady_clock::time_point deadline;
        std::optional<Limit> ended;
        bool stopping = false;
    };

    static void watch(State& state)
    {
        std::unique_lock<std::mutex> lock(state.mutex);
        while (!state.stopping) {
            if (!state.process) {
                state.changed.wait(lock);
                continue;
            }
            state.changed.wait_for(lock, Interval);
            if (!state.process)
                continue;
            Limit passed = state.process->limitPassed();
            if (passed == Limit::None && std::chrono::steady_clock::now() >= state.deadline)
                passed = Limit::ProcessorTime;
            if (passed != Limit::None) {
                state.process->kill();
                state.ended = passed;
                state.process = nullptr;
            }
        }
    }

    std::shared_ptr<State> m_state;
};

int countAt(const QByteArray& header, qint64 offset)
{
    return offset < header.size() ? quint8(header.at(offset)) : 0;
}

// A rom as a reader that keeps to ArchiveReader could have found it.
bool plausible(const ArchiveReader::Rom& rom, bool bytesWanted)
{
    if (rom.bytes.has_value() != bytesWanted)
        return false;
    if (!rom.bytes)
        return true;
    const qint64 declared = declaredRomLength(countAt(rom.header, ines::PrgCountOffset),
                                              countAt(rom.header, ines::ChrCountOffset));
    const qint64 kept =
        rom.header.size() < ines::HeaderSize ? rom.length : qMin(rom.length, declared);
    return rom.bytes->size() == kept && rom.bytes->startsWith(rom.header);
}

} // namespace

struct ArchiveReaderProcess::State {
    QString program; // empty: the default
    std::unique_ptr<platform::LimitedProcess> process;
    std::unique_ptr<Channel> channel;
    std::unique_ptr<Watchdog> watchdog;
    qint64 lastPeakMemory = 0;

    // Starts the reader and limits it before it reads anything.
    void start(const QString& archiveName)
    {
        const QString program =
            !this->program.isEmpty() ? this->program
            : programOverride().isEmpty()
                ? platform::helperProgram(QStringLiteral("romweaver-archive-reader"))
                : programOverride();
        if (!watchdog)
            watchdog = std::make_unique<Watchdog>();
        try {
            process = std::make_unique<platform::LimitedProcess>(program);
            platform::LimitedProcess* started = process.get();
            channel = std::make_unique<Channel>(
                [started](char* data, qint64 size) { return started->read(data, size); },
                [started](const char* data, qint64 size) { return started->write(data, size); });
            watchdog->arm(*process);
            const std::optional<Message> ready = channel->receive();
            watchdog->disarm();
            if (!ready || ready->type != Type::Ready)
                throw platform::FileError(platform::FileAction::Open, program,
                                          platform::FileReason::None);
            process->limitMemoryFromNow(archiveLimits::Memory);
        } catch (const platform::FileError& error) {
            stop();
            throw ArchiveError(archiveName, Kind::Unreadable, Detail::ReaderUnavailable,
                               error.cause().isEmpty() ? program : error.cause());
        }
    }

    platform::LimitedProcess::Ending stop()
    {
        platform::LimitedProcess::Ending ending;
        if (process) {
            process->kill();
            ending = process->wait();
            lastPeakMemory = ending.peakMemory;
        }
        channel.reset();
        process.reset();
        return ending;
    }

    // The reader broke off: past a limit, or stopped on the archive.
    [[noreturn]] void ended(const QString& archiveName)
    {
        namespace helper = platform::helperSide;
        const std::optional<Watchdog::Limit> ended = watchdog->disarm();
        const platform::LimitedProcess::Ending ending = stop();
        if (ended == Watchdog::Limit::Memory ||
            (ending.exited && ending.code == helper::ExceededMemory))
            throw ArchiveError(archiveName, Kind::TooCostly, Detail::MemoryLimit);
        if (ended || ending.processorTimeSpent ||
            (ending.exited && ending.code == helper::ExceededProcessorTime))
            throw ArchiveError(archiveName, Kind::TooCostly, Detail::ProcessorTimeLimit);
        throw ArchiveError(archiveName, Kind::TooCostly, Detail::ReaderStopped);
    }

    ArchiveReader::Rom run(Message request, ArchiveInput& input, const QString& archiveName,
                           bool bytesWanted)
    {
        if (!process)
            start(archiveName);
        request.archiveName = archiveName;
        request.size = input.size();
        try {
            process->allowProcessorTimeFromNow(archiveLimits::ProcessorSeconds);
        } catch (const platform::FileError&) {
            ended(archiveName); // it has ended already
        }
        watchdog->arm(*process);
        if (!channel->send(request))
            ended(archiveName);
        std::optional<platform::FileError> inputError;
        for (;;) {
            const std::optional<Message> message = channel->receive();
            if (!message)
                ended(archiveName);
            switch (message->type) {
            case Type::Read: {
                if (message->offset > request.size)
                    ended(archiveName);
                Message answer;
                try {
                    answer.bytes = input.readAt(message->offset, message->count);
                    answer.type = Type::Bytes;
                } catch (const platform::FileError& error) {
                    inputError = error;
                    answer.type = Type::InputFailed;
                }
                if (!channel->send(answer))
                    ended(archiveName);
                break;
            }
            case Type::Rom:
                if (!plausible(message->rom, bytesWanted))
                    ended(archiveName);
                watchdog->disarm();
                return message->rom;
            case Type::Failed:
                watchdog->disarm();
                throw message->error->withArchiveName(archiveName);
            case Type::Abandoned:
                if (!inputError)
                    ended(archiveName);
                watchdog->disarm();
                throw *inputError;
            default:
                ended(archiveName);
            }
        }
    }
};

ArchiveReaderProcess& ArchiveReaderProcess::ofThisThread()
{
    thread_local ArchiveReaderProcess reader;
    return reader;
}

void ArchiveReaderProcess::setProgram(const QString& path)
{
    programOverride() = path;
}

ArchiveReaderProcess::ArchiveReaderProcess(const QString& program)
    : m_state(std::make_unique<State>())
{
    m_state->program = program;
}

ArchiveReaderProcess::~ArchiveReaderProcess()
{
    m_state->stop();
}

ArchiveReader::Rom ArchiveReaderProcess::findRom(ArchiveInput& input, const QString& archiveName,
                                                 bool keepBytes)
{
    Message request;
    request.type = Type::FindRom;
    request.keepBytes = keepBytes;
    return m_state->run(request, input, archiveName, keepBytes);
}

ArchiveReader::Rom ArchiveReaderProcess::readMember(ArchiveInput& input, const QString& archiveName,
                                                    int member)
{
    Message request;
    request.type = Type::ReadMember;
    request.member = member;
    return m_state->run(request, input, archiveName, true);
}

qint64 ArchiveReaderProcess::peakMemory() const
{
    return m_state->process ? m_state->process->peakMemory() : m_state->lastPeakMemory;
}

} // namespace builder
